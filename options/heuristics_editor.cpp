#include "options/heuristics_editor.h"

#include "rules/heuristic_setting.h"

#include <algorithm>
#include <cstdlib>

namespace OptionsSupport {

void HeuristicsEditor::Populate(const Support::HeuristicWeights& weights)
{
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        const int weight = WeightOfRow(row);
        current_[std::size_t(row)] = weight >= 0 ? weights[std::size_t(weight)] : 0;
        pending_[std::size_t(row)].reset();
    }
}

std::optional<int> HeuristicsEditor::Current(int row) const
{
    if (!IsHeuristicRow(row))
        return std::nullopt;
    return current_[std::size_t(row)];
}

std::optional<int> HeuristicsEditor::Pending(int row) const
{
    if (!IsHeuristicRow(row))
        return std::nullopt;
    return pending_[std::size_t(row)];
}

bool HeuristicsEditor::Highlighted(int row) const
{
    const auto pending = Pending(row);
    return pending && *pending != current_[std::size_t(row)];
}

bool HeuristicsEditor::AnyHighlighted() const
{
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row)
        if (Highlighted(row))
            return true;
    return false;
}

bool HeuristicsEditor::SetLine(int row, int value)
{
    if (!IsHeuristicRow(row))
        return false;
    auto& pending = pending_[std::size_t(row)];
    if (value == current_[std::size_t(row)])
        pending.reset();
    else
        pending = value;
    return pending.has_value();
}

void HeuristicsEditor::DropPending(int row)
{
    if (IsHeuristicRow(row))
        pending_[std::size_t(row)].reset();
}

void HeuristicsEditor::ResetToDefaults()
{
    // Each row takes the default of the weight it shows (row 60 that of
    // weight 51, row 61 that of weight 50).
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row)
        if (IsHeuristicRow(row))
            SetLine(row, Support::DefaultHeuristic(WeightOfRow(row)));
}

Support::HeuristicWeights HeuristicsEditor::Apply()
{
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        auto& pending = pending_[std::size_t(row)];
        if (pending)
            current_[std::size_t(row)] = *pending;
        pending.reset();
    }
    return CurrentWeights();
}

Support::HeuristicWeights HeuristicsEditor::CurrentWeights() const
{
    Support::HeuristicWeights weights{};
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row)
        if (IsHeuristicRow(row))
            weights[std::size_t(WeightOfRow(row))] = std::int16_t(current_[std::size_t(row)]);
    return weights;
}

SliderState HeuristicsEditor::Slider(int row) const
{
    const auto current = Current(row);
    if (!current)
        return {};
    const auto limit = [](int v) {
        return std::clamp(v, Support::MinimumHeuristic, Support::MaximumHeuristic);
    };
    const int shownCurrent = limit(*current);
    const int shown = limit(Pending(row).value_or(*current));
    return {true, shown, std::min(shownCurrent, 0), std::abs(shownCurrent)};
}

bool HeuristicsEditor::TakeSliderValue(int row, int value)
{
    if (!IsHeuristicRow(row))
        return false;
    return SetLine(row, value);
}

} // namespace OptionsSupport
