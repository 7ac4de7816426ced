#include "store/move_entries.h"

namespace BoardSupport {

using namespace MoveValidation;

SpecialEntry SpecialEntryOf(std::string_view notation)
{
    if (notation == "1-0" || notation == "0-1" || notation == "Surrender")
        return SpecialEntry::Resignation;
    if (notation == "Draw offer")
        return SpecialEntry::DrawOffer;
    if (notation == "1/2-1/2")
        return SpecialEntry::DrawAgreed;
    if (notation == "Decline")
        return SpecialEntry::DrawDeclined;
    return SpecialEntry::None;
}

bool NotationEndsDrawn(std::string_view notation)
{
    return notation.size() >= 7 && notation.substr(notation.size() - 7) == "1/2-1/2";
}

bool NotationEndsInMate(std::string_view notation)
{
    return notation.size() >= 2 && notation.substr(notation.size() - 2) == "++";
}

std::optional<PieceCode> PromotedPiece(std::string_view notation, Colour colour)
{
    const std::size_t equals = notation.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const char letter = equals + 1 < notation.size() ? notation[equals + 1] : '\0';
    int kind = Queen;
    switch (letter) {
    case 'R':
        kind = Rook;
        break;
    case 'N':
        kind = Knight;
        break;
    case 'B':
        kind = Bishop;
        break;
    default:
        kind = Queen;
        break;
    }
    return static_cast<PieceCode>(colour == White ? kind : kind + BlackOffset);
}

std::optional<Move> BoardMoveOf(const MoveRecord& entry)
{
    if (SpecialEntryOf(entry.notation) != SpecialEntry::None)
        return std::nullopt;
    return Move::Parse(entry.coordinates);
}

} // namespace BoardSupport
