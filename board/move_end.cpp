#include "board/move_end.h"

namespace BoardSupport {

using namespace MoveValidation;

MoveEnd JudgeMoveEnd(Position& position, Colour sideToMove, Move move, GameStatus& status)
{
    const MoveEndFacts facts = JudgeMoveEndFacts(position, sideToMove, move, status.gameDrawn);
    if (facts.checkmated)
        status.checkmated = true;
    if (facts.Drawn())
        status.gameDrawn = true;
    return MoveEnd{facts.stalemate, facts.forcedDraw};
}

BoardMessage ForcedDrawMessage(ForcedDraw type)
{
    return BoardMessage{1, "Forced draw", ForcedDrawText(type), 5, false};
}

} // namespace BoardSupport
