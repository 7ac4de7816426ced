#include "rules/check.h"

#include "board_builder.h"

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace MoveValidation;
using TestBoards::Board;

namespace {

struct MateCase {
    const char* name;
    const char* pieces;
    Colour colour; // the defending side
    const char* previousMove;
    CheckState expected;
};

const MateCase MateCases[] = {
    {"back rank", "kg8 pf7 pg7 ph7 Re8 Kg1", Black, "0000", Checkmate},
    {"back rank, a knight blocks", "kh8 pg7 ph7 nc6 Ra8 Kg1", Black, "0000", InCheck},
    {"back rank, the queen takes", "kg8 pf7 pg7 ph7 qe6 Re8 Kg1", Black, "0000", InCheck},
    {"back rank, the king runs", "kg8 pf7 pg7 Re8 Kg1", Black, "0000", InCheck},
    {"smothered", "kh8 rg8 pg7 ph7 Nf7 Kg1", Black, "0000", Checkmate},
    {"smothered knight taken", "kh8 rg8 pg7 ph7 qd5 Nf7 Kg1", Black, "0000", InCheck},
    {"double check", "ke8 qd8 bf8 pf7 ra5 Re1 Bb5 Kh1", Black, "0000", Checkmate},
    {"the same bishop check alone is blocked", "ke8 qd8 bf8 pf7 ra5 Bb5 Kh1", Black, "0000", InCheck},
    {"pinned capturer", "kh8 ng7 ph7 Re8 Bb2 Kc1", Black, "0000", Checkmate},
    {"capturer free", "kh8 ng7 ph7 Re8 Kc1", Black, "0000", InCheck},
    {"king takes an unguarded checker", "kh8 ph7 pg7 Qg8 Kc1", Black, "0000", InCheck},
    {"king may not take a guarded checker", "kh8 ph7 pg7 Qg8 Nf6 Kc1", Black, "0000", Checkmate},
    {"white mated", "Kh1 Pg2 Ph2 ra1 kg8", White, "0000", Checkmate},
    {"not in check", "Kh1 Pg2 Ph2 ra2 kg8", White, "0000", NotInCheck},
    // The checking pawn has just stepped d7-d5 and only exd6 ep answers it.
    {"en passant escape", "Ke4 Pe5 pd5 ra3 rf8 nb5 qd8 kh7", White, "4745", InCheck},
    {"the same without the double step", "Ke4 Pe5 pd5 ra3 rf8 nb5 qd8 kh7", White, "0000", Checkmate},
    // Taking en passant would open the e-file to the rook on e8.
    {"en passant would expose the king", "Ke4 Pe5 pd5 ra3 rf8 re8 nb5 qd8 kh7", White, "4745",
     Checkmate},
    {"no king", "ra1 kg8", White, "0000", NotInCheck},
};

TEST(GetCheckState, MateAndNotMate)
{
    for (const MateCase& c : MateCases) {
        SCOPED_TRACE(c.name);
        const Position position = Board(c.pieces);
        EXPECT_EQ(GetCheckState(position, c.colour, true, position.checkedSide,
                                Move::FromText(c.previousMove)),
                  c.expected);
        EXPECT_EQ(IsInCheck(position, c.colour), c.expected != NotInCheck);
        // Without the mate test a checked side is only in check.
        EXPECT_EQ(GetCheckState(position, c.colour, false, position.checkedSide,
                                Move::FromText(c.previousMove)),
                  c.expected == NotInCheck ? NotInCheck : InCheck);
        EXPECT_EQ(position, Board(c.pieces)) << "the check tests changed the position";
    }
}

TEST(GetCheckState, EnPassantEscapeAlsoCountsForTheLegalMoveTest)
{
    const Position position = Board("Ke4 Pe5 pd5 ra3 rf8 nb5 qd8 kh7");
    EXPECT_FALSE(HasNoLegalMove(position, White, Move::FromText("4745"), White));
    EXPECT_TRUE(HasNoLegalMove(position, White, Move::FromText("0000"), White));
}

TEST(IsInCheck, KingsAndPawns)
{
    EXPECT_TRUE(IsInCheck(Board("Ke4 ke5"), White));
    EXPECT_TRUE(IsInCheck(Board("Ke4 ke5"), Black));
    EXPECT_FALSE(IsInCheck(Board("Ke4 kg4"), White)); // two squares along the row
    EXPECT_TRUE(IsInCheck(Board("Ke4 pd5 kh8"), White));
    EXPECT_FALSE(IsInCheck(Board("Ke4 pe5 kh8"), White)); // pawns take diagonally only
    EXPECT_FALSE(IsInCheck(Board("Ke4 pd3 kh8"), White)); // and only forwards
    EXPECT_TRUE(IsInCheck(Board("Ke1 ke8 nf3"), White));
    EXPECT_FALSE(IsInCheck(Board("Ke1 ke8 re4 Pe2"), White));
    EXPECT_FALSE(IsInCheck(Board(""), White));
    EXPECT_FALSE(IsInCheck(Board(""), Black));
}

TEST(HasNoLegalMove, StalemateAndNot)
{
    struct Case {
        const char* name;
        const char* pieces;
        Colour colour;
        bool noLegalMove;
    };
    const Case cases[] = {
        {"bare king boxed in", "ka8 Qb6 Kc1", Black, true},
        {"and a blocked pawn", "ka8 ph5 Ph4 Qb6 Kc1", Black, true},
        {"a pawn free to move", "ka8 ph6 Qb6 Kc1", Black, false},
        {"a pawn that can take", "ka8 ph5 Pg4 Ph4 Qb6 Kc1", Black, false},
        {"pinned rook", "kh8 rg7 Bc3 Nh6 Ng5 Ka1", Black, true},
        {"the rook unpinned", "kh8 rg7 Nh6 Ng5 Ka1", Black, false},
        {"mated side has no move", "kg8 pf7 pg7 ph7 Re8 Kg1", Black, true},
        {"no pieces at all", "Ke1", Black, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Position position = Board(c.pieces);
        EXPECT_EQ(HasNoLegalMove(position, c.colour, Move::None(), position.checkedSide), c.noLegalMove);
        EXPECT_EQ(position, Board(c.pieces));
    }
    EXPECT_FALSE(HasNoLegalMove(StartPosition(), White, Move::None(), NoSideChecked));
    EXPECT_FALSE(HasNoLegalMove(StartPosition(), Black, Move::None(), NoSideChecked));
    // Stalemate is no check: the board window only asks on NotInCheck.
    const Position stalemate = Board("ka8 Qb6 Kc1");
    EXPECT_EQ(GetCheckState(stalemate, Black, true, stalemate.checkedSide, Move::None()), NotInCheck);
}

TEST(PieceHasLegalMove, PiecesOfTheStartPosition)
{
    const Position start = StartPosition();
    EXPECT_TRUE(PieceHasLegalMove(start, White, WhiteKnight, {2, 1}, Move::None(), NoSideChecked));
    EXPECT_TRUE(PieceHasLegalMove(start, White, WhitePawn, {5, 2}, Move::None(), NoSideChecked));
    EXPECT_FALSE(PieceHasLegalMove(start, White, WhiteRook, {1, 1}, Move::None(), NoSideChecked));
    EXPECT_FALSE(PieceHasLegalMove(start, White, WhiteKing, {5, 1}, Move::None(), NoSideChecked));
    EXPECT_FALSE(PieceHasLegalMove(start, Black, BlackBishop, {3, 8}, Move::None(), NoSideChecked));
}

TEST(CanBlockOrCaptureAttacker, MarksWhereAPieceCouldGo)
{
    const Position position = Board("Ke1 Pd2 Rd1 Pd5 nd6 Bc4 Nb1 pc3 ke8");
    ReachMap rook;
    CanBlockOrCaptureAttacker(position, White, WhiteRook, {4, 1}, rook);
    EXPECT_TRUE(rook(3, 1));
    EXPECT_FALSE(rook(2, 1)); // own knight
    EXPECT_FALSE(rook(1, 1)); // behind it
    EXPECT_FALSE(rook(4, 2)); // own pawn
    EXPECT_FALSE(rook(5, 1)); // own king

    ReachMap bishop;
    CanBlockOrCaptureAttacker(position, White, WhiteBishop, {3, 4}, bishop);
    EXPECT_TRUE(bishop(4, 5)); // own pawn, first occupied square: marked all the same
    EXPECT_FALSE(bishop(5, 6));
    EXPECT_TRUE(bishop(4, 3));
    EXPECT_TRUE(bishop(5, 2));

    ReachMap pawn;
    CanBlockOrCaptureAttacker(position, White, WhitePawn, {4, 2}, pawn);
    EXPECT_TRUE(pawn(3, 3)); // capture
    EXPECT_TRUE(pawn(4, 3));
    EXPECT_TRUE(pawn(4, 4)); // first move, two rows
    EXPECT_FALSE(pawn(5, 3));

    ReachMap blocked;
    CanBlockOrCaptureAttacker(position, White, WhitePawn, {4, 5}, blocked);
    EXPECT_FALSE(blocked(4, 6));

    ReachMap king;
    CanBlockOrCaptureAttacker(position, White, WhiteKing, {5, 1}, king);
    EXPECT_EQ(king.marked, ReachMap{}.marked);
}

} // namespace
