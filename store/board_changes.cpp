#include "store/board_changes.h"

namespace BoardSupport {

using namespace MoveValidation;

void LogCastleState(CastleFlags& flags, Colour mover, int piece, Square square)
{
    if (piece == KingOf(mover))
        flags(mover, CastleKing) = true;
    if (piece == WhiteRook || piece == BlackRook) {
        const Colour colour = piece == WhiteRook ? White : Black;
        if (square.row != HomeRow(colour))
            return;
        if (square.column == 1)
            flags(colour, QueenSideRook) = true;
        else if (square.column == 8)
            flags(colour, KingSideRook) = true;
    }
}

MoveEffects EffectsOf(const Position& position, Colour mover, Move move, Move previousMove)
{
    return MoveEffects{GetCastleType(position, mover, move),
                       GetEnPassantCapture(position, move, previousMove, mover)};
}

void ApplyMove(Position& position, Colour mover, Move move, int landingPiece, const MoveEffects& effects)
{
    BoardSquares& squares = position.squares;
    // The piece that leaves is the one on the origin: a pawn that becomes a
    // rook is no corner rook.
    LogCastleState(position.castleFlags, mover, squares(move.to.column, move.to.row), move.to);
    LogCastleState(position.castleFlags, mover, squares(move.from.column, move.from.row), move.from);
    squares.Set(move.to.column, move.to.row, landingPiece);
    squares.Set(move.from.column, move.from.row, Empty);
    if (effects.enPassant.IsCapture())
        squares.Set(effects.enPassant.column, effects.enPassant.row, Empty);
    if (effects.castle == QueenSideCastle || effects.castle == KingSideCastle) {
        const int row = HomeRow(mover);
        const int rook = RookOf(mover);
        const int from = effects.castle == QueenSideCastle ? 1 : 8;
        const int to = effects.castle == QueenSideCastle ? 4 : 6;
        squares.Set(from, row, Empty);
        squares.Set(to, row, rook);
        LogCastleState(position.castleFlags, mover, rook, Square{from, row});
    }
}

} // namespace BoardSupport
