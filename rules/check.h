#pragma once
// Check, checkmate and stalemate, computed from the movement rules of
// ValidateMove alone. Every routine stops at the first deciding fact, since
// the search asks them at every node. Nothing here changes the position or
// allocates memory: moves are tried on local copies.

#include "rules/piece.h"
#include "rules/position.h"

#include <array>

namespace MoveValidation {

using BoardSupport::Move;
using BoardSupport::Position;
using BoardSupport::Square;

enum CheckState : int { InCheck = 1, Checkmate = 2, NotInCheck = 3 };

// Squares some defending piece could move to by its movement pattern,
// indexed (column, row) like BoardSquares.
struct ReachMap {
    std::array<bool, 64> marked{};

    bool operator()(int column, int row) const
    {
        return marked[BoardSupport::BoardSquares::IndexOf(column, row)];
    }
    void Mark(int column, int row) { marked[BoardSupport::BoardSquares::IndexOf(column, row)] = true; }
    void Clear() { marked.fill(false); }
};

// True when some piece of the other colour may move to this colour's king.
// A side without a king is never in check.
bool IsInCheck(const Position& position, Colour colour);

// InCheck, Checkmate or NotInCheck for the colour. With testMate false a
// checked side is always InCheck. checkedSide is handed on to ValidateMove;
// previousMove (Move::None() when none) lets an en passant capture answer a
// check.
CheckState GetCheckState(const Position& position, Colour colour, bool testMate, int checkedSide,
                         Move previousMove);

// Marks in the reach map the squares the colour's piece on the square could
// move to; kings mark nothing (their own moves are tried directly).
void CanBlockOrCaptureAttacker(const Position& position, Colour colour, PieceCode piece, Square square,
                               ReachMap& reachMap);

// True when the colour has at least one piece and none of them has a legal
// move: the stalemate test, asked when the colour is not in check. Castling
// and the pawn's two-row step are not tried; out of check, whenever either is
// legal the king's or the pawn's single step is legal too.
bool HasNoLegalMove(const Position& position, Colour colour, Move previousMove, int checkedSide);

// True as soon as one destination of the piece on the from square leaves
// its own king safe.
bool PieceHasLegalMove(const Position& position, Colour colour, PieceCode piece, Square from,
                       Move previousMove, int checkedSide);

} // namespace MoveValidation
