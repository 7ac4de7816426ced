// Playing a move on the search board and taking it back exactly.

#include "rules/search_board.h"

#include "rules/piece.h"

namespace ComputerAI {

using namespace MoveValidation;
using BoardSupport::CastleFlags;

namespace {

// The castling flag of the rook whose home corner a square is, or -1. Any
// piece leaving or landing on a corner means that rook has moved or is gone.
constexpr int CornerFlagIndex(int square)
{
    switch (square) {
    case SquareOf(1, 1):
        return White * 3 + BoardSupport::QueenSideRook;
    case SquareOf(8, 1):
        return White * 3 + BoardSupport::KingSideRook;
    case SquareOf(1, 8):
        return Black * 3 + BoardSupport::QueenSideRook;
    case SquareOf(8, 8):
        return Black * 3 + BoardSupport::KingSideRook;
    default:
        return -1;
    }
}

} // namespace

bool SearchBoard::MakeMove(const SearchMove& move)
{
    if (undoCount_ == UndoCapacity || !BoardSupport::BoardSquares::OnBoard(move.fromColumn, move.fromRow)
        || !BoardSupport::BoardSquares::OnBoard(move.toColumn, move.toRow))
        return false;
    auto& cells = position_.squares.cells;
    auto& flags = position_.castleFlags;
    const Colour colour = sideToMove_;
    const int from = SquareOf(move.fromColumn, move.fromRow);
    const int to = SquareOf(move.toColumn, move.toRow);
    const int piece = cells[from];

    UndoRecord& record = undo_[undoCount_++];
    record.fromSquare = static_cast<std::int8_t>(from);
    record.toSquare = static_cast<std::int8_t>(to);
    record.fromPiece = static_cast<std::int8_t>(piece);
    record.toPiece = cells[to];
    record.checkedSide = static_cast<std::int8_t>(position_.checkedSide);
    record.previousFrom = static_cast<std::int8_t>(previousFrom_);
    record.previousTo = static_cast<std::int8_t>(previousTo_);
    record.castleFlags = flags;

    int placed = piece;
    if (IsPawn(piece)) {
        // A diagonal step onto an empty square is an en passant capture: the
        // generator allows no other.
        if (move.fromColumn != move.toColumn && cells[to] == 0) {
            const int victim = SquareOf(move.toColumn, move.fromRow);
            record.enPassantSquare = static_cast<std::int8_t>(victim);
            record.enPassantPiece = cells[victim];
            cells[victim] = 0;
        }
        // A pawn never stays on its last row: a move given by its squares
        // alone (as coordinates carry no promotion) becomes a queen.
        if (move.toRow == HomeRow(OtherColour(colour)))
            placed = move.promotion != 0 ? move.promotion : WhiteQueen + colour * BlackOffset;
    } else if (IsKing(piece)) {
        const int home = HomeRow(colour);
        if (move.fromColumn == 5 && move.fromRow == home && move.toRow == home
            && (move.toColumn == 3 || move.toColumn == 7)) {
            const int rookFrom = SquareOf(move.toColumn == 3 ? 1 : 8, home);
            const int rookTo = SquareOf(move.toColumn == 3 ? 4 : 6, home);
            record.rookFromSquare = static_cast<std::int8_t>(rookFrom);
            record.rookToSquare = static_cast<std::int8_t>(rookTo);
            record.rookFromPiece = cells[rookFrom];
            record.rookToPiece = cells[rookTo];
            cells[rookFrom] = 0;
            cells[rookTo] = static_cast<std::int8_t>(RookOf(colour));
            flags.moved[CornerFlagIndex(rookFrom)] = true;
        }
        flags(colour, BoardSupport::CastleKing) = true;
        kingSquare_[colour] = to;
    }
    if (const int index = CornerFlagIndex(from); index >= 0)
        flags.moved[index] = true;
    if (const int index = CornerFlagIndex(to); index >= 0)
        flags.moved[index] = true;

    cells[from] = 0;
    cells[to] = static_cast<std::int8_t>(placed);

    previousFrom_ = from;
    previousTo_ = to;
    sideToMove_ = OtherColour(colour);
    position_.checkedSide = IsInCheck(sideToMove_) ? sideToMove_ : BoardSupport::NoSideChecked;
    return true;
}

void SearchBoard::UnmakeMove()
{
    if (undoCount_ == 0)
        return;
    UndoRecord& record = undo_[--undoCount_];
    auto& cells = position_.squares.cells;
    cells[record.fromSquare] = record.fromPiece;
    cells[record.toSquare] = record.toPiece;
    if (record.enPassantSquare >= 0)
        cells[record.enPassantSquare] = record.enPassantPiece;
    if (record.rookFromSquare >= 0) {
        cells[record.rookFromSquare] = record.rookFromPiece;
        cells[record.rookToSquare] = record.rookToPiece;
    }
    sideToMove_ = OtherColour(sideToMove_);
    if (IsKing(record.fromPiece))
        kingSquare_[sideToMove_] = record.fromSquare;
    position_.castleFlags = record.castleFlags;
    position_.checkedSide = record.checkedSide;
    previousFrom_ = record.previousFrom;
    previousTo_ = record.previousTo;
    record = UndoRecord{};
}

} // namespace ComputerAI
