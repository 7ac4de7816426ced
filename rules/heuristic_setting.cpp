#include "rules/heuristic_setting.h"

#include <algorithm>

namespace Support {

HeuristicWeights ClampHeuristics(const HeuristicWeights& weights)
{
    HeuristicWeights clamped = weights;
    for (std::int16_t& weight : clamped)
        weight = static_cast<std::int16_t>(std::clamp<int>(weight, MinimumHeuristic, MaximumHeuristic));
    return clamped;
}

void SetDefaultHeuristics(HeuristicWeights& weights)
{
    for (int i = 0; i < HeuristicCount; ++i)
        weights[i] = DefaultHeuristic(i);
}

HeuristicWeights HeuristicsFromSetting(std::string_view text)
{
    const auto weights = HeuristicsFromText(text);
    return weights ? ClampHeuristics(*weights) : FactoryHeuristics;
}

} // namespace Support
