#pragma once
// The rows of the heuristics editor: six groups, three pin sub-groups and
// one row per weight. Weight files store these row numbers, so the table is
// also part of their format; rows 60 and 61 show weights 51 and 50.

#include <QString>

namespace OptionsSupport {

enum class HeuristicRowKind { Group, SubGroup, Heuristic };

struct HeuristicRow {
    HeuristicRowKind kind;
    QString label;
    int weight; // the weight index of a heuristic row; -1 otherwise
};

// Content rows 1 to 63 (row 0 is the grid's header).
inline constexpr int FirstHeuristicRow = 1;
inline constexpr int LastHeuristicRow = 63;

// The row; a group row with no label and no weight outside 1..63.
const HeuristicRow& HeuristicRowAt(int row);
// The weight a row shows, or -1 when it shows none.
int WeightOfRow(int row);
bool IsHeuristicRow(int row);

} // namespace OptionsSupport
