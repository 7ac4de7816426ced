#include "options/heuristics_options.h"

#include "options/option_messages.h"

namespace OptionsSupport {

HeuristicsOptions::HeuristicsOptions(OptionsChanges& changes) : changes_(changes) { }

void HeuristicsOptions::Load(const Support::HeuristicWeights& weights)
{
    editor_.Populate(weights);
    row_ = 0;
}

void HeuristicsOptions::SliderMoved(int value)
{
    if (changes_.eventsSuppressed)
        return;
    if (editor_.TakeSliderValue(row_, value))
        changes_.applyEnabled = true;
}

void HeuristicsOptions::DropPendingValue(int row)
{
    editor_.DropPending(row);
}

void HeuristicsOptions::RestoreDefaults()
{
    editor_.ResetToDefaults();
    row_ = 2; // "Go for check"
    Inform(QStringLiteral("Defaults restored"),
           QStringLiteral("The heuristics data has been restored to the origional factory defaults."));
    changes_.applyEnabled = true;
}

} // namespace OptionsSupport
