#pragma once
// Whether one move of one piece obeys the movement rules on a position.
//
// The test is geometric: an allowed move may still leave the mover's own king
// in check; callers test that after making the move. Castling is the one
// exception: its passage square is tested here. Nothing here changes the
// position or allocates memory.

#include "rules/move.h"
#include "rules/piece.h"
#include "rules/position.h"
#include "rules/refusal.h"

#include <optional>
#include <string>

namespace MoveValidation {

using BoardSupport::Move;
using BoardSupport::Position;
using BoardSupport::Square;

// How a path between two squares must run (IsPathClear).
enum LineKind : int { StraightLine = 1, DiagonalLine = 2, AnyLine = 3 };

// Capture mode: whether the destination holds a piece. For line pieces and
// the king, 1 lets the path end on an occupied square and anything else needs
// it empty; the pawn tells a capture from a plain step by it.
enum CaptureMode : int { ToEmptySquare = 0, ToOccupiedSquare = 1 };

enum CastleType : int { NoCastle = 0, QueenSideCastle = 1, KingSideCastle = 2 };

// The pawn taken by an en passant capture, or none (column and row 0).
struct EnPassantCapture {
    int column = 0;
    int row = 0;

    constexpr bool IsCapture() const { return column != 0; }
    // "column;row" in decimal ("4;5" for a pawn on d5), or "0" for none.
    std::string Text() const;

    friend bool operator==(const EnPassantCapture&, const EnPassantCapture&) = default;
};

// One piece's move as the move rules are asked about it: who moves, the
// code that moves, from where to where, and whether the destination holds
// a piece.
struct PieceMove {
    Colour colour = White;
    PieceCode piece = Empty;
    Move move;
    CaptureMode captureMode = ToEmptySquare;
};

// True when the move is allowed. checkedSide is a CheckedSide value (or
// BoardSupport::NeitherColour); it only forbids castling out of check.
// previousMove is the last move (Move::None() when the game has none); a
// pawn's diagonal step onto an empty square needs it. The own-piece and
// king-capture tests run only when a target piece is named and the capture
// mode is ToOccupiedSquare. When refusal is given it receives the reason
// (Refusal::None when allowed).
bool ValidateMove(const Position& position, const PieceMove& pieceMove, int checkedSide,
                  Move previousMove, std::optional<PieceCode> targetPiece = std::nullopt,
                  Refusal* refusal = nullptr);

// True when the squares lie on a line of that kind and every square strictly
// between is empty, and (unless captureMode is ToOccupiedSquare) the
// destination too.
bool IsPathClear(const Position& position, Move move, LineKind lineKind, CaptureMode captureMode);

// The piece rules: Refusal::None when the move is allowed, else the reason.
Refusal ValidateKnightMove(Move move);
Refusal ValidateKingMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         int checkedSide);
Refusal ValidatePawnMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         Move previousMove);

// Which castling a king move is, judged from the castling flags, the empty
// squares between king and rook and the own rook on its corner.
CastleType GetCastleType(const Position& position, Colour colour, Move move);

// The pawn a diagonal pawn step takes en passant after previousMove, if any.
EnPassantCapture GetEnPassantCapture(const Position& position, Move move, Move previousMove,
                                     Colour colour);

} // namespace MoveValidation
