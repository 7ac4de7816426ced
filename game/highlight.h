#pragma once
// The path of a move-list entry marked on the board: a knight's long leg
// first, every other move square by square from its origin to its target.

#include "rules/move.h"
#include "rules/position.h"
#include "store/game_record.h"

#include <vector>

namespace BoardSupport {

struct HighlightPath {
    enum Outcome {
        Unchanged, // a special entry or no move: marks hidden, the highlight state kept
        Cleared,   // the header row: nothing highlighted
        Marked,
    };
    Outcome outcome = Unchanged;
    std::vector<Square> squares; // at most eight, in the order they are marked
};

// The marks for entry `row` (0 = header) with the board as now shown.
HighlightPath HilightMove(const MoveList& entries, int row, const BoardSquares& shown);

} // namespace BoardSupport
