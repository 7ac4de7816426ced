#pragma once
// The changes one move makes to the board's squares and castling flags,
// shared by the history replay and the player's own moves.

#include "rules/move.h"
#include "rules/position.h"
#include "rules/validation.h"

namespace BoardSupport {

// Records in the flags that a piece has left or been taken from its column:
// the mover's own king ends both its castlings; a rook of either colour in
// column 1 or 8 ends that corner's castling (rows are not looked at, so a
// rook taken on its corner counts too).
void LogCastleState(CastleFlags& flags, MoveValidation::Colour mover, int piece, int column);

// What a move does besides carrying its piece.
struct MoveEffects {
    MoveValidation::CastleType castle = MoveValidation::NoCastle;
    MoveValidation::EnPassantCapture enPassant;
};

// The castling and en passant the move makes, judged before it is made.
MoveEffects EffectsOf(const Position& position, MoveValidation::Colour mover, Move move,
                      Move previousMove);

// Carries the move out: the landing piece (the moving piece, or what a pawn
// becomes) on the destination, the origin emptied, a pawn taken en passant
// removed, a castling rook moved, and the castling flags kept.
void ApplyMove(Position& position, MoveValidation::Colour mover, Move move, int landingPiece,
               const MoveEffects& effects);

} // namespace BoardSupport
