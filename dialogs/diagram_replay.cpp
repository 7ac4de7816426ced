#include "dialogs/diagram_replay.h"

#include "rules/validation.h"

namespace Support {

using BoardSupport::BoardSquares;
using namespace MoveValidation;

char PieceFontChar(const BoardSquares& squares, int column, int row)
{
    static const char light[13] = {' ', 'r', 'n', 'b', 'q', 'k', 'p', 'R', 'N', 'B', 'Q', 'K', 'P'};
    static const char dark[13] = {'/', 't', 'm', 'v', 'w', 'l', 'o', 'T', 'M', 'V', 'W', 'L', 'O'};
    const int code = BoardSquares::OnBoard(column, row) ? squares(column, row) : 0;
    const int index = code >= 1 && code <= 12 ? code : 0;
    const bool isLight = ((column + 1) % 2 + row) % 2 == 0;
    return isLight ? light[index] : dark[index];
}

DiagramText DiagramLines(const BoardSquares& squares, bool whiteAtBottom)
{
    DiagramText lines;
    lines[0] = "5111111116";
    for (int line = 1; line <= 8; ++line) {
        const int row = whiteAtBottom ? 9 - line : line;
        std::string text = "3";
        for (int step = 1; step <= 8; ++step)
            text += PieceFontChar(squares, whiteAtBottom ? step : 9 - step, row);
        lines[std::size_t(line)] = text + "2";
    }
    lines[9] = "7444444448";
    return lines;
}

namespace {

// The piece a pawn becomes: the letter after the first "=" of the notation,
// of the mover's colour; no promotion without one.
int PromotedPiece(const std::string& notation, int colour)
{
    const std::size_t equals = notation.find('=');
    if (equals == std::string::npos || equals + 1 >= notation.size())
        return Empty;
    const int offset = colour == White ? 0 : BlackOffset;
    switch (notation[equals + 1]) {
    case 'R':
        return WhiteRook + offset;
    case 'N':
        return WhiteKnight + offset;
    case 'B':
        return WhiteBishop + offset;
    case 'Q':
        return WhiteQueen + offset;
    default:
        return Empty;
    }
}

} // namespace

std::vector<BoardSquares> ReplayDiagramBoards(const BoardSupport::Position& start, const MoveList& moves)
{
    BoardSupport::Position position = start;
    std::string previousMove(BoardSupport::NoMove);
    std::vector<BoardSquares> boards;
    boards.reserve(moves.size());
    for (const MoveRecord& row : moves) {
        const auto move = BoardSupport::ParseLastMove(row.coordinates);
        // A surrender or a draw entry names its maker's king square twice:
        // nothing moves.
        const bool standsStill =
            move && move->fromColumn == move->toColumn && move->fromRow == move->toRow;
        const int piece = move ? position.squares(move->fromColumn, move->fromRow) : int(Empty);
        if (move && !standsStill && piece != Empty) {
            const int colour = IsWhitePiece(piece) ? White : Black;
            const int castle = GetCastleType(position, colour, move->fromColumn, move->fromRow,
                                             move->toColumn, move->toRow);
            const EnPassantCapture taken =
                GetEnPassantCapture(position, move->fromColumn, move->fromRow, move->toColumn,
                                    move->toRow, previousMove, colour);
            const int promoted = IsPawn(piece) ? PromotedPiece(row.notation, colour) : int(Empty);
            position.squares.Set(move->toColumn, move->toRow, promoted != Empty ? promoted : piece);
            position.squares.Set(move->fromColumn, move->fromRow, Empty);
            if (taken.IsCapture())
                position.squares.Set(taken.column, taken.row, Empty);
            if (castle != NoCastle) {
                const int home = HomeRow(colour);
                const bool queenSide = castle == QueenSideCastle;
                position.squares.Set(queenSide ? 1 : 8, home, Empty);
                position.squares.Set(queenSide ? 4 : 6, home, RookOf(colour));
            }
            position.castleFlags = BoardSupport::CastleFlagsFromSquares(position.squares);
            previousMove = row.coordinates;
        }
        boards.push_back(position.squares);
    }
    return boards;
}

} // namespace Support
