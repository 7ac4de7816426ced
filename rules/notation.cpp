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
Disambiguation Disambiguate(int piece, int fromColumn, int fromRow, int toColumn, int toRow,
                            int captureMode, const BoardSquares& boardBefore, int sideToMove,
                            std::string_view previousMove)
{
    Position before;
    before.squares = boardBefore;
    bool onFromRow = false;
    bool onFromColumn = false;
    bool elsewhere = false;
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            if (boardBefore(column, row) != piece || (column == fromColumn && row == fromRow)
                || (column == toColumn && row == toRow))
                continue;
            if (!ValidateMove(before, sideToMove, piece, column, row, toColumn, toRow, captureMode,
                              NeitherColour, previousMove))
                continue;
            // A rival that is pinned to its king could not make the move.
            Position rivalMoved = before;
            rivalMoved.squares.Set(toColumn, toRow, piece);
            rivalMoved.squares.Set(column, row, Empty);
            if (IsInCheck(rivalMoved, sideToMove))
                continue;
            if (row == fromRow)
                onFromRow = true;
            else if (column == fromColumn)
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

bool IsPromotionMove(int piece, int toRow, int sideToMove)
{
    if (!IsPawn(piece))
        return false;
    return sideToMove == White ? toRow == 8 : sideToMove == Black && toRow == 1;
}

std::string BuildMoveNotation(int piece, int fromColumn, int fromRow, int toColumn, int toRow,
                              int captureMode, int checkedSide, const BoardSquares& boardBefore,
                              bool drawFlag, int castleType, int sideToMove, bool checkmated,
                              std::string_view previousMove)
{
    std::string text;
    if (castleType >= 1) {
        text = toColumn == 3 ? "0-0-0" : "0-0";
    } else {
        const bool captures = captureMode == ToOccupiedSquare;
        const bool onBoard = BoardSquares::OnBoard(fromColumn, fromRow);
        const int movedCode = onBoard ? boardBefore(fromColumn, fromRow) : Empty;
        Disambiguation needed;
        bool enPassant = false;
        std::string_view promotion;
        if (IsPromotionMove(movedCode, toRow, sideToMove)) {
            needed.file = captures;
            promotion = PieceLetter(piece);
            if (promotion == "K")
                promotion = "";
        } else {
            if (IsPawn(piece)) {
                Position before;
                before.squares = boardBefore;
                enPassant = GetEnPassantCapture(before, fromColumn, fromRow, toColumn, toRow,
                                                previousMove, sideToMove)
                                .IsCapture();
                // A pawn capture always names the file it came from, also
                // on the first move of a set-up game.
                needed.file = captures || enPassant;
            } else {
                text += PieceLetter(piece);
                needed = Disambiguate(piece, fromColumn, fromRow, toColumn, toRow, captureMode,
                                      boardBefore, sideToMove, previousMove);
            }
        }
        if (needed.file)
            text += FileLetter(fromColumn);
        if (needed.row)
            text += RowDigit(fromRow);
        if (captures || enPassant)
            text += 'x';
        text += FileLetter(toColumn);
        text += RowDigit(toRow);
        if (enPassant)
            text += "ep";
        if (!promotion.empty()) {
            text += '=';
            text += promotion;
        }
    }
    if (checkedSide >= 0)
        text += '+';
    if (checkmated)
        text += '+';
    if (drawFlag)
        text += " 1/2-1/2";
    return text;
}

} // namespace BoardSupport
