#pragma once
// What a move leaves the side to move facing: check, mate, stalemate, or a
// draw the material left forces. The board judges its own moves and the
// computer's by it, and the arrival of a game writes each new entry's
// notation from it, so that both agree to the character.

#include "rules/move.h"
#include "rules/position.h"

namespace BoardSupport {

// Material with which neither side can mate.
enum ForcedDraw : int {
    NoForcedDraw = 0,
    KingsOnly = 1,
    KingsAndOneMinorPiece = 2, // one knight or one bishop
    BishopsOnTheSameShade = 3, // one bishop each, on squares of one shade
};

ForcedDraw ForcedDrawType(const BoardSquares& squares);

struct MoveEndFacts {
    bool checkmated = false;
    bool stalemate = false;
    ForcedDraw forcedDraw = NoForcedDraw; // none once the game was drawn already, or stalemated
    bool Drawn() const { return stalemate || forcedDraw != NoForcedDraw; }
};

// Judges the position just after `move` for `sideToMove` and sets its
// checked side (the side to move when in check, else none). The position's
// checked side on entry is the one before the move, as the board keeps it.
// drawnBefore: the game was drawn already, so no forced draw is looked for.
MoveEndFacts JudgeMoveEndFacts(Position& position, MoveValidation::Colour sideToMove, Move move,
                               bool drawnBefore);

} // namespace BoardSupport
