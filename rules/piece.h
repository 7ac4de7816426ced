#pragma once
// Piece codes as the board squares hold them: 0 empty; White 1 rook,
// 2 knight, 3 bishop, 4 queen, 5 king, 6 pawn; Black the same kinds + 6.

namespace MoveValidation {

enum PieceCode : int {
    Empty = 0,
    WhiteRook = 1,
    WhiteKnight,
    WhiteBishop,
    WhiteQueen,
    WhiteKing,
    WhitePawn,
    BlackRook = 7,
    BlackKnight,
    BlackBishop,
    BlackQueen,
    BlackKing,
    BlackPawn,
};

enum PieceKind : int { NoPiece = 0, Rook = 1, Knight, Bishop, Queen, King, Pawn };

// Colours as every rule routine takes them.
enum Colour : int { White = 0, Black = 1 };

constexpr int BlackOffset = 6;

constexpr bool IsWhitePiece(int code)
{
    return code >= 1 && code <= 6;
}
constexpr bool IsBlackPiece(int code)
{
    return code >= 7 && code <= 12;
}
constexpr bool IsPawn(int code)
{
    return code == WhitePawn || code == BlackPawn;
}
constexpr bool IsKing(int code)
{
    return code == WhiteKing || code == BlackKing;
}
constexpr PieceKind KindOf(int code)
{
    return code <= 0 || code > 12 ? NoPiece : static_cast<PieceKind>(code > 6 ? code - 6 : code);
}

// True when the code is a piece of that colour.
constexpr bool IsPieceOfColour(int code, Colour colour)
{
    return colour == White ? IsWhitePiece(code) : IsBlackPiece(code);
}

constexpr Colour OtherColour(Colour colour)
{
    return colour == White ? Black : White;
}
constexpr PieceCode KingOf(Colour colour)
{
    return colour == White ? WhiteKing : BlackKing;
}
constexpr PieceCode RookOf(Colour colour)
{
    return colour == White ? WhiteRook : BlackRook;
}

// A colour's back rank and the direction its pawns move in.
constexpr int HomeRow(Colour colour)
{
    return colour == White ? 1 : 8;
}
constexpr int ForwardStep(Colour colour)
{
    return colour == White ? 1 : -1;
}

} // namespace MoveValidation
