#pragma once
// Per-square tables of where pieces can go, worked out once at compile time
// so that the generator and the attack tests never test board edges.
//
// Squares are numbered like the cells of BoardSquares: (column - 1) +
// (row - 1) * 8, so 0 is a1, 7 is h1 and 63 is h8.

#include <array>
#include <cstdint>

namespace ComputerAI {

constexpr int SquareOf(int column, int row)
{
    return (column - 1) + (row - 1) * 8;
}
constexpr int ColumnOf(int square)
{
    return square % 8 + 1;
}
constexpr int RowOf(int square)
{
    return square / 8 + 1;
}

// The eight line directions, in the order the generator walks them: the
// straight ones as a rook walks them (left, right, down, up), then the
// diagonals as (column, row) steps (-1,-1), (-1,+1), (+1,-1), (+1,+1).
enum Direction : int { Left, Right, Down, Up, DownLeft, UpLeft, DownRight, UpRight };
inline constexpr int DirectionCount = 8;
inline constexpr int NoDirection = -1;

constexpr bool IsStraight(int direction)
{
    return direction >= Left && direction <= Up;
}

// Up to eight squares in a fixed order.
struct SquareList {
    std::int8_t count = 0;
    std::array<std::int8_t, 8> squares{};
};

struct AttackTables {
    // The squares of each direction from each square, nearest first, up to
    // the edge of the board.
    std::array<std::array<SquareList, DirectionCount>, 64> rays{};
    // Knight targets in generation order: (-1,+2), (+1,+2), (-1,-2), (+1,-2),
    // (-2,+1), (-2,-1), (+2,+1), (+2,-1).
    std::array<SquareList, 64> knightTargets{};
    // King steps with the column step outer and the row step inner.
    std::array<SquareList, 64> kingTargets{};
    // pawnAttackers[colour][square]: where a pawn of that colour stands when
    // it could take on the square.
    std::array<std::array<SquareList, 64>, 2> pawnAttackers{};
    // The direction that leads from one square to the other along a line, or
    // NoDirection when they share no line (or are the same square).
    std::array<std::array<std::int8_t, 64>, 64> lineDirection{};
};

namespace Detail {

inline constexpr int ColumnSteps[DirectionCount] = {-1, +1, 0, 0, -1, -1, +1, +1};
inline constexpr int RowSteps[DirectionCount] = {0, 0, -1, +1, -1, +1, -1, +1};

constexpr bool OnBoard(int column, int row)
{
    return column >= 1 && column <= 8 && row >= 1 && row <= 8;
}

constexpr void Append(SquareList& list, int column, int row)
{
    if (OnBoard(column, row))
        list.squares[list.count++] = static_cast<std::int8_t>(SquareOf(column, row));
}

constexpr AttackTables BuildAttackTables()
{
    AttackTables tables;
    for (int from = 0; from < 64; ++from) {
        const int x = ColumnOf(from);
        const int y = RowOf(from);
        for (int d = 0; d < DirectionCount; ++d)
            for (int step = 1; step <= 7; ++step)
                Append(tables.rays[from][d], x + step * ColumnSteps[d], y + step * RowSteps[d]);

        constexpr int knightSteps[8][2] = {{-1, 2}, {1, 2},   {-1, -2}, {1, -2},
                                           {-2, 1}, {-2, -1}, {2, 1},   {2, -1}};
        for (const auto& step : knightSteps)
            Append(tables.knightTargets[from], x + step[0], y + step[1]);

        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (dx != 0 || dy != 0)
                    Append(tables.kingTargets[from], x + dx, y + dy);

        // A White pawn takes forwards (up), so it stands one row below.
        Append(tables.pawnAttackers[0][from], x - 1, y - 1);
        Append(tables.pawnAttackers[0][from], x + 1, y - 1);
        Append(tables.pawnAttackers[1][from], x - 1, y + 1);
        Append(tables.pawnAttackers[1][from], x + 1, y + 1);

        for (int to = 0; to < 64; ++to)
            tables.lineDirection[from][to] = NoDirection;
        for (int d = 0; d < DirectionCount; ++d) {
            const SquareList& ray = tables.rays[from][d];
            for (int i = 0; i < ray.count; ++i)
                tables.lineDirection[from][ray.squares[i]] = static_cast<std::int8_t>(d);
        }
    }
    return tables;
}

} // namespace Detail

inline constexpr AttackTables Tables = Detail::BuildAttackTables();

} // namespace ComputerAI
