#pragma once
// Counting the leaves of the legal move tree: the standard check of a move
// generator against published counts. Every move is made and taken back,
// also at the last level, so the count measures make and unmake too.

#include "rules/search_board.h"

#include <cstdint>

namespace Bench {

std::uint64_t Perft(ComputerAI::SearchBoard& board, int depth);

} // namespace Bench
