#pragma once
// One bit per square (bit = square number, a1 = 0, h8 = 63) for the
// evaluation, which asks the same "who attacks what" questions about every
// move of a position: with the pieces as masks each answer is a few table
// lookups instead of a walk over the board. Built once at compile time from
// the attack tables, so the squares and line orders are the same ones the
// move generator uses.

#include "rules/attack_tables.h"
#include "rules/piece.h"
#include "rules/position.h"

#include <array>
#include <bit>
#include <cstdint>

namespace ComputerAI {

using SquareMask = std::uint64_t;

constexpr SquareMask MaskOf(int square)
{
    return SquareMask{1} << square;
}

// The lowest square of a non-empty mask, and the mask without it.
inline int LowestSquare(SquareMask mask)
{
    return std::countr_zero(mask);
}
inline SquareMask WithoutLowest(SquareMask mask)
{
    return mask & (mask - 1);
}

struct MaskTables {
    // Every square of a direction from a square, up to the edge.
    std::array<std::array<SquareMask, 64>, DirectionCount> ray{};
    std::array<SquareMask, 64> knight{};
    std::array<SquareMask, 64> king{};
    // pawnTakes[colour][square]: where a pawn of that colour standing on the
    // square takes. pawnTakenFrom[colour][square]: where a pawn of that
    // colour stands when it takes on the square.
    std::array<std::array<SquareMask, 64>, 2> pawnTakes{};
    std::array<std::array<SquareMask, 64>, 2> pawnTakenFrom{};
};

namespace Detail {

constexpr SquareMask ToMask(const SquareList& list)
{
    SquareMask mask = 0;
    for (int i = 0; i < list.count; ++i)
        mask |= MaskOf(list.squares[i]);
    return mask;
}

constexpr MaskTables BuildMaskTables()
{
    MaskTables masks;
    for (int square = 0; square < 64; ++square) {
        for (int d = 0; d < DirectionCount; ++d)
            masks.ray[d][square] = ToMask(Tables.rays[square][d]);
        masks.knight[square] = ToMask(Tables.knightTargets[square]);
        masks.king[square] = ToMask(Tables.kingTargets[square]);
        for (int colour = 0; colour < 2; ++colour) {
            masks.pawnTakenFrom[colour][square] = ToMask(Tables.pawnAttackers[colour][square]);
            // A pawn of one colour takes where a pawn of the other colour
            // would stand to take on the pawn's own square.
            masks.pawnTakes[colour][square] = ToMask(Tables.pawnAttackers[1 - colour][square]);
        }
    }
    return masks;
}

} // namespace Detail

inline constexpr MaskTables Masks = Detail::BuildMaskTables();

// Directions in which the square numbers grow (right, up and the two upward
// diagonals): the nearest square of such a ray is its lowest bit.
constexpr bool RisesAlong(int direction)
{
    return direction == Right || direction == Up || direction == UpLeft || direction == UpRight;
}

// The square nearest to the start of a ray among the squares of the mask
// (which must be non-empty and lie on that ray).
inline int NearestAlong(int direction, SquareMask mask)
{
    return RisesAlong(direction) ? std::countr_zero(mask) : 63 - std::countl_zero(mask);
}

// The squares a line piece reaches along one direction: up to and including
// the first occupied square.
inline SquareMask RayReach(int direction, int square, SquareMask occupied)
{
    const SquareMask ray = Masks.ray[direction][square];
    const SquareMask blockers = ray & occupied;
    if (blockers == 0)
        return ray;
    return ray ^ Masks.ray[direction][NearestAlong(direction, blockers)];
}

inline SquareMask StraightReach(int square, SquareMask occupied)
{
    return RayReach(Left, square, occupied) | RayReach(Right, square, occupied)
           | RayReach(Down, square, occupied) | RayReach(Up, square, occupied);
}

inline SquareMask DiagonalReach(int square, SquareMask occupied)
{
    return RayReach(DownLeft, square, occupied) | RayReach(UpLeft, square, occupied)
           | RayReach(DownRight, square, occupied) | RayReach(UpRight, square, occupied);
}

// The pieces of one board as masks, by colour and by kind.
struct PieceMasks {
    std::array<SquareMask, 2> byColour{};
    // byKind[colour][kind], kind 1 rook .. 6 pawn as MoveValidation::PieceKind.
    std::array<std::array<SquareMask, 7>, 2> byKind{};

    SquareMask Occupied() const { return byColour[0] | byColour[1]; }

    void Add(int code, int square)
    {
        const int colour = MoveValidation::IsBlackPiece(code) ? 1 : 0;
        byColour[colour] |= MaskOf(square);
        byKind[colour][MoveValidation::KindOf(code)] |= MaskOf(square);
    }
    void Remove(int code, int square)
    {
        const int colour = MoveValidation::IsBlackPiece(code) ? 1 : 0;
        byColour[colour] &= ~MaskOf(square);
        byKind[colour][MoveValidation::KindOf(code)] &= ~MaskOf(square);
    }

    static PieceMasks Of(const BoardSupport::BoardSquares& board)
    {
        PieceMasks masks;
        for (int square = 0; square < 64; ++square)
            if (board.cells[square] != 0)
                masks.Add(board.cells[square], square);
        return masks;
    }
};

// The squares a piece of that kind and colour standing on the square could
// take on: line pieces up to and including the first occupied square,
// knights and kings their steps, pawns one step diagonally forwards.
inline SquareMask ReachOf(int kind, MoveValidation::Colour colour, int square, SquareMask occupied)
{
    using namespace MoveValidation;
    switch (kind) {
    case Rook:
        return StraightReach(square, occupied);
    case Bishop:
        return DiagonalReach(square, occupied);
    case Queen:
        return StraightReach(square, occupied) | DiagonalReach(square, occupied);
    case Knight:
        return Masks.knight[square];
    case King:
        return Masks.king[square];
    case Pawn:
        return Masks.pawnTakes[colour][square];
    default:
        return 0;
    }
}

// The pieces of a colour that could take on the square (never a piece
// standing on the square itself).
inline SquareMask AttackersOf(int square, MoveValidation::Colour colour, const PieceMasks& pieces,
                              SquareMask occupied)
{
    using namespace MoveValidation;
    const auto& kinds = pieces.byKind[colour];
    SquareMask found = (Masks.pawnTakenFrom[colour][square] & kinds[Pawn])
                       | (Masks.knight[square] & kinds[Knight]) | (Masks.king[square] & kinds[King]);
    const SquareMask straight = kinds[Rook] | kinds[Queen];
    if (straight)
        found |= StraightReach(square, occupied) & straight;
    const SquareMask diagonal = kinds[Bishop] | kinds[Queen];
    if (diagonal)
        found |= DiagonalReach(square, occupied) & diagonal;
    return found;
}

} // namespace ComputerAI
