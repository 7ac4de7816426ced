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

namespace BoardSupport {

// True when the piece is a pawn and the row is the last row of the side to
// move (8 for White, 1 for Black); the mover's colour decides, not the code.
bool IsPromotionMove(MoveValidation::PieceCode piece, int toRow, MoveValidation::Colour sideToMove);

// What the move did to the game, as its notation ends.
struct MoveOutcome {
    int checkedSide = NoSideChecked; // the CheckedSide after the move (0 or 1 adds "+")
    bool checkmated = false;         // the move mates
    bool drawFlag = false;           // the move ends the game drawn
};

// The notation of a move that has just been made.
//  made          the mover's colour, the code now on the destination (after
//                a promotion, the new piece), the move, and ToOccupiedSquare
//                when the destination held a piece
//  boardBefore   the squares before the move
//  castleType    castling (the king's destination column tells which side)
//                or NoCastle
//  previousMove  the move before this one, Move::None() when the game has
//                none (the first move of a set-up game)
std::string BuildMoveNotation(const MoveValidation::PieceMove& made, const BoardSquares& boardBefore,
                              MoveValidation::CastleType castleType, Move previousMove,
                              const MoveOutcome& outcome);

} // namespace BoardSupport
