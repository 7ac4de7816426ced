#pragma once
// How many pieces of each colour could take on each square of one board,
// worked out in one pass over the pieces. The evaluation asks the same
// count for many squares of one position; a map answers each in one lookup
// where CountAttackers walks the lines from the square every time. The
// counts equal CountAttackers: a piece never counts for its own square, and
// a line piece counts up to and including the first piece in its way.

#include "rules/position.h"

#include <array>
#include <cstdint>

namespace ComputerAI {

struct AttackMap {
    // counts[colour][square], squares numbered like BoardSquares cells.
    std::array<std::array<std::uint8_t, 64>, 2> counts{};

    int Count(MoveValidation::Colour colour, int square) const { return counts[colour][square]; }
};

AttackMap BuildAttackMap(const BoardSupport::BoardSquares& board);

} // namespace ComputerAI
