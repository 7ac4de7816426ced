#include "game/move_end.h"

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
    return BoardMessage{Support::MsgIcon::Information, "Forced draw", ForcedDrawText(type),
                        Support::SoundCue::Refused, false};
}

} // namespace BoardSupport
