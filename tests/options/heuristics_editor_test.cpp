#include "options/heuristics_editor.h"

#include "rules/heuristic_setting.h"

#include <gtest/gtest.h>

#include <set>

using namespace OptionsSupport;

namespace {

// 54 weights that are all different, so any row or index slip shows.
Support::HeuristicWeights DistinctWeights()
{
    Support::HeuristicWeights weights{};
    for (int i = 0; i < Support::HeuristicCount; ++i)
        weights[std::size_t(i)] = std::int16_t(i * 7 - 190);
    return weights;
}

} // namespace

TEST(HeuristicRows, SixtyThreeRowsShowEachWeightOnce)
{
    std::set<int> weights;
    int groups = 0, subGroups = 0;
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row) {
        const HeuristicRow& r = HeuristicRowAt(row);
        EXPECT_FALSE(r.label.isEmpty()) << row;
        if (r.kind == HeuristicRowKind::Heuristic) {
            EXPECT_TRUE(weights.insert(r.weight).second) << row;
        }
        groups += r.kind == HeuristicRowKind::Group;
        subGroups += r.kind == HeuristicRowKind::SubGroup;
    }
    EXPECT_EQ(weights.size(), 54u);
    EXPECT_EQ(groups, 6);
    EXPECT_EQ(subGroups, 3);
    const struct {
        int row;
        int weight;
        const char* label;
    } cases[] = {
        {1, -1, "Check motivations"},
        {2, 0, "Go for check"},
        {13, 10, "Protect a Pawn"},
        {20, 22, "Taking a completely undefended Rook"},
        {29, 31, "Allow an undefended Pawn to be taken"},
        {31, -1, "Pin with a Bishop"},
        {48, 46, "Pin a Pawn with a Queen"},
        {50, 16, "Move a Rook"},
        {55, 21, "Move a King"},
        {58, 49, "Move closer to the center of the board"},
        {60, 51, "Move a rook that could castle"},
        {61, 50, "Move the last rook that could castle"},
        {63, 53, "Perform the Castle manuver"},
        {0, -1, ""},
        {64, -1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WeightOfRow(c.row), c.weight) << c.row;
        EXPECT_EQ(HeuristicRowAt(c.row).label, QString::fromLatin1(c.label)) << c.row;
    }
}

TEST(HeuristicsEditor, FilledFromTheWeightsAndAppliedBackUnchanged)
{
    HeuristicsEditor editor;
    const auto weights = DistinctWeights();
    editor.Populate(weights);
    EXPECT_EQ(editor.Current(60), weights[51]);
    EXPECT_EQ(editor.Current(61), weights[50]);
    EXPECT_FALSE(editor.Current(1).has_value());
    EXPECT_EQ(editor.Apply(), weights);
}

TEST(HeuristicsEditor, DefaultsArePendingUntilAppliedAndEachRowTakesItsOwnWeightsDefault)
{
    HeuristicsEditor editor;
    editor.Populate(DistinctWeights());
    editor.ResetToDefaults();
    EXPECT_EQ(editor.Pending(60), Support::DefaultHeuristic(51));
    EXPECT_EQ(editor.Pending(61), Support::DefaultHeuristic(50));
    EXPECT_TRUE(editor.Highlighted(2));
    EXPECT_EQ(editor.CurrentWeights(), DistinctWeights());
    EXPECT_EQ(editor.Apply(), Support::FactoryHeuristics);
    EXPECT_FALSE(editor.AnyHighlighted());

    // Defaults over defaults leave nothing pending.
    editor.ResetToDefaults();
    for (int row = FirstHeuristicRow; row <= LastHeuristicRow; ++row)
        EXPECT_FALSE(editor.Pending(row).has_value()) << row;
}

TEST(HeuristicsEditor, SliderBandPendingValueAndHighlight)
{
    HeuristicsEditor editor;
    auto weights = Support::FactoryHeuristics;
    weights[0] = -120;
    weights[1] = 80;
    editor.Populate(weights);
    const struct {
        int row;
        SliderState slider;
    } cases[] = {
        {2, {true, -120, -120, 120}}, // band from -120 to 0
        {4, {true, 80, 0, 80}},       // band from 0 to 80
        {1, {false, 0, 0, 0}},        // a group row hides the slider
        {31, {false, 0, 0, 0}},       // so does a sub-group row
    };
    for (const auto& c : cases) {
        const SliderState s = editor.Slider(c.row);
        EXPECT_EQ(s.visible, c.slider.visible) << c.row;
        EXPECT_EQ(s.value, c.slider.value) << c.row;
        EXPECT_EQ(s.bandStart, c.slider.bandStart) << c.row;
        EXPECT_EQ(s.bandLength, c.slider.bandLength) << c.row;
    }

    EXPECT_TRUE(editor.TakeSliderValue(4, 100));
    EXPECT_TRUE(editor.Highlighted(4));
    EXPECT_EQ(editor.Slider(4).value, 100);
    // Back to the current value: nothing pending, no highlight.
    EXPECT_FALSE(editor.TakeSliderValue(4, 80));
    EXPECT_FALSE(editor.Pending(4).has_value());
    EXPECT_FALSE(editor.Highlighted(4));
    EXPECT_FALSE(editor.TakeSliderValue(1, 50));

    editor.SetLine(5, 7);
    editor.DropPending(5);
    EXPECT_FALSE(editor.Pending(5).has_value());
}
