#pragma once
// Which pieces could take on a square: the one attack test behind check
// detection, king safety and CountAttackers. A piece "attacks" a square here
// exactly when the move rules would let it move there as a capture: line
// pieces along a clear line, knights by their L, kings one step, pawns one
// step diagonally forwards. Works on any board, so the evaluation can ask
// it about positions of its own.

#include "rules/attack_tables.h"
#include "rules/piece.h"
#include "rules/position.h"

namespace ComputerAI {

// The rook or queen (straight) or bishop or queen (diagonal) of a colour
// that attacks along a line of that direction.
constexpr bool IsLineAttacker(int code, MoveValidation::Colour colour, int direction)
{
    const int offset = colour * MoveValidation::BlackOffset;
    if (code == MoveValidation::WhiteQueen + offset)
        return true;
    return code
           == (IsStraight(direction) ? MoveValidation::WhiteRook : MoveValidation::WhiteBishop) + offset;
}

// The first occupied square along a direction, or -1. ignoredSquare counts
// as empty (the king's own square when it tests where it steps to).
inline int FirstPieceAlong(const BoardSupport::BoardSquares& board, int square, int direction,
                           int ignoredSquare = -1)
{
    const SquareList& ray = Tables.rays[square][direction];
    for (int i = 0; i < ray.count; ++i) {
        const int at = ray.squares[i];
        if (board.cells[at] != 0 && at != ignoredSquare)
            return at;
    }
    return -1;
}

// Counts the pieces of byColour that could take on the square, stopping at
// `enough` (1 answers "attacked at all?"). A piece standing on the square
// itself is never counted.
inline int CountSquareAttackers(const BoardSupport::BoardSquares& board, int square,
                                MoveValidation::Colour byColour, int enough, int ignoredSquare = -1)
{
    using namespace MoveValidation;
    const int offset = byColour * BlackOffset;
    const auto& cells = board.cells;
    int count = 0;

    const SquareList& pawns = Tables.pawnAttackers[byColour][square];
    for (int i = 0; i < pawns.count; ++i)
        if (cells[pawns.squares[i]] == WhitePawn + offset && ++count >= enough)
            return count;

    const SquareList& knights = Tables.knightTargets[square];
    for (int i = 0; i < knights.count; ++i)
        if (cells[knights.squares[i]] == WhiteKnight + offset && ++count >= enough)
            return count;

    const SquareList& kings = Tables.kingTargets[square];
    for (int i = 0; i < kings.count; ++i)
        if (cells[kings.squares[i]] == WhiteKing + offset && kings.squares[i] != ignoredSquare
            && ++count >= enough)
            return count;

    for (int d = 0; d < DirectionCount; ++d) {
        const int at = FirstPieceAlong(board, square, d, ignoredSquare);
        if (at >= 0 && IsLineAttacker(cells[at], byColour, d) && ++count >= enough)
            return count;
    }
    return count;
}

inline bool IsSquareAttacked(const BoardSupport::BoardSquares& board, int square,
                             MoveValidation::Colour byColour, int ignoredSquare = -1)
{
    return CountSquareAttackers(board, square, byColour, 1, ignoredSquare) > 0;
}

// ---- The square tests the rules, the search and the board window share ----

// 0 when a White piece stands on the square, 1 a Black piece, 2 when it is
// empty (or off the board).
inline int GetSquareColour(const BoardSupport::BoardSquares& board, BoardSupport::Square square)
{
    if (!square.OnBoard())
        return 2;
    const int code = board.At(square);
    return MoveValidation::IsWhitePiece(code) ? 0 : MoveValidation::IsBlackPiece(code) ? 1 : 2;
}

// True when the square is on the board and holds neither a piece of that
// colour nor a king of either colour (kings are never taken).
inline bool CanMoveTo(const BoardSupport::BoardSquares& board, MoveValidation::Colour colour,
                      BoardSupport::Square square)
{
    if (!square.OnBoard())
        return false;
    const int code = board.At(square);
    return !MoveValidation::IsPieceOfColour(code, colour) && !MoveValidation::IsKing(code);
}

// The pieces of the colour, other than one standing on the square itself,
// that could take on the square; 0 for a square off the board.
inline int CountAttackers(const BoardSupport::BoardSquares& board, MoveValidation::Colour colour,
                          BoardSupport::Square square)
{
    if (!square.OnBoard())
        return 0;
    return CountSquareAttackers(board, (square.column - 1) + (square.row - 1) * 8, colour, 64);
}

} // namespace ComputerAI
