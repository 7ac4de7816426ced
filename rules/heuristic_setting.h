#pragma once
// The weights a stored Heuristics text stands for. Weights that come from
// text are brought into -200..200, the range the heuristics editor keeps,
// so that an edited or damaged setting cannot give the computer weights no
// user could have chosen.

#include "rules/heuristic_defaults.h"

#include <string_view>

namespace Support {

inline constexpr int MinimumHeuristic = -200;
inline constexpr int MaximumHeuristic = 200;

HeuristicWeights ClampHeuristics(const HeuristicWeights& weights);

// Every weight back to its factory default.
void SetDefaultHeuristics(HeuristicWeights& weights);

// The factory defaults when the text is blank or does not hold 54 whole
// numbers, else its numbers clamped to -200..200.
HeuristicWeights HeuristicsFromSetting(std::string_view text);

} // namespace Support
