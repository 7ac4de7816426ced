#pragma once
// The changes one move makes to the board's squares and castling flags,
// shared by the history replay and the player's own moves.

#include "rules/move.h"
#include "rules/position.h"
#include "rules/validation.h"

namespace BoardSupport {

// Records in the flags that a piece has left or been taken from a square:
// the mover's own king ends both its castlings; a rook of either colour on
// its own corner (a1 or h1 for White, a8 or h8 for Black) ends that
// corner's castling, whether it moved or was taken there. A rook anywhere
// else ends nothing: a corner rook's castling ended when it left its
// corner, and a rook a pawn became never had one.
void LogCastleState(CastleFlags& flags, MoveValidation::Colour mover, int piece, Square square);

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
