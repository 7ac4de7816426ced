#include "rules/search_board.h"

#include "rules/piece.h"

namespace ComputerAI {

using namespace MoveValidation;
using BoardSupport::CastleFlags;
using BoardSupport::Move;
using BoardSupport::Square;

namespace {

int SquareDigits(int square)
{
    return ColumnOf(square) * 10 + RowOf(square);
}

} // namespace

int UndoRecord::MoveCode() const
{
    return fromSquare < 0 ? 0 : SquareDigits(fromSquare) * 100 + SquareDigits(toSquare);
}

int UndoRecord::EnPassantCode() const
{
    return enPassantSquare < 0 ? 0 : SquareDigits(enPassantSquare);
}

int UndoRecord::RookMoveCode() const
{
    return rookFromSquare < 0 ? 0 : SquareDigits(rookFromSquare) * 100 + SquareDigits(rookToSquare);
}

int UndoRecord::PackedCastleFlags() const
{
    return fromSquare < 0 ? 0 : PackCastleFlags(castleFlags);
}

int PackCastleFlags(const CastleFlags& flags)
{
    int packed = 0;
    for (int colour = White; colour <= Black; ++colour) {
        packed = packed * 10 + colour + 1;
        for (int piece = 0; piece < 3; ++piece)
            packed = packed * 10 + (flags(colour, piece) ? 1 : 0);
    }
    return packed;
}

SearchBoard::SearchBoard(const BoardSupport::Position& position, Colour sideToMove, Move previousMove)
    : position_(position), sideToMove_(sideToMove == Black ? Black : White)
{
    if (!previousMove.IsNone()) {
        previousFrom_ = SquareOf(previousMove.from.column, previousMove.from.row);
        previousTo_ = SquareOf(previousMove.to.column, previousMove.to.row);
    }
    // The first king of each colour in scan order, as FindPiece finds it.
    for (int square = 63; square >= 0; --square) {
        const int code = position_.squares.cells[square];
        if (code == WhiteKing)
            kingSquare_[White] = square;
        else if (code == BlackKing)
            kingSquare_[Black] = square;
    }
    // The generator trusts the checked side to tell whether the side to move
    // is in check, so it must not inherit a stale value.
    if (IsInCheck(sideToMove_))
        position_.checkedSide = sideToMove_;
    else if (IsInCheck(OtherColour(sideToMove_)))
        position_.checkedSide = OtherColour(sideToMove_);
    else
        position_.checkedSide = BoardSupport::NoSideChecked;
}

Move SearchBoard::PreviousMove() const
{
    if (previousFrom_ < 0)
        return Move::None();
    return Move{{ColumnOf(previousFrom_), RowOf(previousFrom_)},
                {ColumnOf(previousTo_), RowOf(previousTo_)}};
}

int SearchBoard::GetSquareColour(Square square) const
{
    return ComputerAI::GetSquareColour(position_.squares, square);
}

bool SearchBoard::CanMoveTo(Colour colour, Square square) const
{
    return ComputerAI::CanMoveTo(position_.squares, colour, square);
}

int SearchBoard::CountAttackers(Colour colour, Square square) const
{
    return ComputerAI::CountAttackers(position_.squares, colour, square);
}

} // namespace ComputerAI
