#include "bench/fen_reader.h"

#include "rules/piece.h"

#include <sstream>

namespace Bench {

using namespace MoveValidation;

namespace {

int CodeOfLetter(char letter)
{
    switch (letter) {
    case 'R':
        return WhiteRook;
    case 'N':
        return WhiteKnight;
    case 'B':
        return WhiteBishop;
    case 'Q':
        return WhiteQueen;
    case 'K':
        return WhiteKing;
    case 'P':
        return WhitePawn;
    case 'r':
        return BlackRook;
    case 'n':
        return BlackKnight;
    case 'b':
        return BlackBishop;
    case 'q':
        return BlackQueen;
    case 'k':
        return BlackKing;
    case 'p':
        return BlackPawn;
    default:
        return Empty;
    }
}

bool ReadPlacement(const std::string& placement, BoardSupport::BoardSquares& squares)
{
    int row = 8;
    int column = 1;
    for (const char c : placement) {
        if (c == '/') {
            if (column != 9 || row == 1)
                return false;
            --row;
            column = 1;
        } else if (c >= '1' && c <= '8') {
            column += c - '0';
            if (column > 9)
                return false;
        } else {
            const int code = CodeOfLetter(c);
            if (code == Empty || column > 8)
                return false;
            squares.Set(column++, row, code);
        }
    }
    return row == 1 && column == 9;
}

} // namespace

std::optional<FenSetup> ReadFen(std::string_view fen)
{
    std::istringstream fields{std::string(fen)};
    std::string placement, side, castling = "-", enPassant = "-";
    if (!(fields >> placement >> side))
        return std::nullopt;
    fields >> castling >> enPassant;

    FenSetup setup;
    if (!ReadPlacement(placement, setup.position.squares))
        return std::nullopt;
    if (side != "w" && side != "b")
        return std::nullopt;
    setup.sideToMove = side == "w" ? White : Black;

    auto& flags = setup.position.castleFlags; // all moved until a right says otherwise
    for (const char c : castling) {
        const int colour = (c == 'K' || c == 'Q') ? White : Black;
        if (c == 'K' || c == 'k')
            flags(colour, BoardSupport::KingSideRook) = false;
        else if (c == 'Q' || c == 'q')
            flags(colour, BoardSupport::QueenSideRook) = false;
        else if (c != '-')
            return std::nullopt;
        if (c != '-')
            flags(colour, BoardSupport::CastleKing) = false;
    }

    if (enPassant != "-") {
        if (enPassant.size() != 2 || enPassant[0] < 'a' || enPassant[0] > 'h'
            || (enPassant[1] != '3' && enPassant[1] != '6'))
            return std::nullopt;
        const int column = enPassant[0] - 'a' + 1;
        // e3 means White just played e2-e4; e6 that Black played e7-e5.
        setup.previousMove = enPassant[1] == '3' ? BoardSupport::Move{{column, 2}, {column, 4}}
                                                 : BoardSupport::Move{{column, 7}, {column, 5}};
    }
    return setup;
}

} // namespace Bench
