#pragma once
// The rules every position a game may start from obeys, whoever set it up:
// the board's set-up mode holds the player's position to them, and a
// received game's start position must pass them before the game is stored.
// A board that breaks them is one on which the move rules disagree with
// themselves (two kings of a colour, a king already capturable).

#include "rules/piece.h"
#include "rules/position.h"

#include <cstdint>

namespace BoardSupport {

enum class SetupRefusal : std::uint8_t {
    None = 0,           // a position a game may start from
    WhiteKingCount,     // not exactly one White king
    BlackKingCount,     // not exactly one Black king
    PawnOnEndRow,       // a pawn on row 1 or row 8
    WaitingSideInCheck, // the side that does not move first stands in check
};

// The first rule the squares break, in the order above, for a game in which
// `sideToMove` makes the first move (White in every game set up here).
SetupRefusal CheckSetupPosition(const BoardSquares& squares,
                                MoveValidation::Colour sideToMove = MoveValidation::White);

} // namespace BoardSupport
