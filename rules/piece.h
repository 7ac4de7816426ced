#pragma once
// Piece codes as the board squares hold them: 0 empty; White 1 rook,
// 2 knight, 3 bishop, 4 queen, 5 king, 6 pawn; Black the same kinds + 6.

namespace MoveValidation {

enum PieceCode : int {
    Empty = 0,
    WhiteRook = 1, WhiteKnight, WhiteBishop, WhiteQueen, WhiteKing, WhitePawn,
    BlackRook = 7, BlackKnight, BlackBishop, BlackQueen, BlackKing, BlackPawn,
};

enum PieceKind : int { NoPiece = 0, Rook = 1, Knight, Bishop, Queen, King, Pawn };

constexpr int BlackOffset = 6;

constexpr bool IsWhitePiece(int code) { return code >= 1 && code <= 6; }
constexpr bool IsBlackPiece(int code) { return code >= 7 && code <= 12; }
constexpr PieceKind KindOf(int code)
{
    return code <= 0 || code > 12 ? NoPiece : static_cast<PieceKind>(code > 6 ? code - 6 : code);
}

} // namespace MoveValidation
