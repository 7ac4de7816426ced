// The rules checked against known move-tree counts: every move a player
// could drop on the board (every from and to square, with the target named
// as the board window names it) is judged by ValidateMove, made, and kept
// when the mover's king is then safe. At every node of the tree the check,
// mate and stalemate answers must agree with that brute-force count.

#include "rules/check.h"
#include "rules/validation.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

using namespace BoardSupport;
using namespace MoveValidation;

namespace {

// Board part of a FEN text. Castling rights come from the squares, as the
// program derives them; the test positions match that.
Position FromFen(const char* fen)
{
    BoardSquares squares;
    int column = 1;
    int row = 8;
    for (const char* at = fen; *at && *at != ' '; ++at) {
        if (*at == '/') {
            --row;
            column = 1;
        } else if (*at >= '1' && *at <= '8') {
            column += *at - '0';
        } else {
            const char* letters = "RNBQKP";
            int code = static_cast<int>(std::strchr(letters, std::toupper(*at)) - letters) + 1;
            if (std::islower(*at))
                code += BlackOffset;
            squares.Set(column++, row, code);
        }
    }
    return *PositionFromString(FormatPositionString(squares));
}

// Plays a move as the board window does after ValidateMove allowed it.
Position Play(const Position& position, Colour colour, Move move, Move previousMove)
{
    const int fromColumn = move.from.column, fromRow = move.from.row;
    Position next = position;
    const int piece = position.squares.At(move.from);
    const EnPassantCapture enPassant = GetEnPassantCapture(position, move, previousMove, colour);
    if (enPassant.IsCapture())
        next.squares(enPassant.column, enPassant.row) = Empty;
    if (KindOf(piece) == King) {
        const int castle = GetCastleType(position, colour, move);
        if (castle != NoCastle) {
            next.squares(castle == QueenSideCastle ? 1 : 8, fromRow) = Empty;
            next.squares.Set(castle == QueenSideCastle ? 4 : 6, fromRow, RookOf(colour));
        }
        next.castleFlags(colour, CastleKing) = true;
    }
    if (KindOf(piece) == Rook)
        next.castleFlags(colour, fromColumn == 1 ? QueenSideRook : KingSideRook) = true;
    next.squares(fromColumn, fromRow) = Empty;
    next.squares.Set(move.to, piece);
    return next;
}

struct TreeCount {
    long leaves = 0;
    long mates = 0;
    long stalemates = 0;
};

void Walk(const Position& position, Colour colour, Move previousMove, int depth, TreeCount& count)
{
    if (depth == 0) {
        ++count.leaves;
        return;
    }
    long legal = 0;
    for (int fromRow = 1; fromRow <= 8; ++fromRow)
        for (int fromColumn = 1; fromColumn <= 8; ++fromColumn) {
            const PieceCode piece = position.squares.At({fromColumn, fromRow});
            if (!IsPieceOfColour(piece, colour))
                continue;
            long pieceMoves = 0;
            for (int toRow = 1; toRow <= 8; ++toRow)
                for (int toColumn = 1; toColumn <= 8; ++toColumn) {
                    if (toColumn == fromColumn && toRow == fromRow)
                        continue;
                    const PieceCode target = position.squares.At({toColumn, toRow});
                    const Move move{{fromColumn, fromRow}, {toColumn, toRow}};
                    if (!ValidateMove(
                            position,
                            {colour, piece, move, target != Empty ? ToOccupiedSquare : ToEmptySquare},
                            position.checkedSide, previousMove,
                            target != Empty ? std::optional<PieceCode>(target) : std::nullopt))
                        continue;
                    Position next = Play(position, colour, move, previousMove);
                    if (IsInCheck(next, colour))
                        continue;
                    ++pieceMoves;
                    next.checkedSide =
                        IsInCheck(next, OtherColour(colour)) ? OtherColour(colour) : NoSideChecked;
                    Walk(next, OtherColour(colour), move, depth - 1, count);
                }
            if (position.checkedSide != colour) {
                EXPECT_EQ(PieceHasLegalMove(position, colour, piece, {fromColumn, fromRow}, previousMove,
                                            position.checkedSide),
                          pieceMoves > 0)
                    << FormatPositionString(position.squares) << " piece at " << fromColumn << fromRow;
            }
            legal += pieceMoves;
        }

    const CheckState state = GetCheckState(position, colour, true, position.checkedSide, previousMove);
    EXPECT_EQ(state == NotInCheck, position.checkedSide != colour);
    if (state == NotInCheck) {
        EXPECT_EQ(HasNoLegalMove(position, colour, previousMove, position.checkedSide), legal == 0)
            << FormatPositionString(position.squares);
    } else {
        EXPECT_EQ(state == Checkmate, legal == 0)
            << FormatPositionString(position.squares) << " after " << previousMove.Text();
    }
    count.mates += state == Checkmate;
    count.stalemates += state == NotInCheck && legal == 0;
}

TreeCount Count(const char* fen, int depth)
{
    TreeCount count;
    const Position position = FromFen(fen);
    Walk(position, std::strstr(fen, " b") ? Black : White, Move::None(), depth, count);
    return count;
}

TEST(RulesTree, StartPosition)
{
    EXPECT_EQ(Count("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w", 3).leaves, 8902);
}

TEST(RulesTree, CastlingPinsAndEnPassant)
{
    EXPECT_EQ(Count("r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w", 2).leaves, 2039);
    EXPECT_EQ(Count("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w", 4).leaves, 43238);
}

TEST(RulesTree, MatesAndStalematesInTheTree)
{
    // After 1.f3 e5 2.g4 only Qh4 mates.
    EXPECT_EQ(Count("rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b", 2).mates, 1);
    // King h8 against Qf7 and Kg6: Qe8, Qf8, Qg7 and Qh7 mate; every king
    // move and the five queen moves that guard g8 from the long diagonal
    // stalemate.
    const TreeCount corner = Count("7k/5Q2/6K1/8/8/8/8/8 w", 2);
    EXPECT_EQ(corner.mates, 4);
    EXPECT_EQ(corner.stalemates, 10);
}

} // namespace
