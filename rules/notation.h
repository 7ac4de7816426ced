#pragma once
// The short algebraic text of a move as the move list, the game database and
// the move mail keep it: piece letter, the from file and row when another
// piece of the same kind could also have gone there, "x" for a capture, the
// destination, "ep" after an en passant capture, "=" and the new piece
// after a promotion, "0-0" / "0-0-0" (digit zeros) for castling, then "+"
// for check, a second "+" for mate and " 1/2-1/2" for a drawn end.
// Examples: Nf3, exd5, exd6ep, e8=Q, dxe8=Q+, Rad1, N1d2, Nbd2, 0-0, Qh5++.

#include "rules/position.h"
#include "rules/validation.h"

#include <string>
#include <string_view>

namespace BoardSupport {

// True when the piece is a pawn and the row is the last row of the side to
// move (8 for White, 1 for Black); the mover's colour decides, not the code.
bool IsPromotionMove(int piece, int toRow, int sideToMove);

// The notation of a move that has just been made.
//  piece        the code now on the destination (after a promotion, the new piece)
//  captureMode  1 when the destination held a piece, else 0
//  checkedSide  the CheckedSide after the move (0 or 1 adds "+")
//  boardBefore  the squares before the move
//  drawFlag     the move ends the game drawn
//  castleType   1 or more for castling (the king's destination column tells
//               which side), 0 or less otherwise
//  sideToMove   the mover's colour
//  checkmated   the move mates
//  previousMove the coordinates of the move before this one, "0000" when the
//               game has none (the first move of a set-up game)
std::string BuildMoveNotation(int piece, int fromColumn, int fromRow, int toColumn, int toRow,
                              int captureMode, int checkedSide, const BoardSquares& boardBefore,
                              bool drawFlag, int castleType, int sideToMove, bool checkmated,
                              std::string_view previousMove);

// The same over typed values, for the board (Move::None() when the game has
// no previous move).
std::string BuildMoveNotation(MoveValidation::PieceCode piece, Move move,
                              MoveValidation::CaptureMode captureMode, int checkedSide,
                              const BoardSquares& boardBefore, bool drawFlag,
                              MoveValidation::CastleType castleType, MoveValidation::Colour sideToMove,
                              bool checkmated, Move previousMove);

} // namespace BoardSupport
