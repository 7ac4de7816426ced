#include "game/forced_draw.h"

namespace BoardSupport {

std::string ForcedDrawText(ForcedDraw type)
{
    switch (type) {
    case KingsOnly:
        return "This move will force a draw because you cannot checkmate with only a king each.";
    case KingsAndOneMinorPiece:
        return "This move will force a draw because you cannot checkmate with only a knight or a bishop.";
    case BishopsOnTheSameShade:
        return "This move will force a draw because you cannot checkmate with only two bishops on the same colour.";
    case NoForcedDraw:
        break;
    }
    return "";
}

} // namespace BoardSupport
