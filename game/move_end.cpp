#include "game/move_end.h"

#include "rules/check.h"

namespace BoardSupport {

using namespace MoveValidation;

MoveEnd JudgeMoveEnd(Position& position, Colour sideToMove, Move move, GameStatus& status)
{
    MoveEnd end;
    const CheckState state = GetCheckState(position, sideToMove, true, position.checkedSide, move);
    if (state == NotInCheck) {
        if (HasNoLegalMove(position, sideToMove, move, position.checkedSide)) {
            end.stalemate = true;
            status.gameDrawn = true;
        }
        position.checkedSide = NoSideChecked;
    } else {
        if (state == Checkmate)
            status.checkmated = true;
        position.checkedSide = sideToMove;
    }
    if (!status.gameDrawn) {
        end.forcedDraw = ForcedDrawType(position.squares);
        if (end.forcedDraw != NoForcedDraw)
            status.gameDrawn = true;
    }
    return end;
}

BoardMessage ForcedDrawMessage(ForcedDraw type)
{
    return BoardMessage{1, "Forced draw", ForcedDrawText(type), 5, false};
}

} // namespace BoardSupport
