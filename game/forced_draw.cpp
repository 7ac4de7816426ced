#include "game/forced_draw.h"

#include <array>

namespace BoardSupport {

using namespace MoveValidation;

ForcedDraw ForcedDrawType(const BoardSquares& squares)
{
    int occupied = 0;
    std::array<int, 13> count{};
    std::array<int, 13> shade{};
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const int piece = squares(column, row);
            if (piece <= Empty || piece > BlackPawn)
                continue;
            ++occupied;
            ++count[piece];
            shade[piece] = GetSquareShade(column, row) / 8;
        }
    if (occupied == 2)
        return KingsOnly;
    const int minor = count[WhiteKnight] + count[BlackKnight] + count[WhiteBishop] + count[BlackBishop];
    if (occupied == 3 && minor == 1)
        return KingsAndOneMinorPiece;
    if (occupied == 4 && count[WhiteBishop] == 1 && count[BlackBishop] == 1
        && shade[WhiteBishop] == shade[BlackBishop])
        return BishopsOnTheSameShade;
    return NoForcedDraw;
}

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
