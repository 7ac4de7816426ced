#include "game/square_cells.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

// A resigned side's king: the result entry's parity tells who resigned
// (an odd count is White's entry).
bool KingHasFallen(int piece, const KingFacts& facts)
{
    if (piece == WhiteKing)
        return (facts.surrendered && facts.entries % 2 == 1)
               || (facts.checkedSide == White && facts.checkmated);
    if (piece == BlackKing)
        return (facts.surrendered && facts.entries % 2 == 0)
               || (facts.checkedSide == Black && facts.checkmated);
    return false;
}

} // namespace

int SquareImageIndex(const BoardSquares& squares, Square square, const KingFacts& facts)
{
    const int piece = squares(square.column, square.row);
    const int colourOffset = IsWhitePiece(piece) ? 0 : 16;
    const int shade = GetSquareShade(square.column, square.row);
    int kind = KindOf(piece);
    if (KingHasFallen(piece, facts))
        kind = FallenKingKind;
    return kind + colourOffset + shade;
}

int DragIconIndex(int piece)
{
    const int kind = KindOf(piece);
    if (kind == NoPiece)
        return 0;
    return IsBlackPiece(piece) ? kind + 6 : kind;
}

} // namespace BoardSupport
