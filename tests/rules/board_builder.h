#pragma once
// Test positions written as piece lists: "Ke1 Rh1 Pe2 ke8 pd7" (upper case
// White, lower case Black; K Q R B N P) on an otherwise empty board. The
// castling flags come from the squares, as when a stored position is opened.

#include "rules/position.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace TestBoards {

inline int CodeForLetter(char letter)
{
    const bool black = letter >= 'a' && letter <= 'z';
    int code = 0;
    switch (black ? static_cast<char>(letter - 'a' + 'A') : letter) {
    case 'R':
        code = MoveValidation::WhiteRook;
        break;
    case 'N':
        code = MoveValidation::WhiteKnight;
        break;
    case 'B':
        code = MoveValidation::WhiteBishop;
        break;
    case 'Q':
        code = MoveValidation::WhiteQueen;
        break;
    case 'K':
        code = MoveValidation::WhiteKing;
        break;
    case 'P':
        code = MoveValidation::WhitePawn;
        break;
    default:
        throw std::invalid_argument(std::string("no piece letter ") + letter);
    }
    return black ? code + MoveValidation::BlackOffset : code;
}

inline BoardSupport::BoardSquares Squares(const std::string& pieces)
{
    BoardSupport::BoardSquares squares;
    std::istringstream in(pieces);
    std::string token;
    while (in >> token) {
        if (token.size() != 3)
            throw std::invalid_argument("bad piece token " + token);
        squares.Set(token[1] - 'a' + 1, token[2] - '0', CodeForLetter(token[0]));
    }
    return squares;
}

// The position as InitialiseBoard builds it from these squares.
inline BoardSupport::Position Board(const std::string& pieces)
{
    BoardSupport::Position position;
    if (!BoardSupport::InitialiseBoard(position, BoardSupport::FormatPositionString(Squares(pieces))))
        throw std::logic_error("builder produced a malformed position string");
    return position;
}

} // namespace TestBoards
