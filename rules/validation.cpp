#include "rules/validation.h"

#include "rules/check.h"

#include <cstdlib>

namespace MoveValidation {

using BoardSupport::BoardSquares;

namespace {

constexpr int Sign(int value)
{
    return (value > 0) - (value < 0);
}

bool Refuse(Refusal reason, Refusal* refusal)
{
    if (refusal)
        *refusal = reason;
    return reason == Refusal::None;
}

} // namespace

std::string EnPassantCapture::Text() const
{
    if (!IsCapture())
        return "0";
    return std::to_string(column) + ";" + std::to_string(row);
}

bool IsPathClear(const Position& position, int fromColumn, int fromRow, int toColumn, int toRow,
                 int lineKind, int captureMode)
{
    const int columnDistance = std::abs(toColumn - fromColumn);
    const int rowDistance = std::abs(toRow - fromRow);
    const bool straight = columnDistance == 0 || rowDistance == 0;
    const bool diagonal = columnDistance == rowDistance;
    if (lineKind == StraightLine   ? !straight
        : lineKind == DiagonalLine ? !diagonal
                                   : !straight && !diagonal)
        return false;

    const int columnStep = Sign(toColumn - fromColumn);
    const int rowStep = Sign(toRow - fromRow);
    if (columnStep == 0 && rowStep == 0) // onto its own square: the destination is the first step
        return captureMode == ToOccupiedSquare
               || (BoardSquares::OnBoard(toColumn, toRow) && position.squares(toColumn, toRow) == Empty);

    int column = fromColumn + columnStep;
    int row = fromRow + rowStep;
    while (BoardSquares::OnBoard(column, row)) {
        const bool atDestination = column == toColumn && row == toRow;
        if (atDestination && captureMode == ToOccupiedSquare)
            return true;
        if (position.squares(column, row) != Empty)
            return false;
        if (atDestination)
            return true;
        column += columnStep;
        row += rowStep;
    }
    return false;
}

Refusal ValidateKnightMove(int fromColumn, int fromRow, int toColumn, int toRow)
{
    const int columnDistance = std::abs(toColumn - fromColumn);
    const int rowDistance = std::abs(toRow - fromRow);
    if ((columnDistance == 2 && rowDistance == 1) || (rowDistance == 2 && columnDistance == 1))
        return Refusal::None;
    return Refusal::KnightShape;
}

int GetCastleType(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                  int toRow)
{
    using BoardSupport::CastleKing;
    using BoardSupport::KingSideRook;
    using BoardSupport::QueenSideRook;

    if (!BoardSquares::OnBoard(fromColumn, fromRow) || !IsKing(position.squares(fromColumn, fromRow))
        || position.castleFlags(colour, CastleKing))
        return NoCastle;
    const int home = HomeRow(colour);
    if (fromColumn != 5 || fromRow != home || toRow != home)
        return NoCastle;
    // The flags can be stale (a rook captured on its corner never moved), so
    // the rook itself must still be there.
    if (toColumn == 3 && !position.castleFlags(colour, QueenSideRook)
        && position.squares(1, home) == RookOf(colour))
        return IsPathClear(position, 1, home, 4, home, StraightLine, ToEmptySquare) ? QueenSideCastle
                                                                                    : NoCastle;
    if (toColumn == 7 && !position.castleFlags(colour, KingSideRook)
        && position.squares(8, home) == RookOf(colour))
        return IsPathClear(position, 8, home, 6, home, StraightLine, ToEmptySquare) ? KingSideCastle
                                                                                    : NoCastle;
    return NoCastle;
}

Refusal ValidateKingMove(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                         int toRow, int captureMode, int checkedSide)
{
    if (!IsPathClear(position, fromColumn, fromRow, toColumn, toRow, AnyLine, captureMode))
        return Refusal::KingLine;
    if (std::abs(toRow - fromRow) > 1)
        return Refusal::KingRowDistance;
    if (std::abs(toColumn - fromColumn) <= 1)
        return Refusal::None;

    if (captureMode == ToOccupiedSquare)
        return Refusal::CastleOntoPiece;
    const int castleType = GetCastleType(position, colour, fromColumn, fromRow, toColumn, toRow);
    if (castleType == NoCastle)
        return Refusal::NotCastling;
    if (checkedSide == colour)
        return Refusal::CastleOutOfCheck;

    // The square the king passes over must not be attacked; its destination
    // is the caller's test after the move.
    Position trial = position;
    trial.squares(fromColumn, fromRow) = Empty;
    trial.squares.Set(castleType == QueenSideCastle ? fromColumn - 1 : fromColumn + 1, fromRow,
                      KingOf(colour));
    if (IsInCheck(trial, colour))
        return Refusal::CastlePassageAttacked;
    return Refusal::None;
}

EnPassantCapture GetEnPassantCapture(const Position& position, int fromColumn, int fromRow, int toColumn,
                                     int toRow, std::string_view previousMove, int colour)
{
    if (!BoardSquares::OnBoard(fromColumn, fromRow) || !IsPawn(position.squares(fromColumn, fromRow)))
        return {};
    if (std::abs(toColumn - fromColumn) != 1 || std::abs(toRow - fromRow) != 1)
        return {};
    const std::optional<BoardSupport::MoveCoordinates> last = BoardSupport::ParseLastMove(previousMove);
    if (!last)
        return {};
    if (last->fromColumn != last->toColumn || toColumn != last->toColumn
        || std::abs(last->fromRow - last->toRow) != 2)
        return {};
    if (!IsPawn(position.squares(last->toColumn, last->toRow)))
        return {};
    // The passed pawn stands directly behind the destination.
    if (last->toRow - toRow != -ForwardStep(colour))
        return {};
    return EnPassantCapture{last->toColumn, last->toRow};
}

Refusal ValidatePawnMove(const Position& position, int colour, int fromColumn, int fromRow, int toColumn,
                         int toRow, int captureMode, std::string_view previousMove)
{
    const int back = HomeRow(colour);
    if (std::abs(back - toRow) < std::abs(back - fromRow))
        return Refusal::PawnBackwards;

    const int rowDistance = std::abs(toRow - fromRow);
    if (captureMode == ToEmptySquare) {
        if (toColumn != fromColumn)
            return GetEnPassantCapture(position, fromColumn, fromRow, toColumn, toRow, previousMove,
                                       colour)
                           .IsCapture()
                       ? Refusal::None
                       : Refusal::PawnDiagonalNoEnPassant;
        if (rowDistance > 2)
            return Refusal::PawnTooFar;
        if (rowDistance == 2) {
            if (std::abs(back - fromRow) != 1)
                return Refusal::PawnAlreadyMoved;
            if (position.squares(fromColumn, fromRow + ForwardStep(colour)) != Empty)
                return Refusal::PawnJump;
        }
        return Refusal::None;
    }

    if (toRow == fromRow || toColumn == fromColumn)
        return Refusal::PawnStraightCapture;
    if (rowDistance <= 1 && std::abs(toColumn - fromColumn) <= 1)
        return Refusal::None;
    return Refusal::PawnNotAdjacent;
}

bool ValidateMove(const Position& position, int colour, int piece, int fromColumn, int fromRow,
                  int toColumn, int toRow, int captureMode, int checkedSide,
                  std::string_view previousMove, int targetPiece, Refusal* refusal)
{
    if (!BoardSquares::OnBoard(toColumn, toRow))
        return Refuse(Refusal::OffBoard, refusal);

    if (targetPiece != NoTargetPiece && captureMode == ToOccupiedSquare) {
        if (IsBlackPiece(piece) && IsBlackPiece(targetPiece))
            return Refuse(Refusal::OwnPieceBlack, refusal);
        if (!IsBlackPiece(piece) && IsWhitePiece(targetPiece))
            return Refuse(Refusal::OwnPieceWhite, refusal);
        if (IsKing(targetPiece))
            return Refuse(Refusal::KingCapture, refusal);
    }

    switch (KindOf(piece)) {
    case Rook:
        return Refuse(
            IsPathClear(position, fromColumn, fromRow, toColumn, toRow, StraightLine, captureMode)
                ? Refusal::None
                : Refusal::RookLine,
            refusal);
    case Bishop:
        return Refuse(
            IsPathClear(position, fromColumn, fromRow, toColumn, toRow, DiagonalLine, captureMode)
                ? Refusal::None
                : Refusal::BishopLine,
            refusal);
    case Queen:
        return Refuse(IsPathClear(position, fromColumn, fromRow, toColumn, toRow, AnyLine, captureMode)
                          ? Refusal::None
                          : Refusal::QueenLine,
                      refusal);
    case Knight:
        return Refuse(ValidateKnightMove(fromColumn, fromRow, toColumn, toRow), refusal);
    case King:
        return Refuse(ValidateKingMove(position, colour, fromColumn, fromRow, toColumn, toRow,
                                       captureMode, checkedSide),
                      refusal);
    case Pawn:
        return Refuse(ValidatePawnMove(position, colour, fromColumn, fromRow, toColumn, toRow,
                                       captureMode, previousMove),
                      refusal);
    case NoPiece:
        break;
    }
    return Refuse(Refusal::None, refusal);
}

} // namespace MoveValidation
