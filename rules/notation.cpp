#include "rules/notation.h"

#include "rules/check.h"
#include "rules/piece.h"
#include "rules/validation.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

char FileLetter(int column)
{
    return static_cast<char>('a' + column - 1);
}
char RowDigit(int row)
{
    return static_cast<char>('0' + row);
}

// "R", "N", "B", "Q", "K" by kind; a pawn or an unknown code has none.
std::string_view PieceLetter(int code)
{
    switch (KindOf(code)) {
    case Rook:
        return "R";
    case Knight:
        return "N";
    case Bishop:
        return "B";
    case Queen:
        return "Q";
    case King:
        return "K";
    default:
        return "";
    }
}

struct Disambiguation {
    bool file = false;
    bool row = false;
};

// Which parts of the from square tell this piece apart from the other
// pieces of its code that could also have gone to the destination, legally:
// a rival pinned to its own king does not count. The test
// runs on the board before the move, where the destination still held what
// was taken (or nothing) and the moving piece still blocked its own square.
Disambiguation Disambiguate(const PieceMove& made, const BoardSquares& boardBefore, Move previousMove)
{
    const auto [sideToMove, piece, move, captureMode] = made;
    Position before;
    before.squares = boardBefore;
    bool onFromRow = false;
    bool onFromColumn = false;
    bool elsewhere = false;
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            const Square rival{column, row};
            if (boardBefore.At(rival) != piece || rival == move.from || rival == move.to)
                continue;
            if (!ValidateMove(before, {sideToMove, piece, {rival, move.to}, captureMode}, NeitherColour,
                              previousMove))
                continue;
            // A rival that is pinned to its king could not make the move.
            Position rivalMoved = before;
            rivalMoved.squares.Set(move.to, piece);
            rivalMoved.squares.Set(rival, Empty);
            if (IsInCheck(rivalMoved, sideToMove))
                continue;
            if (row == move.from.row)
                onFromRow = true;
            else if (column == move.from.column)
                onFromColumn = true;
            else
                elsewhere = true;
        }
    }
    // The file tells apart a piece on the same row, the row one on the same
    // column; a piece on neither is told apart by the file (Nbd2) unless the
    // row is written anyway.
    return Disambiguation{onFromRow || (elsewhere && !onFromColumn), onFromColumn};
}

} // namespace

bool IsPromotionMove(PieceCode piece, int toRow, Colour sideToMove)
{
    if (!IsPawn(piece))
        return false;
    return sideToMove == White ? toRow == 8 : sideToMove == Black && toRow == 1;
}

std::string BuildMoveNotation(const PieceMove& made, const BoardSquares& boardBefore,
                              CastleType castleType, Move previousMove, const MoveOutcome& outcome)
{
    const auto [sideToMove, piece, move, captureMode] = made;
    const Square from = move.from;
    const Square to = move.to;
    std::string text;
    if (castleType >= 1) {
        text = to.column == 3 ? "0-0-0" : "0-0";
    } else {
        const bool captures = captureMode == ToOccupiedSquare;
        const PieceCode movedCode = from.OnBoard() ? boardBefore.At(from) : Empty;
        Disambiguation needed;
        bool enPassant = false;
        std::string_view promotion;
        if (IsPromotionMove(movedCode, to.row, sideToMove)) {
            needed.file = captures;
            promotion = PieceLetter(piece);
            if (promotion == "K")
                promotion = "";
        } else {
            if (IsPawn(piece)) {
                Position before;
                before.squares = boardBefore;
                enPassant = GetEnPassantCapture(before, move, previousMove, sideToMove).IsCapture();
                // A pawn capture always names the file it came from, also
                // on the first move of a set-up game.
                needed.file = captures || enPassant;
            } else {
                text += PieceLetter(piece);
                needed = Disambiguate(made, boardBefore, previousMove);
            }
        }
        if (needed.file)
            text += FileLetter(from.column);
        if (needed.row)
            text += RowDigit(from.row);
        if (captures || enPassant)
            text += 'x';
        text += FileLetter(to.column);
        text += RowDigit(to.row);
        if (enPassant)
            text += "ep";
        if (!promotion.empty()) {
            text += '=';
            text += promotion;
        }
    }
    if (outcome.checkedSide >= 0)
        text += '+';
    if (outcome.checkmated)
        text += '+';
    if (outcome.drawFlag)
        text += " 1/2-1/2";
    return text;
}

} // namespace BoardSupport
