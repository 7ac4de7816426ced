#include "rules/position.h"

#include "rules/check.h"

namespace BoardSupport {

using namespace MoveValidation;

namespace {

constexpr std::size_t GroupLength = 16;
constexpr std::size_t PositionStringLength = 8 * GroupLength + 7;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool IsWellFormedPositionString(std::string_view text)
{
    if (text.size() != PositionStringLength)
        return false;
    for (std::size_t row = 0; row < 8; ++row) {
        const std::size_t start = row * (GroupLength + 1);
        if (row > 0 && text[start - 1] != ';')
            return false;
        for (std::size_t column = 0; column < 8; ++column) {
            const char tens = text[start + 2 * column];
            const char units = text[start + 2 * column + 1];
            if (!IsDigit(tens) || !IsDigit(units))
                return false;
            if ((tens - '0') * 10 + (units - '0') > BlackPawn)
                return false;
        }
    }
    return true;
}

std::optional<BoardSquares> ParsePositionString(std::string_view text)
{
    if (text.empty())
        text = StartPositionString;
    if (!IsWellFormedPositionString(text))
        return std::nullopt;
    BoardSquares squares;
    for (int row = 1; row <= 8; ++row) {
        const std::size_t start = static_cast<std::size_t>(row - 1) * (GroupLength + 1);
        for (int column = 1; column <= 8; ++column) {
            const std::size_t at = start + 2 * static_cast<std::size_t>(column - 1);
            squares.Set(column, row, (text[at] - '0') * 10 + (text[at + 1] - '0'));
        }
    }
    return squares;
}

std::string FormatPositionString(const BoardSquares& squares)
{
    std::string text;
    text.reserve(PositionStringLength);
    for (int row = 1; row <= 8; ++row) {
        if (row > 1)
            text += ';';
        for (int column = 1; column <= 8; ++column) {
            const int code = squares(column, row);
            text += static_cast<char>('0' + code / 10);
            text += static_cast<char>('0' + code % 10);
        }
    }
    return text;
}

CastleFlags CastleFlagsFromSquares(const BoardSquares& squares)
{
    CastleFlags flags;
    flags(White, QueenSideRook) = squares(1, 1) != WhiteRook;
    flags(White, CastleKing) = squares(5, 1) != WhiteKing;
    flags(White, KingSideRook) = squares(8, 1) != WhiteRook;
    flags(Black, QueenSideRook) = squares(1, 8) != BlackRook;
    flags(Black, CastleKing) = squares(5, 8) != BlackKing;
    flags(Black, KingSideRook) = squares(8, 8) != BlackRook;
    return flags;
}

std::optional<Position> PositionFromString(std::string_view positionText)
{
    const std::optional<BoardSquares> squares = ParsePositionString(positionText);
    if (!squares)
        return std::nullopt;
    Position position;
    position.squares = *squares;
    position.castleFlags = CastleFlagsFromSquares(*squares);
    // White first: when both kings are attacked, White counts as checked.
    if (IsInCheck(position, White))
        position.checkedSide = White;
    else if (IsInCheck(position, Black))
        position.checkedSide = Black;
    else
        position.checkedSide = NoSideChecked;
    return position;
}

bool InitialiseBoard(Position& position, std::string_view positionText)
{
    const std::optional<Position> built = PositionFromString(positionText);
    if (!built)
        return false;
    position = *built;
    return true;
}

void InitialiseNewBoard(Position& position, bool emptyBoard)
{
    position.squares = *ParsePositionString(emptyBoard ? EmptyBoardString : StartPositionString);
    position.castleFlags = CastleFlagsFromSquares(position.squares);
    position.checkedSide = NoSideChecked;
}

Position StartPosition()
{
    Position position;
    InitialiseNewBoard(position, false);
    return position;
}

bool FindPiece(const BoardSquares& squares, MoveValidation::PieceCode piece, Square& square)
{
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (squares(c, r) == piece) {
                square = {c, r};
                return true;
            }
    return false;
}

BoardSnapshot SaveBoardState(const Position& position, bool checkmated, bool stateFlag)
{
    return BoardSnapshot{position.squares, position.castleFlags, position.checkedSide, checkmated,
                         stateFlag};
}

void RestoreBoardState(const BoardSnapshot& snapshot, Position& position, bool& checkmated,
                       bool& stateFlag, bool* mayMove)
{
    position.squares = snapshot.squares;
    position.castleFlags = snapshot.castleFlags;
    position.checkedSide = snapshot.checkedSide;
    checkmated = snapshot.checkmated;
    stateFlag = snapshot.stateFlag;
    if (mayMove)
        *mayMove = true;
}

} // namespace BoardSupport
