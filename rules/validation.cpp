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

bool IsPathClear(const Position& position, Move move, LineKind lineKind, CaptureMode captureMode)
{
    const Square from = move.from;
    const Square to = move.to;
    const int columnDistance = std::abs(to.column - from.column);
    const int rowDistance = std::abs(to.row - from.row);
    const bool straight = columnDistance == 0 || rowDistance == 0;
    const bool diagonal = columnDistance == rowDistance;
    if (lineKind == StraightLine   ? !straight
        : lineKind == DiagonalLine ? !diagonal
                                   : !straight && !diagonal)
        return false;

    const int columnStep = Sign(to.column - from.column);
    const int rowStep = Sign(to.row - from.row);
    if (columnStep == 0 && rowStep == 0) // onto its own square: the destination is the first step
        return captureMode == ToOccupiedSquare || (to.OnBoard() && position.squares.At(to) == Empty);

    int column = from.column + columnStep;
    int row = from.row + rowStep;
    while (BoardSquares::OnBoard(column, row)) {
        const bool atDestination = column == to.column && row == to.row;
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

Refusal ValidateKnightMove(Move move)
{
    const int columnDistance = std::abs(move.to.column - move.from.column);
    const int rowDistance = std::abs(move.to.row - move.from.row);
    if ((columnDistance == 2 && rowDistance == 1) || (rowDistance == 2 && columnDistance == 1))
        return Refusal::None;
    return Refusal::KnightShape;
}

CastleType GetCastleType(const Position& position, Colour colour, Move move)
{
    using BoardSupport::CastleKing;
    using BoardSupport::KingSideRook;
    using BoardSupport::QueenSideRook;

    const Square from = move.from;
    const Square to = move.to;
    if (!from.OnBoard() || !IsKing(position.squares.At(from))
        || position.castleFlags(colour, CastleKing))
        return NoCastle;
    const int home = HomeRow(colour);
    if (from.column != 5 || from.row != home || to.row != home)
        return NoCastle;
    // The flags can be stale (a rook captured on its corner never moved), so
    // the rook itself must still be there.
    if (to.column == 3 && !position.castleFlags(colour, QueenSideRook)
        && position.squares(1, home) == RookOf(colour))
        return IsPathClear(position, Move{{1, home}, {4, home}}, StraightLine, ToEmptySquare)
                   ? QueenSideCastle
                   : NoCastle;
    if (to.column == 7 && !position.castleFlags(colour, KingSideRook)
        && position.squares(8, home) == RookOf(colour))
        return IsPathClear(position, Move{{8, home}, {6, home}}, StraightLine, ToEmptySquare)
                   ? KingSideCastle
                   : NoCastle;
    return NoCastle;
}

Refusal ValidateKingMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         int checkedSide)
{
    const Square from = move.from;
    if (!IsPathClear(position, move, AnyLine, captureMode))
        return Refusal::KingLine;
    if (std::abs(move.to.row - from.row) > 1)
        return Refusal::KingRowDistance;
    if (std::abs(move.to.column - from.column) <= 1)
        return Refusal::None;

    if (captureMode == ToOccupiedSquare)
        return Refusal::CastleOntoPiece;
    const CastleType castleType = GetCastleType(position, colour, move);
    if (castleType == NoCastle)
        return Refusal::NotCastling;
    if (checkedSide == colour)
        return Refusal::CastleOutOfCheck;

    // The square the king passes over must not be attacked; its destination
    // is the caller's test after the move.
    Position trial = position;
    trial.squares.Set(from, Empty);
    trial.squares.Set(castleType == QueenSideCastle ? from.column - 1 : from.column + 1, from.row,
                      KingOf(colour));
    if (IsInCheck(trial, colour))
        return Refusal::CastlePassageAttacked;
    return Refusal::None;
}

EnPassantCapture GetEnPassantCapture(const Position& position, Move move, Move previousMove,
                                     Colour colour)
{
    const Square from = move.from;
    const Square to = move.to;
    if (!from.OnBoard() || !IsPawn(position.squares.At(from)))
        return {};
    if (std::abs(to.column - from.column) != 1 || std::abs(to.row - from.row) != 1)
        return {};
    if (previousMove.IsNone())
        return {};
    const Square lastFrom = previousMove.from;
    const Square lastTo = previousMove.to;
    if (lastFrom.column != lastTo.column || to.column != lastTo.column
        || std::abs(lastFrom.row - lastTo.row) != 2)
        return {};
    if (!IsPawn(position.squares.At(lastTo)))
        return {};
    // The passed pawn stands directly behind the destination.
    if (lastTo.row - to.row != -ForwardStep(colour))
        return {};
    return EnPassantCapture{lastTo.column, lastTo.row};
}

Refusal ValidatePawnMove(const Position& position, Colour colour, Move move, CaptureMode captureMode,
                         Move previousMove)
{
    const Square from = move.from;
    const Square to = move.to;
    const int back = HomeRow(colour);
    if (std::abs(back - to.row) < std::abs(back - from.row))
        return Refusal::PawnBackwards;

    const int rowDistance = std::abs(to.row - from.row);
    if (captureMode == ToEmptySquare) {
        if (to.column != from.column)
            return GetEnPassantCapture(position, move, previousMove, colour).IsCapture()
                       ? Refusal::None
                       : Refusal::PawnDiagonalNoEnPassant;
        if (rowDistance > 2)
            return Refusal::PawnTooFar;
        if (rowDistance == 2) {
            if (std::abs(back - from.row) != 1)
                return Refusal::PawnAlreadyMoved;
            if (position.squares(from.column, from.row + ForwardStep(colour)) != Empty)
                return Refusal::PawnJump;
        }
        return Refusal::None;
    }

    if (to.row == from.row || to.column == from.column)
        return Refusal::PawnStraightCapture;
    if (rowDistance <= 1 && std::abs(to.column - from.column) <= 1)
        return Refusal::None;
    return Refusal::PawnNotAdjacent;
}

bool ValidateMove(const Position& position, const PieceMove& pieceMove, int checkedSide,
                  Move previousMove, std::optional<PieceCode> targetPiece, Refusal* refusal)
{
    const auto [colour, piece, move, captureMode] = pieceMove;
    if (!move.to.OnBoard())
        return Refuse(Refusal::OffBoard, refusal);

    if (targetPiece && captureMode == ToOccupiedSquare) {
        if (IsBlackPiece(piece) && IsBlackPiece(*targetPiece))
            return Refuse(Refusal::OwnPieceBlack, refusal);
        if (!IsBlackPiece(piece) && IsWhitePiece(*targetPiece))
            return Refuse(Refusal::OwnPieceWhite, refusal);
        if (IsKing(*targetPiece))
            return Refuse(Refusal::KingCapture, refusal);
    }

    switch (KindOf(piece)) {
    case Rook:
        return Refuse(IsPathClear(position, move, StraightLine, captureMode) ? Refusal::None
                                                                             : Refusal::RookLine,
                      refusal);
    case Bishop:
        return Refuse(IsPathClear(position, move, DiagonalLine, captureMode) ? Refusal::None
                                                                             : Refusal::BishopLine,
                      refusal);
    case Queen:
        return Refuse(IsPathClear(position, move, AnyLine, captureMode) ? Refusal::None
                                                                        : Refusal::QueenLine,
                      refusal);
    case Knight:
        return Refuse(ValidateKnightMove(move), refusal);
    case King:
        return Refuse(ValidateKingMove(position, colour, move, captureMode, checkedSide), refusal);
    case Pawn:
        return Refuse(ValidatePawnMove(position, colour, move, captureMode, previousMove), refusal);
    case NoPiece:
        break;
    }
    return Refuse(Refusal::None, refusal);
}

} // namespace MoveValidation
