#include "rules/search_board.h"

#include "rules/piece.h"

namespace ComputerAI {

using namespace MoveValidation;
using BoardSupport::CastleFlags;

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

SearchBoard::SearchBoard(const BoardSupport::Position& position, int sideToMove,
                         std::string_view previousMove)
    : position_(position), sideToMove_(sideToMove == Black ? Black : White)
{
    if (const auto last = BoardSupport::ParseLastMove(previousMove)) {
        previousFrom_ = SquareOf(last->fromColumn, last->fromRow);
        previousTo_ = SquareOf(last->toColumn, last->toRow);
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

std::string SearchBoard::PreviousMove() const
{
    if (previousFrom_ < 0)
        return std::string(BoardSupport::NoMove);
    return BoardSupport::FormatLastMove(ColumnOf(previousFrom_), RowOf(previousFrom_),
                                        ColumnOf(previousTo_), RowOf(previousTo_));
}

int SearchBoard::GetSquareColour(int column, int row) const
{
    return ComputerAI::GetSquareColour(position_.squares, column, row);
}

bool SearchBoard::CanMoveTo(int colour, int column, int row) const
{
    return ComputerAI::CanMoveTo(position_.squares, colour, column, row);
}

int SearchBoard::CountAttackers(int colour, int column, int row) const
{
    return ComputerAI::CountAttackers(position_.squares, colour, column, row);
}

} // namespace ComputerAI
