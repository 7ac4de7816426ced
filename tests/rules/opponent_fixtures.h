#pragma once
// Small helpers shared by the evaluation and search tests: positions from
// FEN, moves from text, weight sets with a single weight.

#include "bench/fen_reader.h"
#include "rules/evaluate.h"
#include "rules/search_board.h"

#include <gtest/gtest.h>

#include <string>

namespace OpponentFixtures {

inline ComputerAI::SearchBoard FromFen(const std::string& fen)
{
    const auto setup = Bench::ReadFen(fen);
    EXPECT_TRUE(setup.has_value()) << fen;
    return ComputerAI::SearchBoard(setup->position, setup->sideToMove, setup->previousMove);
}

// "e2e4" in the long algebraic form; a promotion becomes a queen.
inline ComputerAI::SearchMove Move(const std::string& text)
{
    return ComputerAI::SearchMove{static_cast<std::int8_t>(text[0] - 'a' + 1),
                                  static_cast<std::int8_t>(text[1] - '0'),
                                  static_cast<std::int8_t>(text[2] - 'a' + 1),
                                  static_cast<std::int8_t>(text[3] - '0'),
                                  0,
                                  0};
}

inline std::string Text(const BoardSupport::Move& m)
{
    if (m.from.column == 0)
        return "none";
    return {char('a' + m.from.column - 1), char('0' + m.from.row), char('a' + m.to.column - 1),
            char('0' + m.to.row)};
}

inline Support::HeuristicWeights NoWeights()
{
    return Support::HeuristicWeights{};
}

inline Support::HeuristicWeights Only(int index, int value)
{
    Support::HeuristicWeights weights{};
    weights[index] = static_cast<std::int16_t>(value);
    return weights;
}

} // namespace OpponentFixtures
