#include "store/move_end_facts.h"

#include "rules/check.h"

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

MoveEndFacts JudgeMoveEndFacts(Position& position, Colour sideToMove, Move move, bool drawnBefore)
{
    MoveEndFacts facts;
    const CheckState state = GetCheckState(position, sideToMove, true, position.checkedSide, move);
    if (state == NotInCheck) {
        facts.stalemate = HasNoLegalMove(position, sideToMove, move, position.checkedSide);
        position.checkedSide = NoSideChecked;
    } else {
        facts.checkmated = state == Checkmate;
        position.checkedSide = sideToMove;
    }
    if (!drawnBefore && !facts.stalemate)
        facts.forcedDraw = ForcedDrawType(position.squares);
    return facts;
}

} // namespace BoardSupport
