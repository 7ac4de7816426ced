#pragma once
// What a move leaves the side to move facing: check, mate, stalemate, or a
// draw forced by the material left. The player's move and the computer's
// reply are judged alike.

#include "game/board_message.h"
#include "game/forced_draw.h"
#include "game/game_status.h"
#include "rules/move.h"
#include "rules/position.h"

namespace BoardSupport {

struct MoveEnd {
    bool stalemate = false;
    ForcedDraw forcedDraw = NoForcedDraw; // none once the game is drawn already
};

// Sets the position's checked side and the game's mate or draw; `move` is
// the move just made, the one before the side to move's.
MoveEnd JudgeMoveEnd(Position& position, MoveValidation::Colour sideToMove, Move move,
                     GameStatus& status);

// The notice of a draw the material forces.
BoardMessage ForcedDrawMessage(ForcedDraw type);

} // namespace BoardSupport
