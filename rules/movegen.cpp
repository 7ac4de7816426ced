// Legal move generation for the side to move.
//
// Destinations are tried in a fixed order (the search keeps equal scores in
// generation order, so the order decides ties): line pieces walk left,
// right, down, up, then the diagonals; knights and kings use the orders of
// the attack tables; a pawn tries its step, its double step, en passant to
// the left and right, then captures to the left and right; a king then
// tries castling to the queen side and to the king side.
//
// A destination is allowed when the square holds neither an own piece nor a
// king of either colour, and the move leaves the own king safe. King safety
// is not tested by playing every move: outside check only a pinned piece
// can expose its king, so each piece is looked at once for a pin; kings,
// en passant captures and every move made while in check get a full test.

#include "rules/search_board.h"

#include "rules/check.h"
#include "rules/piece.h"

namespace ComputerAI {

using namespace MoveValidation;
using BoardSupport::BoardSquares;

struct SearchBoard::PieceContext {
    Colour colour = White;
    int kingSquare = -1;
    bool inCheck = false;
    // The line from the own king through this piece on which it is pinned.
    int pinDirection = NoDirection;
};

namespace {

constexpr bool IsOpponentPiece(int code, Colour colour)
{
    return IsPieceOfColour(code, OtherColour(colour));
}

// CanMoveTo on a square known to be on the board.
constexpr bool MayEnter(int code, Colour colour)
{
    return !IsPieceOfColour(code, colour) && !IsKing(code);
}

// The board after a plain move (and the pawn an en passant capture takes);
// the rook of a castling move plays no part in the king's safety.
BoardSquares BoardAfter(const BoardSquares& board, int from, int to, int victim)
{
    BoardSquares after = board;
    after.cells[to] = after.cells[from];
    after.cells[from] = 0;
    if (victim >= 0)
        after.cells[victim] = 0;
    return after;
}

struct ListSink {
    SearchMoveList& list;
    bool operator()(int from, int to, int promotion)
    {
        list.Add(ColumnOf(from), RowOf(from), ColumnOf(to), RowOf(to), promotion);
        return false;
    }
};

struct AnyMoveSink {
    bool operator()(int, int, int) { return true; }
};

} // namespace

SearchBoard::PieceContext SearchBoard::ContextFor(int from) const
{
    PieceContext context;
    context.colour = sideToMove_;
    context.kingSquare = kingSquare_[sideToMove_];
    context.inCheck = position_.checkedSide == sideToMove_;
    if (context.inCheck || context.kingSquare < 0 || context.kingSquare == from)
        return context;
    const int direction = Tables.lineDirection[context.kingSquare][from];
    if (direction == NoDirection)
        return context;
    if (FirstPieceAlong(position_.squares, context.kingSquare, direction) != from)
        return context;
    const int beyond = FirstPieceAlong(position_.squares, from, direction);
    if (beyond >= 0
        && IsLineAttacker(position_.squares.cells[beyond], OtherColour(sideToMove_), direction))
        context.pinDirection = direction;
    return context;
}

bool SearchBoard::IsLegal(const PieceContext& context, int from, int to) const
{
    if (context.kingSquare < 0)
        return true;
    if (context.kingSquare == from)
        return !ComputerAI::IsSquareAttacked(position_.squares, to, OtherColour(context.colour), from);
    if (context.inCheck)
        return !ComputerAI::IsSquareAttacked(BoardAfter(position_.squares, from, to, -1),
                                             context.kingSquare, OtherColour(context.colour));
    if (context.pinDirection != NoDirection)
        return Tables.lineDirection[context.kingSquare][to] == context.pinDirection;
    return true;
}

bool SearchBoard::IsLegalEnPassant(int from, int to, int victim) const
{
    const int king = kingSquare_[sideToMove_];
    return king < 0
           || !ComputerAI::IsSquareAttacked(BoardAfter(position_.squares, from, to, victim), king,
                                            OtherColour(sideToMove_));
}

// The pawn that a diagonal pawn step from `from` to `to` takes en passant:
// the previous move must be a straight two-row move onto the square directly
// behind the destination, and a pawn must stand there. -1 when there is none.
int SearchBoard::EnPassantVictim(int from, int to) const
{
    if (previousTo_ < 0 || !IsPawn(position_.squares.cells[from]))
        return -1;
    if (ColumnOf(previousFrom_) != ColumnOf(previousTo_) || ColumnOf(to) != ColumnOf(previousTo_))
        return -1;
    const int rowsMoved = RowOf(previousFrom_) - RowOf(previousTo_);
    if (rowsMoved != 2 && rowsMoved != -2)
        return -1;
    if (!IsPawn(position_.squares.cells[previousTo_]))
        return -1;
    if (RowOf(previousTo_) - RowOf(to) != (sideToMove_ == White ? -1 : 1))
        return -1;
    return previousTo_;
}

// Castling by the king on `from` to `to` (two columns along its home row):
// the king and that rook unmoved and the rook on its corner, the squares
// between them empty, the king not in check and neither the square it
// passes nor the one it lands on attacked.
bool SearchBoard::CastlingAllowed(int from, int to) const
{
    const Colour colour = sideToMove_;
    const int home = HomeRow(colour);
    const auto& flags = position_.castleFlags;
    const auto& cells = position_.squares.cells;
    if (from != SquareOf(5, home) || flags(colour, BoardSupport::CastleKing))
        return false;
    if (position_.checkedSide == colour)
        return false;
    int passage = 0;
    if (to == SquareOf(3, home)) {
        if (flags(colour, BoardSupport::QueenSideRook) || cells[SquareOf(1, home)] != RookOf(colour))
            return false;
        if (cells[SquareOf(2, home)] || cells[SquareOf(3, home)] || cells[SquareOf(4, home)])
            return false;
        passage = SquareOf(4, home);
    } else if (to == SquareOf(7, home)) {
        if (flags(colour, BoardSupport::KingSideRook) || cells[SquareOf(8, home)] != RookOf(colour))
            return false;
        if (cells[SquareOf(6, home)] || cells[SquareOf(7, home)])
            return false;
        passage = SquareOf(6, home);
    } else {
        return false;
    }
    const Colour opponent = OtherColour(colour);
    return !ComputerAI::IsSquareAttacked(position_.squares, passage, opponent, from)
           && !ComputerAI::IsSquareAttacked(position_.squares, to, opponent, from);
}

template <typename Sink>
bool SearchBoard::GeneratePieceMoves(int from, Promotions promotions, Sink& sink) const
{
    const auto& cells = position_.squares.cells;
    const int code = cells[from];
    const Colour colour = sideToMove_;
    if (!IsPieceOfColour(code, colour))
        return false;
    const PieceContext context = ContextFor(from);
    const int kind = KindOf(code);

    auto walk = [&](int firstDirection, int lastDirection) {
        for (int d = firstDirection; d <= lastDirection; ++d) {
            const SquareList& ray = Tables.rays[from][d];
            for (int i = 0; i < ray.count; ++i) {
                const int to = ray.squares[i];
                const int target = cells[to];
                if (!MayEnter(target, colour))
                    break;
                if (IsLegal(context, from, to) && sink(from, to, 0))
                    return true;
                if (target != 0)
                    break;
            }
        }
        return false;
    };

    switch (kind) {
    case Rook:
        return walk(Left, Up);
    case Bishop:
        return walk(DownLeft, UpRight);
    case Queen:
        return walk(Left, UpRight);
    case Knight: {
        if (context.pinDirection != NoDirection)
            return false; // a pinned knight can never stay on its line
        const SquareList& targets = Tables.knightTargets[from];
        for (int i = 0; i < targets.count; ++i) {
            const int to = targets.squares[i];
            if (MayEnter(cells[to], colour) && IsLegal(context, from, to) && sink(from, to, 0))
                return true;
        }
        return false;
    }
    case King: {
        const SquareList& targets = Tables.kingTargets[from];
        for (int i = 0; i < targets.count; ++i) {
            const int to = targets.squares[i];
            if (MayEnter(cells[to], colour) && IsLegal(context, from, to) && sink(from, to, 0))
                return true;
        }
        const int column = ColumnOf(from);
        for (const int toColumn : {column - 2, column + 2}) {
            if (toColumn < 1 || toColumn > 8)
                continue;
            const int to = from + (toColumn - column);
            if (MayEnter(cells[to], colour) && CastlingAllowed(from, to) && sink(from, to, 0))
                return true;
        }
        return false;
    }
    case Pawn: {
        const int row = RowOf(from);
        const int forwardRow = row + ForwardStep(colour);
        if (forwardRow < 1 || forwardRow > 8)
            return false;
        const int step = ForwardStep(colour) * 8;
        const bool promotes = forwardRow == HomeRow(OtherColour(colour));
        const int offset = colour * BlackOffset;
        auto emit = [&](int to) {
            if (!promotes)
                return sink(from, to, 0);
            if (sink(from, to, WhiteQueen + offset))
                return true;
            if (promotions == Promotions::QueenOnly)
                return false;
            return sink(from, to, WhiteRook + offset) || sink(from, to, WhiteBishop + offset)
                   || sink(from, to, WhiteKnight + offset);
        };

        const int ahead = from + step;
        if (cells[ahead] == 0) {
            if (IsLegal(context, from, ahead) && emit(ahead))
                return true;
            const int twoAhead = ahead + step;
            if (row == HomeRow(colour) + ForwardStep(colour) && cells[twoAhead] == 0
                && IsLegal(context, from, twoAhead) && emit(twoAhead))
                return true;
        }
        const int column = ColumnOf(from);
        const int sideColumns[2] = {column - 1, column + 1};
        for (const int toColumn : sideColumns) {
            if (toColumn < 1 || toColumn > 8)
                continue;
            const int to = ahead + (toColumn - column);
            if (!MayEnter(cells[to], colour))
                continue;
            const int victim = EnPassantVictim(from, to);
            if (victim >= 0 && IsLegalEnPassant(from, to, victim) && emit(to))
                return true;
        }
        for (const int toColumn : sideColumns) {
            if (toColumn < 1 || toColumn > 8)
                continue;
            const int to = ahead + (toColumn - column);
            if (IsOpponentPiece(cells[to], colour) && !IsKing(cells[to]) && IsLegal(context, from, to)
                && emit(to))
                return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void SearchBoard::GenerateMoves(SearchMoveList& list, Promotions promotions) const
{
    ListSink sink{list};
    const auto& cells = position_.squares.cells;
    for (int square = 0; square < 64; ++square)
        if (IsPieceOfColour(cells[square], sideToMove_))
            GeneratePieceMoves(square, promotions, sink);
}

void SearchBoard::GenerateMoves(BoardSupport::Square square, SearchMoveList& list,
                                Promotions promotions) const
{
    if (!square.OnBoard())
        return;
    ListSink sink{list};
    GeneratePieceMoves(SquareOf(square.column, square.row), promotions, sink);
}

bool SearchBoard::HasLegalMove() const
{
    AnyMoveSink sink;
    const auto& cells = position_.squares.cells;
    for (int square = 0; square < 64; ++square)
        if (IsPieceOfColour(cells[square], sideToMove_)
            && GeneratePieceMoves(square, Promotions::QueenOnly, sink))
            return true;
    return false;
}

CheckState SearchBoard::GetCheckState(bool testMate) const
{
    if (position_.checkedSide != sideToMove_)
        return NotInCheck;
    return testMate && !HasLegalMove() ? Checkmate : InCheck;
}

bool SearchBoard::MoveLeavesKingSafe(const SearchMove& move) const
{
    if (!BoardSquares::OnBoard(move.fromColumn, move.fromRow)
        || !BoardSquares::OnBoard(move.toColumn, move.toRow))
        return false;
    const int from = SquareOf(move.fromColumn, move.fromRow);
    const int to = SquareOf(move.toColumn, move.toRow);
    const Colour colour = IsBlackPiece(position_.squares.cells[from]) ? Black : White;
    const int victim = IsPawn(position_.squares.cells[from]) && move.fromColumn != move.toColumn
                               && position_.squares.cells[to] == 0
                           ? SquareOf(move.toColumn, move.fromRow)
                           : -1;
    const BoardSquares after = BoardAfter(position_.squares, from, to, victim);
    const int king = kingSquare_[colour] == from ? to : kingSquare_[colour];
    return king < 0 || !ComputerAI::IsSquareAttacked(after, king, OtherColour(colour));
}

} // namespace ComputerAI
