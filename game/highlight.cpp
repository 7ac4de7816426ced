#include "game/highlight.h"

#include "store/move_entries.h"

#include <cstdlib>

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr int Sign(int value)
{
    return (value > 0) - (value < 0);
}

std::vector<Square> KnightPath(Move move)
{
    const Square from = move.from;
    const Square to = move.to;
    if (std::abs(from.column - to.column) == 1) {
        const int step = to.row <= from.row ? -1 : 1;
        return {from, {from.column, from.row + step}, {from.column, from.row + 2 * step}, to};
    }
    const int step = to.column >= from.column ? 1 : -1;
    return {from, {from.column + step, from.row}, {from.column + 2 * step, from.row}, to};
}

std::vector<Square> StraightPath(Move move)
{
    const int dx = Sign(move.to.column - move.from.column);
    const int dy = Sign(move.to.row - move.from.row);
    std::vector<Square> path{move.from};
    Square at = move.from;
    // Eight squares are the longest line; a move that is no line stops there.
    while (!(at == move.to) && path.size() < 8) {
        at = Square{at.column + dx, at.row + dy};
        path.push_back(at);
    }
    return path;
}

} // namespace

HighlightPath HilightMove(const MoveList& entries, int row, const BoardSquares& shown)
{
    if (row < 1)
        return {HighlightPath::Cleared, {}};
    if (row > static_cast<int>(entries.size()))
        return {};
    const MoveRecord& entry = entries[row - 1];
    const std::optional<Move> move = BoardMoveOf(entry);
    if (!move || move->from == move->to)
        return {};
    const int landed = shown(move->to.column, move->to.row);
    const bool knight = entry.notation.find('=') == std::string::npos && KindOf(landed) == Knight;
    return {HighlightPath::Marked, knight ? KnightPath(*move) : StraightPath(*move)};
}

} // namespace BoardSupport
