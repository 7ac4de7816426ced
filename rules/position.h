#pragma once
// The chess position as a plain value: the 64 squares, the castling flags and
// the side whose king stands in check. The board window keeps one; the search
// works on its own copy. Copying is cheap (no heap memory), so routines that
// need to try a move do it on a local copy.

#include "rules/move.h"
#include "rules/piece.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace BoardSupport {

// CheckedSide values: the colour whose king is attacked, or neither.
constexpr int NoSideChecked = -1;
// The checked side that silent callers hand to the move rules when the
// castling-out-of-check test must not refuse anything: it matches no colour.
constexpr int NeitherColour = 2;

// The 8x8 board, indexed (column, row), both 1-based: column 1..8 are files
// a..h, row 1 is White's back rank. Cells are stored column-fastest, element
// (column - 1) + (row - 1) * 8, so cells[0] is a1, cells[7] is h1, cells[63] h8.
struct BoardSquares {
    std::array<std::int8_t, 64> cells{};

    static constexpr bool OnBoard(int column, int row)
    {
        return column >= 1 && column <= 8 && row >= 1 && row <= 8;
    }
    static constexpr int IndexOf(int column, int row) { return (column - 1) + (row - 1) * 8; }

    // Callers must stay on the board (check OnBoard first).
    constexpr int operator()(int column, int row) const { return cells[IndexOf(column, row)]; }
    constexpr std::int8_t& operator()(int column, int row) { return cells[IndexOf(column, row)]; }
    constexpr void Set(int column, int row, int code)
    {
        cells[IndexOf(column, row)] = static_cast<std::int8_t>(code);
    }
    // The same by square.
    constexpr MoveValidation::PieceCode At(Square square) const
    {
        return static_cast<MoveValidation::PieceCode>(cells[IndexOf(square.column, square.row)]);
    }
    constexpr void Set(Square square, int code) { Set(square.column, square.row, code); }

    friend bool operator==(const BoardSquares&, const BoardSquares&) = default;
};

// The piece a castling flag belongs to.
enum CastlePiece : int { QueenSideRook = 0, CastleKing = 1, KingSideRook = 2 };

// Indexed (colour, piece). True means that piece has moved or is gone, so
// castling on that side is no longer allowed. A default set forbids all
// castling, as on an empty board.
struct CastleFlags {
    std::array<bool, 6> moved{true, true, true, true, true, true};

    constexpr bool operator()(int colour, int piece) const { return moved[colour * 3 + piece]; }
    constexpr bool& operator()(int colour, int piece) { return moved[colour * 3 + piece]; }

    friend bool operator==(const CastleFlags&, const CastleFlags&) = default;
};

struct Position {
    BoardSquares squares;
    CastleFlags castleFlags;
    int checkedSide = NoSideChecked; // 0 White in check, 1 Black, -1 neither

    friend bool operator==(const Position&, const Position&) = default;
};

// ---- Position strings -------------------------------------------------------
// Eight ";"-joined groups, row 1 first, each the eight squares of that row,
// column 1 first, as two-digit piece codes "00".."12"; 135 characters.

inline constexpr std::string_view StartPositionString =
    "0102030405030201;0606060606060606;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;1212121212121212;0708091011090807";
inline constexpr std::string_view EmptyBoardString =
    "0000000000000000;0000000000000000;0000000000000000;0000000000000000;"
    "0000000000000000;0000000000000000;0000000000000000;0000000000000000";

// True for the exact format above. The empty text is not well formed here;
// ParsePositionString gives it its stored meaning (the start position).
bool IsWellFormedPositionString(std::string_view text);

// The squares a position string describes. An empty text stands for the
// standard start position. Anything else that is not exactly 8 groups of 8
// codes 00..12 gives no board at all: replaying moves on a guessed board
// would corrupt the game.
std::optional<BoardSquares> ParsePositionString(std::string_view text);

std::string FormatPositionString(const BoardSquares& squares);

// ---- Setting up a position --------------------------------------------------

// Castling rights from the squares alone: a flag is False exactly when its
// piece stands on its home square (a1/e1/h1 for White, a8/e8/h8 for Black).
CastleFlags CastleFlagsFromSquares(const BoardSquares& squares);

// Builds the position a game starts from: squares from the text (empty = the
// start position), castling flags from the squares, checked side 0 when
// White's king is attacked, else 1 when Black's is, else -1. Returns false and
// leaves the position untouched when the text is malformed.
bool InitialiseBoard(Position& position, std::string_view positionText);

// A new game: the empty board or the start position, nobody in check.
void InitialiseNewBoard(Position& position, bool emptyBoard);

Position StartPosition();
// The position a string describes, or none when the string is malformed.
std::optional<Position> PositionFromString(std::string_view positionText);

// ---- Searching and copying --------------------------------------------------

// First square holding that code, scanning rows 1..8 and in each row columns
// 1..8. Returns false and leaves the square untouched when there is none.
bool FindPiece(const BoardSquares& squares, MoveValidation::PieceCode piece, Square& square);

inline BoardSquares CopyBoard(const Position& position)
{
    return position.squares;
}

// 8 on a square whose column + row is even (a1, c1, b2 ... are dark), else 0:
// the offset of the dark-square cells in the piece picture strip.
constexpr int GetSquareShade(int column, int row)
{
    return (((row + 1) % 2 + column) % 2) * 8;
}

// ---- Snapshots --------------------------------------------------------------
// A caller-owned copy taken before a tentative move so that a refused move
// can be put back. The board window keeps its surrender flag as the state flag.

struct BoardSnapshot {
    BoardSquares squares;
    CastleFlags castleFlags;
    int checkedSide = NoSideChecked;
    bool checkmated = false;
    bool stateFlag = false;
};

BoardSnapshot SaveBoardState(const Position& position, bool checkmated, bool stateFlag);

// Puts the snapshot back into the position and the two flags; sets *mayMove
// True when it is given, and leaves it alone otherwise.
void RestoreBoardState(const BoardSnapshot& snapshot, Position& position, bool& checkmated,
                       bool& stateFlag, bool* mayMove = nullptr);

} // namespace BoardSupport
