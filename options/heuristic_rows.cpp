#include "options/heuristic_rows.h"

#include <array>
#include <vector>

namespace OptionsSupport {

namespace {

struct Run {
    HeuristicRowKind kind;
    std::vector<const char*> labels;
    int firstWeight; // consecutive weights from here; -1 for a group row
};

std::array<HeuristicRow, LastHeuristicRow + 1> BuildRows()
{
    using K = HeuristicRowKind;
    const std::vector<Run> runs = {
        {K::Group, {"Check motivations"}, -1},
        {K::Heuristic, {"Go for check"}, 0},
        {K::Group, {"Vulnerability motivations"}, -1},
        {K::Heuristic,
         {"Leave Rook vulnerable", "Leave Knight vulnerable", "Leave Bishop vulnerable",
          "Leave Queen vulnerable", "Leave Pawn vulnerable"},
         1},
        {K::Heuristic,
         {"Protect a Rook", "Protect a Knight", "Protect a Bishop", "Protect a Queen", "Protect a Pawn"},
         6},
        {K::Group, {"Taking motivations"}, -1},
        {K::Heuristic,
         {"Take a Rook", "Take a Knight", "Take a Bishop", "Take a Queen", "Take a Pawn"},
         11},
        {K::Heuristic,
         {"Taking a completely undefended Rook", "Taking a completely undefended Knight",
          "Taking a completely undefended Bishop", "Taking a completely undefended Queen",
          "Taking a completely undefended Pawn"},
         22},
        {K::Heuristic,
         {"Allow an undefended Rook to be taken", "Allow an undefended Knight to be taken",
          "Allow an undefended Bishop to be taken", "Allow an undefended Queen to be taken",
          "Allow an undefended Pawn to be taken"},
         27},
        {K::Group, {"Pinning motivations"}, -1},
        {K::SubGroup, {"Pin with a Bishop"}, -1},
        {K::Heuristic,
         {"Pin a Rook with a Bishop", "Pin a Knight with a Bishop", "Pin a Bishop with a Bishop",
          "Pin a Queen with a Bishop", "Pin a Pawn with a Bishop"},
         32},
        {K::SubGroup, {"Pin with a Rook"}, -1},
        {K::Heuristic,
         {"Pin a Rook with Rook", "Pin a Knight with Rook", "Pin a Bishop with Rook",
          "Pin a Queen with Rook", "Pin a Pawn with Rook"},
         37},
        {K::SubGroup, {"Pin with a Queen"}, -1},
        {K::Heuristic,
         {"Pin a Rook with a Queen", "Pin a Knight with a Queen", "Pin a Bishop with a Queen",
          "Pin a Queen with a Queen", "Pin a Pawn with a Queen"},
         42},
        {K::Group, {"Movement motivations"}, -1},
        {K::Heuristic,
         {"Move a Rook", "Move a Knight", "Move a Bishop", "Move a Queen", "Move a Pawn", "Move a King"},
         16},
        {K::Heuristic,
         {"Move closer to opposing King", "Move closer to opposing Queen",
          "Move closer to the center of the board"},
         47},
        {K::Group, {"Castling motivations"}, -1},
        // The two rook rows show their weights crosswise.
        {K::Heuristic, {"Move a rook that could castle"}, 51},
        {K::Heuristic, {"Move the last rook that could castle"}, 50},
        {K::Heuristic, {"Move the king before its castled", "Perform the Castle manuver"}, 52},
    };
    std::array<HeuristicRow, LastHeuristicRow + 1> rows{};
    rows[0] = {HeuristicRowKind::Group, QString(), -1};
    int row = FirstHeuristicRow;
    for (const Run& run : runs)
        for (std::size_t i = 0; i < run.labels.size(); ++i)
            rows[std::size_t(row++)] = {run.kind, QString::fromUtf8(run.labels[i]),
                                        run.firstWeight < 0 ? -1 : run.firstWeight + int(i)};
    return rows;
}

} // namespace

const HeuristicRow& HeuristicRowAt(int row)
{
    static const auto rows = BuildRows();
    return rows[std::size_t(row >= FirstHeuristicRow && row <= LastHeuristicRow ? row : 0)];
}

int WeightOfRow(int row)
{
    return HeuristicRowAt(row).weight;
}

bool IsHeuristicRow(int row)
{
    return WeightOfRow(row) >= 0;
}

} // namespace OptionsSupport
