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
    BoardSupport::Move previousMove = BoardSupport::Move::None();
    std::vector<BoardSquares> boards;
    boards.reserve(moves.size());
    for (const MoveRecord& row : moves) {
        const auto move = BoardSupport::Move::Parse(row.coordinates);
        // A surrender or a draw entry names its maker's king square twice:
        // nothing moves.
        const bool standsStill = move && move->from == move->to;
        const int piece = move ? position.squares.At(move->from) : int(Empty);
        if (move && !standsStill && piece != Empty) {
            const Colour colour = IsWhitePiece(piece) ? White : Black;
            const CastleType castle = GetCastleType(position, colour, *move);
            const EnPassantCapture taken = GetEnPassantCapture(position, *move, previousMove, colour);
            const int promoted = IsPawn(piece) ? PromotedPiece(row.notation, colour) : int(Empty);
            position.squares.Set(move->to, promoted != Empty ? promoted : piece);
            position.squares.Set(move->from, Empty);
            if (taken.IsCapture())
                position.squares.Set(taken.column, taken.row, Empty);
            if (castle != NoCastle) {
                const int home = HomeRow(colour);
                const bool queenSide = castle == QueenSideCastle;
                position.squares.Set(queenSide ? 1 : 8, home, Empty);
                position.squares.Set(queenSide ? 4 : 6, home, RookOf(colour));
            }
            position.castleFlags = BoardSupport::CastleFlagsFromSquares(position.squares);
            previousMove = *move;
        }
        boards.push_back(position.squares);
    }
    return boards;
}

} // namespace Support
