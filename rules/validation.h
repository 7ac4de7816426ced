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
#include <string_view>

namespace MoveValidation {

using BoardSupport::Position;

// How a path between two squares must run (IsPathClear).
enum LineKind : int { StraightLine = 1, DiagonalLine = 2, AnyLine = 3 };

// Capture mode: whether the destination holds a piece. For line pieces and
// the king, 1 lets the path end on an occupied square and anything else needs
// it empty; the pawn tells a capture from a plain step by it.
enum CaptureMode : int { ToEmptySquare = 0, ToOccupiedSquare = 1 };

enum CastleType : int { NoCastle = 0, QueenSideCastle = 1, KingSideCastle = 2 };

// Passed as target piece when the caller does not name the destination's piece.
inline constexpr int NoTargetPiece = -1;

// The pawn taken by an en passant capture, or none (column and row 0).
struct EnPassantCapture {
    int column = 0;
    int row = 0;

    constexpr bool IsCapture() const { return column != 0; }
    // "column;row" in decimal ("4;5" for a pawn on d5), or "0" for none.
    std::string Text() const;

    friend bool operator==(const EnPassantCapture&, const EnPassantCapture&) = default;
};

// True when the move is allowed. colour is the mover, piece the moving code.
// checkedSide is a CheckedSide value (or BoardSupport::NeitherColour); it only
// forbids castling out of check. previousMove is the last move's coordinates
// ("0000" when none); a pawn's diagonal step onto an empty square needs it.
// The own-piece and king-capture tests run only when a target piece is named
// and captureMode is 1. When refusal is given it receives the reason
// (Refusal::None when allowed).
bool ValidateMove(const Position& position, int colour, int piece, int fromColumn, int fromRow,
                  int toColumn, int toRow, int captureMode, int checkedSide,
                  std::string_view previousMove, int targetPiece = NoTargetPiece,
                  Refusal* refusal = nullptr);

// True when the squares lie on a line of that kind and every square strictly
// between is empty, and (unless captureMode is 1) the destination too.
bool IsPathClear(const Position& position, int fromColumn, int fromRow, int toColumn, int toRow,
                 int lineKind, int captureMode);

// The piece rules: Refusal::None when the move is allowed, else the reason.
Refusal ValidateKnightMove(int fromColumn, int fromRow, int toColumn, int toRow);
Refusal ValidateKingMove(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                         int toRow, int captureMode, int checkedSide);
Refusal ValidatePawnMove(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                         int toRow, int captureMode, std::string_view previousMove);

// Which castling a king move is (CastleType), judged from the castling flags,
// the empty squares between king and rook and the own rook on its corner.
int GetCastleType(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                  int toRow);

// The pawn a diagonal pawn step takes en passant after previousMove, if any.
EnPassantCapture GetEnPassantCapture(const Position& position, int fromColumn, int fromRow, int toColumn,
                                     int toRow, std::string_view previousMove, int colour);

// ---- The same rules over typed values ----------------------------------------
// What the board calls: the move as a Move, the previous move as a Move
// (Move::None() when the game has none), colours and codes as the enums.
using BoardSupport::Move;

bool ValidateMove(const Position& position, Colour colour, PieceCode piece, Move move,
                  CaptureMode captureMode, int checkedSide, Move previousMove,
                  std::optional<PieceCode> targetPiece = std::nullopt, Refusal* refusal = nullptr);
Refusal ValidateKnightMove(Move move);
Refusal ValidateKingMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         int checkedSide);
Refusal ValidatePawnMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         Move previousMove);
CastleType GetCastleType(const Position& position, Colour colour, Move move);
EnPassantCapture GetEnPassantCapture(const Position& position, Move move, Move previousMove,
                                     Colour colour);

} // namespace MoveValidation
