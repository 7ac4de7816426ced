#pragma once
// Whether the board accepts a dropped piece: the movement rules, then the
// whole move made on a copy (a pawn taken en passant removed, a castling
// rook moved) must leave the mover's king safe.

#include "rules/refusal.h"
#include "store/board_changes.h"

namespace BoardSupport {

struct DropJudgement {
    MoveValidation::Refusal refusal = MoveValidation::Refusal::None; // by the movement rules
    bool selfCheck = false;                                          // it would leave the king in check
    MoveEffects effects;                                             // castling and en passant
    bool Accepted() const { return refusal == MoveValidation::Refusal::None && !selfCheck; }
};

// mover: the colour of the piece on move.from; previousMove: the move
// before, for en passant. The position's checkedSide forbids castling out
// of check.
DropJudgement JudgeDrop(const Position& position, MoveValidation::Colour mover, Move move,
                        Move previousMove);

} // namespace BoardSupport
