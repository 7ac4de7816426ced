// The typed forms of the rule routines: they unpack the values into the
// routines' own arguments, so each rule is written once.
#include "rules/check.h"
#include "rules/notation.h"
#include "rules/validation.h"

namespace MoveValidation {

bool ValidateMove(const Position& position, Colour colour, PieceCode piece, Move move,
                  CaptureMode captureMode, int checkedSide, Move previousMove,
                  std::optional<PieceCode> targetPiece, Refusal* refusal)
{
    return ValidateMove(position, colour, piece, move.from.column, move.from.row, move.to.column,
                        move.to.row, captureMode, checkedSide, previousMove.Text(),
                        targetPiece ? static_cast<int>(*targetPiece) : NoTargetPiece, refusal);
}

Refusal ValidateKnightMove(Move move)
{
    return ValidateKnightMove(move.from.column, move.from.row, move.to.column, move.to.row);
}

Refusal ValidateKingMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         int checkedSide)
{
    return ValidateKingMove(position, colour, move.from.column, move.from.row, move.to.column,
                            move.to.row, captureMode, checkedSide);
}

Refusal ValidatePawnMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         Move previousMove)
{
    return ValidatePawnMove(position, colour, move.from.column, move.from.row, move.to.column,
                            move.to.row, captureMode, previousMove.Text());
}

CastleType GetCastleType(const Position& position, Colour colour, Move move)
{
    return static_cast<CastleType>(GetCastleType(position, static_cast<int>(colour), move.from.column,
                                                 move.from.row, move.to.column, move.to.row));
}

EnPassantCapture GetEnPassantCapture(const Position& position, Move move, Move previousMove,
                                     Colour colour)
{
    return GetEnPassantCapture(position, move.from.column, move.from.row, move.to.column, move.to.row,
                               previousMove.Text(), colour);
}

CheckState GetCheckState(const Position& position, Colour colour, bool testMate, int checkedSide,
                         BoardSupport::Move previousMove)
{
    return GetCheckState(position, static_cast<int>(colour), testMate, checkedSide, previousMove.Text());
}

bool HasNoLegalMove(const Position& position, Colour colour, BoardSupport::Move previousMove,
                    int checkedSide)
{
    return HasNoLegalMove(position, static_cast<int>(colour), previousMove.Text(), checkedSide);
}

} // namespace MoveValidation

namespace BoardSupport {

std::string BuildMoveNotation(MoveValidation::PieceCode piece, Move move,
                              MoveValidation::CaptureMode captureMode, int checkedSide,
                              const BoardSquares& boardBefore, bool drawFlag,
                              MoveValidation::CastleType castleType, MoveValidation::Colour sideToMove,
                              bool checkmated, Move previousMove)
{
    return BuildMoveNotation(piece, move.from.column, move.from.row, move.to.column, move.to.row,
                             captureMode, checkedSide, boardBefore, drawFlag, castleType, sideToMove,
                             checkmated, previousMove.Text());
}

} // namespace BoardSupport
