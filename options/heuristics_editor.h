#pragma once
// The heuristics editor without its window: for each row the value in
// force and, when the user changed it, the pending value. Pending values
// come from the slider, the factory defaults or a weight file, and become
// the weights only when the options are applied.

#include "options/heuristic_rows.h"
#include "rules/heuristic_defaults.h"

#include <array>
#include <optional>

namespace OptionsSupport {

// The slider runs from -200 to 200; its band marks 0 to the current value.
struct SliderState {
    bool visible = false;
    int value = 0;
    int bandStart = 0;
    int bandLength = 0;
};

class HeuristicsEditor {
public:
    // Every heuristic row shows its weight; no row has a pending value.
    void Populate(const Support::HeuristicWeights& weights);

    // Nothing for a row that shows no weight.
    std::optional<int> Current(int row) const;
    std::optional<int> Pending(int row) const;
    // A pending value that differs from the current one.
    bool Highlighted(int row) const;
    bool AnyHighlighted() const;

    // Sets or clears one row's pending value (cleared when it equals the
    // current value, compared as numbers); True when a pending value is
    // left. Rows that show no weight are left alone (False).
    bool SetLine(int row, int value);
    // Drops one row's pending value.
    void DropPending(int row);
    // Every row's factory default as its pending value.
    void ResetToDefaults();
    // The pending values become current; the weights as they now stand.
    Support::HeuristicWeights Apply();
    Support::HeuristicWeights CurrentWeights() const;

    // Where the slider stands for a row: hidden for rows without a value,
    // else at the pending (or current) value kept within its range.
    SliderState Slider(int row) const;
    // The slider moved to `value` on the row: the value becomes pending, or
    // the pending value is dropped when it equals the current value. True
    // when a pending value was set (the window enables Apply).
    bool TakeSliderValue(int row, int value);

private:
    std::array<int, LastHeuristicRow + 1> current_{};
    std::array<std::optional<int>, LastHeuristicRow + 1> pending_{};
};

} // namespace OptionsSupport
