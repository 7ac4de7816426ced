#pragma once
// Which picture each square shows: one cell of the chess set's picture
// strip of 32 cells in four runs of eight (White pieces on light squares,
// White on dark, Black on light, Black on dark). Within a run the offset is
// the piece kind: 0 empty, 1 rook, 2 knight, 3 bishop, 4 queen, 5 king,
// 6 pawn, 7 fallen king. An empty square draws from the Black runs.

#include "rules/move.h"
#include "rules/position.h"

namespace BoardSupport {

inline constexpr int FallenKingKind = 7;

// What decides whether a king is drawn fallen.
struct KingFacts {
    bool surrendered = false; // a result entry ended the game
    int checkedSide = NoSideChecked;
    bool checkmated = false;
    int entries = 0; // the move list's entries (rows below the header)
};

int SquareImageIndex(const BoardSquares& squares, Square square, const KingFacts& facts);

// The empty square of the same shade from the White runs (0 light, 8 dark),
// which the king's flash alternates with.
constexpr int EmptySquareCell(Square square)
{
    return GetSquareShade(square.column, square.row);
}

// The drag cursor of a piece: 1..6 White rook..pawn, 7..12 Black; 0 empty.
int DragIconIndex(int piece);

} // namespace BoardSupport
