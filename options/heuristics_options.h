#pragma once
// The Heuristics page without its window: the weights being edited, the
// row selected and what the slider, a double-click and Defaults do.

#include "options/heuristics_editor.h"
#include "options/options_changes.h"

#include "foundation/settings.h"

namespace OptionsSupport {

class HeuristicsOptions {
public:
    explicit HeuristicsOptions(OptionsChanges& changes);

    // The weights in force; no row selected.
    void Load(const Support::HeuristicWeights& weights);

    HeuristicsEditor& Editor() { return editor_; }
    const HeuristicsEditor& Editor() const { return editor_; }
    int SelectedRow() const { return row_; }
    void SelectRow(int row) { row_ = row; }
    void SliderMoved(int value);
    // A double-click on a heuristic row drops its pending value.
    void DropPendingValue(int row);
    void RestoreDefaults();

private:
    OptionsChanges& changes_;
    HeuristicsEditor editor_;
    int row_ = 0;
};

} // namespace OptionsSupport
