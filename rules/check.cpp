#include "rules/check.h"

#include "rules/validation.h"

#include <cstdlib>

namespace MoveValidation {

using BoardSupport::BoardSquares;
using BoardSupport::NeitherColour;

namespace {

constexpr int Sign(int value)
{
    return (value > 0) - (value < 0);
}

constexpr int StraightSteps[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
constexpr int DiagonalSteps[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
constexpr int KnightSteps[8][2] = {{-1, 2}, {1, 2},   {-1, -2}, {1, -2},
                                   {-2, 1}, {-2, -1}, {2, 1},   {2, -1}};

// A cheap necessary condition for the piece on the square to take on the
// target square: the move's shape. ValidateMove decides the rest (clear
// lines); this only saves asking it about pieces that cannot be attackers.
bool ShapeCouldTake(PieceCode piece, Square square, Square target)
{
    const int columnDistance = std::abs(target.column - square.column);
    const int rowDistance = std::abs(target.row - square.row);
    switch (KindOf(piece)) {
    case Rook:
        return columnDistance == 0 || rowDistance == 0;
    case Bishop:
        return columnDistance == rowDistance;
    case Queen:
        return columnDistance == 0 || rowDistance == 0 || columnDistance == rowDistance;
    case Knight:
        return columnDistance * rowDistance == 2;
    case King:
        return columnDistance <= 1 && rowDistance <= 1;
    case Pawn:
        return columnDistance == 1
               && target.row - square.row == ForwardStep(IsWhitePiece(piece) ? White : Black);
    case NoPiece:
        break;
    }
    return false;
}

// On the board, not holding a piece of the colour, and not holding a king
// of either colour (kings are never taken).
bool CanMoveTo(const Position& position, Colour colour, int column, int row)
{
    if (!BoardSquares::OnBoard(column, row))
        return false;
    const int code = position.squares(column, row);
    return !IsPieceOfColour(code, colour) && !IsKing(code);
}

bool HoldsPieceOf(const Position& position, Colour colour, int column, int row)
{
    return BoardSquares::OnBoard(column, row) && IsPieceOfColour(position.squares(column, row), colour);
}

// Plays the move on a copy of the board (taking an en passant pawn with it)
// and tells whether the mover's king is then safe.
bool KingSafeAfter(const Position& position, Colour colour, PieceCode piece, Move move,
                   EnPassantCapture enPassant = {})
{
    Position trial = position;
    trial.squares.Set(move.from, Empty);
    if (enPassant.IsCapture())
        trial.squares(enPassant.column, enPassant.row) = Empty;
    trial.squares.Set(move.to, piece);
    return !IsInCheck(trial, colour);
}

// A legal move of the search's kind: what the move takes en passant comes
// from the previous move, as when the move is made.
bool MoveLeavesKingSafe(const Position& position, Colour colour, PieceCode piece, Move move,
                        Move previousMove)
{
    const EnPassantCapture enPassant = GetEnPassantCapture(position, move, previousMove, colour);
    return KingSafeAfter(position, colour, piece, move, enPassant);
}

// Whether taking the pawn that just made its double step, en passant, gets
// the colour out of check. The capturing pawn lands behind the passed pawn,
// so this can answer a pawn's check as well as block a line.
bool EnPassantAnswersCheck(const Position& position, Colour colour, int checkedSide, Move previousMove)
{
    if (previousMove.IsNone())
        return false;
    const Square passed = previousMove.to;
    const Square to{passed.column, passed.row + ForwardStep(colour)};
    if (!to.OnBoard() || position.squares.At(to) != Empty)
        return false;
    const PieceCode pawn = colour == White ? WhitePawn : BlackPawn;
    for (const int fromColumn : {passed.column - 1, passed.column + 1}) {
        const Square from{fromColumn, passed.row};
        if (!from.OnBoard() || position.squares.At(from) != pawn)
            continue;
        const Move capture{from, to};
        if (!ValidateMove(position, {colour, pawn, capture, ToEmptySquare}, checkedSide, previousMove))
            continue;
        if (MoveLeavesKingSafe(position, colour, pawn, capture, previousMove))
            return true;
    }
    return false;
}

// Whether some piece of the colour other than its king can go to the square
// (capture mode as given) and leave the king safe there.
bool DefenderAnswersOn(const Position& position, Colour colour, Square square, CaptureMode captureMode,
                       int checkedSide, Move previousMove)
{
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) {
            const PieceCode code = position.squares.At({c, r});
            if (!IsPieceOfColour(code, colour) || IsKing(code))
                continue;
            const Move move{{c, r}, square};
            if (ValidateMove(position, {colour, code, move, captureMode}, checkedSide, previousMove)
                && KingSafeAfter(position, colour, code, move))
                return true;
        }
    return false;
}

bool KingHasSafeSquare(const Position& position, Colour colour, Square kingSquare, int checkedSide,
                       Move previousMove)
{
    const PieceCode king = KingOf(colour);
    for (int column = kingSquare.column - 1; column <= kingSquare.column + 1; ++column)
        for (int row = kingSquare.row - 1; row <= kingSquare.row + 1; ++row) {
            if (!BoardSquares::OnBoard(column, row))
                continue;
            const PieceCode target = position.squares.At({column, row});
            const bool occupied = target != Empty;
            const Move step{kingSquare, {column, row}};
            if (!ValidateMove(position,
                              {colour, king, step, occupied ? ToOccupiedSquare : ToEmptySquare},
                              checkedSide, previousMove,
                              occupied ? std::optional<PieceCode>(target) : std::nullopt))
                continue;
            if (KingSafeAfter(position, colour, king, step))
                return true;
        }
    return false;
}

} // namespace

bool IsInCheck(const Position& position, Colour colour)
{
    Square kingSquare;
    if (!BoardSupport::FindPiece(position.squares, KingOf(colour), kingSquare))
        return false;
    const Colour attacker = OtherColour(colour);
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const PieceCode code = position.squares.At({column, row});
            if (IsPieceOfColour(code, attacker) && ShapeCouldTake(code, {column, row}, kingSquare)
                && ValidateMove(position,
                                {attacker, code, {{column, row}, kingSquare}, ToOccupiedSquare},
                                NeitherColour, Move::None()))
                return true;
        }
    return false;
}

CheckState GetCheckState(const Position& position, Colour colour, bool testMate, int checkedSide,
                         Move previousMove)
{
    Square kingSquare;
    if (!BoardSupport::FindPiece(position.squares, KingOf(colour), kingSquare))
        return NotInCheck;
    const int kingColumn = kingSquare.column;
    const int kingRow = kingSquare.row;

    const Colour other = OtherColour(colour);
    int attackers = 0;
    PieceCode attackerPiece = Empty;
    Square attackerSquare;
    for (int row = 1; row <= 8 && attackers < 2; ++row)
        for (int column = 1; column <= 8 && attackers < 2; ++column) {
            const PieceCode code = position.squares.At({column, row});
            if (!IsPieceOfColour(code, other) || !ShapeCouldTake(code, {column, row}, kingSquare)
                || !ValidateMove(position, {other, code, {{column, row}, kingSquare}, ToOccupiedSquare},
                                 checkedSide, Move::None()))
                continue;
            ++attackers;
            attackerPiece = code;
            attackerSquare = {column, row};
        }

    if (attackers == 0)
        return NotInCheck;
    if (!testMate)
        return InCheck;
    if (KingHasSafeSquare(position, colour, kingSquare, checkedSide, previousMove))
        return InCheck;
    // Taking the pawn that just stepped twice can end a check that no other
    // capture or block answers.
    if (EnPassantAnswersCheck(position, colour, checkedSide, previousMove))
        return InCheck;
    if (attackers == 2)
        return Checkmate;

    // Only squares some defender can reach at all get the full trial.
    ReachMap reachMap;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const PieceCode code = position.squares.At({column, row});
            if (!IsPieceOfColour(code, colour))
                continue;
            reachMap.Mark(column, row);
            CanBlockOrCaptureAttacker(position, colour, code, {column, row}, reachMap);
        }

    if (reachMap(attackerSquare.column, attackerSquare.row)
        && DefenderAnswersOn(position, colour, attackerSquare, ToOccupiedSquare, checkedSide,
                             previousMove))
        return InCheck;
    if (KindOf(attackerPiece) == Knight)
        return Checkmate;

    const int columnStep = Sign(kingColumn - attackerSquare.column);
    const int rowStep = Sign(kingRow - attackerSquare.row);
    for (int column = attackerSquare.column + columnStep, row = attackerSquare.row + rowStep;
         column != kingColumn || row != kingRow; column += columnStep, row += rowStep) {
        if (reachMap(column, row)
            && DefenderAnswersOn(position, colour, {column, row}, ToEmptySquare, checkedSide,
                                 previousMove))
            return InCheck;
    }
    return Checkmate;
}

void CanBlockOrCaptureAttacker(const Position& position, Colour colour, PieceCode piece, Square square,
                               ReachMap& reachMap)
{
    const PieceKind kind = KindOf(piece);
    const Colour other = OtherColour(colour);
    const int column = square.column;
    const int row = square.row;
    // The silent form of the movement rules for a step of this piece.
    const auto allowed = [&](int c, int r, CaptureMode captureMode) {
        return ValidateMove(position, {colour, piece, {square, {c, r}}, captureMode}, NeitherColour,
                            Move::None());
    };

    if (kind == Rook || kind == Queen)
        for (const auto& step : StraightSteps)
            for (int c = column + step[0], r = row + step[1]; BoardSquares::OnBoard(c, r);
                 c += step[0], r += step[1]) {
                const int code = position.squares(c, r);
                if (!IsPieceOfColour(code, colour) && !IsKing(code))
                    reachMap.Mark(c, r);
                if (code != Empty)
                    break;
            }

    if (kind == Bishop || kind == Queen)
        for (const auto& step : DiagonalSteps)
            for (int c = column + step[0], r = row + step[1]; BoardSquares::OnBoard(c, r);
                 c += step[0], r += step[1]) {
                reachMap.Mark(c, r);
                if (position.squares(c, r) != Empty)
                    break;
            }

    if (kind == Knight)
        for (const auto& step : KnightSteps) {
            const int c = column + step[0];
            const int r = row + step[1];
            if (allowed(c, r, ToEmptySquare))
                reachMap.Mark(c, r);
        }

    if (kind == Pawn) {
        const int forward = ForwardStep(colour);
        const auto stepReaches = [&](int r) {
            return CanMoveTo(position, colour, column, r) && allowed(column, r, ToEmptySquare)
                   && position.squares(column, r) == Empty;
        };
        if (stepReaches(row + forward)) {
            reachMap.Mark(column, row + forward);
            if (stepReaches(row + 2 * forward))
                reachMap.Mark(column, row + 2 * forward);
        }
        for (const int c : {column - 1, column + 1}) {
            const int r = row + forward;
            if (CanMoveTo(position, colour, c, r) && HoldsPieceOf(position, other, c, r)
                && allowed(c, r, ToOccupiedSquare))
                reachMap.Mark(c, r);
        }
    }
}

bool PieceHasLegalMove(const Position& position, Colour colour, PieceCode piece, Square from,
                       Move previousMove, [[maybe_unused]] int checkedSide)
{
    const PieceKind kind = KindOf(piece);
    const Colour other = OtherColour(colour);
    const int fromColumn = from.column;
    const int fromRow = from.row;
    const auto safe = [&](int c, int r) {
        return MoveLeavesKingSafe(position, colour, piece, {from, {c, r}}, previousMove);
    };
    const auto walk = [&](const int(&step)[2]) {
        for (int c = fromColumn + step[0], r = fromRow + step[1]; CanMoveTo(position, colour, c, r);
             c += step[0], r += step[1]) {
            if (safe(c, r))
                return true;
            if (HoldsPieceOf(position, other, c, r))
                break;
        }
        return false;
    };

    if (kind == Rook || kind == Queen)
        for (const auto& step : StraightSteps)
            if (walk(step))
                return true;
    if (kind == Bishop || kind == Queen)
        for (const auto& step : DiagonalSteps)
            if (walk(step))
                return true;
    if (kind == Knight)
        for (const auto& step : KnightSteps) {
            const int c = fromColumn + step[0];
            const int r = fromRow + step[1];
            if (CanMoveTo(position, colour, c, r) && safe(c, r))
                return true;
        }
    if (kind == Pawn) {
        const int r = fromRow + ForwardStep(colour);
        if (CanMoveTo(position, colour, fromColumn, r) && position.squares(fromColumn, r) == Empty
            && safe(fromColumn, r))
            return true;
        for (const int c : {fromColumn - 1, fromColumn + 1})
            if (CanMoveTo(position, colour, c, r)
                && GetEnPassantCapture(position, {from, {c, r}}, previousMove, colour).IsCapture()
                && safe(c, r))
                return true;
        for (const int c : {fromColumn - 1, fromColumn + 1})
            if (HoldsPieceOf(position, other, c, r)
                && ValidateMove(position, {colour, piece, {from, {c, r}}, ToOccupiedSquare},
                                NeitherColour, Move::None())
                && safe(c, r))
                return true;
    }
    if (kind == King)
        for (int c = fromColumn - 1; c <= fromColumn + 1; ++c)
            for (int r = fromRow - 1; r <= fromRow + 1; ++r)
                if (CanMoveTo(position, colour, c, r) && safe(c, r))
                    return true;
    return false;
}

bool HasNoLegalMove(const Position& position, Colour colour, Move previousMove, int checkedSide)
{
    int pieces = 0;
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 8; ++column) {
            const PieceCode code = position.squares.At({column, row});
            if (!IsPieceOfColour(code, colour))
                continue;
            ++pieces;
            if (PieceHasLegalMove(position, colour, code, {column, row}, previousMove, checkedSide))
                return false;
        }
    return pieces != 0;
}

} // namespace MoveValidation
