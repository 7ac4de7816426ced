// The position at a row of the move list, the move marks and the cell each
// square shows.
#include "game/highlight.h"
#include "game/history_replay.h"
#include "game/square_cells.h"

#include "../rules/board_builder.h"
#include "board_test_support.h"

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace MoveValidation;
using BoardTests::Entries;

namespace {

const Position Start = StartPosition();

ReplayResult Replay(const MoveList& moves, int row, ReplayRules rules = {})
{
    return MoveThroughHistory(Start, moves, row, false, false, rules);
}

int At(const ReplayResult& r, const char* square)
{
    return r.position.squares(square[0] - 'a' + 1, square[1] - '0');
}

// Two kings' pawns out, both sides' minor pieces off the back rank: both
// may castle either way afterwards.
const MoveList Castling = Entries({{"5254", "e4"},
                                   {"5755", "e5"},
                                   {"7163", "Nf3"},
                                   {"2836", "Nc6"},
                                   {"6134", "Bc4"},
                                   {"6835", "Bc5"},
                                   {"4243", "d3"},
                                   {"4746", "d6"},
                                   {"3153", "Be3"},
                                   {"3856", "Be6"},
                                   {"2133", "Nc3"},
                                   {"7866", "Nf6"},
                                   {"4142", "Qd2"},
                                   {"4857", "Qe7"},
                                   {"5171", "0-0"},
                                   {"5838", "0-0-0"}});

TEST(Replay, CastlingBothWaysMovesTheRooksAndEndsTheRights)
{
    const ReplayResult r = Replay(Castling, 16);
    ASSERT_FALSE(r.badEntry);
    EXPECT_EQ(At(r, "g1"), WhiteKing);
    EXPECT_EQ(At(r, "f1"), WhiteRook);
    EXPECT_EQ(At(r, "h1"), Empty);
    EXPECT_EQ(At(r, "c8"), BlackKing);
    EXPECT_EQ(At(r, "d8"), BlackRook);
    EXPECT_EQ(At(r, "a8"), Empty);
    EXPECT_TRUE(r.position.castleFlags(White, CastleKing));
    EXPECT_TRUE(r.position.castleFlags(White, KingSideRook));
    EXPECT_FALSE(r.position.castleFlags(White, QueenSideRook));
    EXPECT_TRUE(r.position.castleFlags(Black, CastleKing));
    EXPECT_TRUE(r.position.castleFlags(Black, QueenSideRook));
}

TEST(Replay, RowsAndFlagsByTable)
{
    struct Case {
        const char* name;
        MoveList moves;
        int row;
        std::vector<std::pair<const char*, int>> squares;
        bool surrendered, drawn, offered, mated;
    };
    const Case cases[] = {
        {"header row shows the start",
         Entries({{"5254", "e4"}}),
         0,
         {{"e2", WhitePawn}, {"e4", Empty}},
         false,
         false,
         false,
         false},
        {"first row",
         Entries({{"5254", "e4"}}),
         1,
         {{"e2", Empty}, {"e4", WhitePawn}},
         false,
         false,
         false,
         false},
        {"en passant empties the taken pawn's square",
         Entries({{"5254", "e4"}, {"1716", "a6"}, {"5455", "e5"}, {"4745", "d5"}, {"5546", "exd6ep"}}),
         5,
         {{"d6", WhitePawn}, {"d5", Empty}, {"e5", Empty}},
         false,
         false,
         false,
         false},
        {"draw offer then decline",
         Entries({{"5254", "e4"}, {"5858", "Draw offer"}, {"5151", "Decline"}}),
         3,
         {{"e4", WhitePawn}, {"e8", BlackKing}, {"e1", WhiteKing}},
         false,
         false,
         false,
         false},
        {"pending draw offer",
         Entries({{"5254", "e4"}, {"5858", "Draw offer"}}),
         2,
         {{"e8", BlackKing}},
         false,
         false,
         true,
         false},
        {"agreed draw",
         Entries({{"5254", "e4"}, {"5858", "Draw offer"}, {"5151", "1/2-1/2"}}),
         3,
         {{"e1", WhiteKing}},
         false,
         true,
         true,
         false},
        {"surrender leaves the kings standing",
         Entries({{"5254", "e4"}, {"5858", "Surrender"}}),
         2,
         {{"e8", BlackKing}, {"e1", WhiteKing}},
         true,
         false,
         false,
         false},
        {"fool's mate",
         Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++"}}),
         4,
         {{"h4", BlackQueen}},
         false,
         false,
         false,
         true},
        {"a result entry leaves the board",
         Entries({{"5254", "e4"}, {"5858", "0-1"}}),
         2,
         {{"e4", WhitePawn}, {"e8", BlackKing}},
         true,
         false,
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReplayResult r = Replay(c.moves, c.row);
        EXPECT_FALSE(r.badEntry);
        for (const auto& [square, piece] : c.squares)
            EXPECT_EQ(At(r, square), piece) << square;
        EXPECT_EQ(r.surrendered, c.surrendered);
        EXPECT_EQ(r.gameDrawn, c.drawn);
        EXPECT_EQ(r.drawOffered, c.offered);
        EXPECT_EQ(r.checkmated, c.mated);
        if (c.mated) {
            EXPECT_EQ(r.position.checkedSide, White);
        }
    }
}

TEST(Replay, PromotionPiecesFollowTheRowsParity)
{
    // White's pawn walks to b8 and becomes a queen; Black's pawn to g1 a knight.
    const Position start = TestBoards::Board("Ke1 Pb7 kh6 pg2");
    const MoveList moves = Entries({{"2728", "b8=Q"}, {"7271", "g1=N"}});
    const ReplayResult r = MoveThroughHistory(start, moves, 2, false, false, {});
    ASSERT_FALSE(r.badEntry);
    EXPECT_EQ(r.position.squares(2, 8), WhiteQueen);
    EXPECT_EQ(r.position.squares(7, 1), BlackKnight);
}

TEST(Replay, SetUpStartAndWhoMayMove)
{
    // Fixture game 2: a set-up position, Rook a1-a7, King e8-d8.
    const Position start = *PositionFromString(
        "0100000005000000;0000000000000000;0000000000000000;0000000000000000;0000000000000000;"
        "0000000000000000;0000000000000012;0000000011000000");
    const MoveList moves = Entries({{"1117", "Ra7"}, {"5848", "Kd8"}});
    ReplayRules white{White, false, false, false};
    ReplayRules black{Black, false, false, false};
    const ReplayResult last = MoveThroughHistory(start, moves, 2, false, false, white);
    EXPECT_EQ(last.position.squares(1, 7), WhiteRook);
    EXPECT_EQ(last.position.squares(4, 8), BlackKing);
    EXPECT_TRUE(last.playerMayMove);
    EXPECT_FALSE(MoveThroughHistory(start, moves, 2, false, false, black).playerMayMove);
    EXPECT_FALSE(MoveThroughHistory(start, moves, 1, false, false, white).playerMayMove);
    // Off line the player may move only in a computer game or stand-alone.
    EXPECT_FALSE(
        MoveThroughHistory(start, moves, 2, false, false, {White, true, false, false}).playerMayMove);
    EXPECT_TRUE(
        MoveThroughHistory(start, moves, 2, false, false, {White, true, true, false}).playerMayMove);
    const MoveList one = Entries({{"1117", "Ra7"}});
    EXPECT_TRUE(
        MoveThroughHistory(start, one, 1, false, false, {Black, false, false, false}).playerMayMove);
    EXPECT_FALSE(
        MoveThroughHistory(start, one, 1, false, false, {Black, true, true, false}).playerMayMove);
    EXPECT_TRUE(
        MoveThroughHistory(start, one, 1, false, false, {Black, true, false, true}).playerMayMove);
}

TEST(Replay, StalemateIsTestedForTheSideToMoveAfterTheLastEntry)
{
    // White's queen move stalemates Black (Kh8; Qg6 with Kf7 ... here Kf7 and Qg6).
    const Position start = TestBoards::Board("Kf7 Qg5 kh8");
    const MoveList moves = Entries({{"7576", "Qg6"}});
    // Black is to move and has none: drawn, whichever colour the player has.
    const ReplayResult r =
        MoveThroughHistory(start, moves, 1, false, false, {White, false, false, false});
    EXPECT_TRUE(r.gameDrawn);
    EXPECT_FALSE(r.playerMayMove);
    EXPECT_EQ(r.position.checkedSide, NoSideChecked);
}

TEST(Replay, AnEntryThatIsNoLegalMoveStopsTheReplayBeforeIt)
{
    struct Case {
        const char* name;
        MoveList moves;
        int bad;
    };
    const Case cases[] = {
        {"knight onto its own pawn", Entries({{"5254", "e4"}, {"5755", "e5"}, {"2142", "Nd2"}}), 3},
        {"Black's piece in White's row", Entries({{"5755", "e5"}}), 1},
        {"empty origin", Entries({{"5254", "e4"}, {"5444", "e4?"}}), 2},
        {"damaged coordinates", Entries({{"5254", "e4"}, {"57x5", "e5"}}), 2},
        {"a move that moves nothing", Entries({{"5254", "e4"}, {"0000", "--"}, {"4244", "d4"}}), 2},
        {"a decline without an offer", Entries({{"5254", "e4"}, {"5858", "Decline"}}), 2},
        {"a special entry away from its king", Entries({{"5254", "e4"}, {"5151", "Draw offer"}}), 2},
        {"a move after a resignation", Entries({{"5254", "e4"}, {"5858", "0-1"}, {"4244", "d4"}}), 3},
        {"a move after mate",
         Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++"}, {"5152", "Ke2"}}),
         5},
        {"a promotion letter on a plain move", Entries({{"5254", "e4=Q"}}), 1},
        {"leaves its own king in check",
         Entries({{"5254", "e4"}, {"6765", "f5"}, {"4185", "Qh5+"}, {"1716", "a6"}}), 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReplayResult r = Replay(c.moves, static_cast<int>(c.moves.size()));
        ASSERT_TRUE(r.badEntry) << c.name;
        EXPECT_EQ(*r.badEntry, c.bad);
        EXPECT_EQ(r.position, Replay(c.moves, c.bad - 1).position);
        EXPECT_FALSE(r.playerMayMove);
    }
}

TEST(Highlight, PathsByTable)
{
    const MoveList moves = Entries({{"2133", "Nc3"},
                                    {"7866", "Nf6"},
                                    {"7163", "Nf3"},
                                    {"5858", "Draw offer"},
                                    {"2142", "Nd2"},
                                    {"1118", "Ra8"},
                                    {"5151", "Surrender"}});
    struct Case {
        int row;
        HighlightPath::Outcome outcome;
        std::vector<const char*> squares;
        BoardSquares shown;
    };
    const BoardSquares knights = TestBoards::Squares("Nc3 Nf3 nf6 Nd2");
    const BoardSquares rook = TestBoards::Squares("Ra8");
    const Case cases[] = {
        {1, HighlightPath::Marked, {"b1", "b2", "b3", "c3"}, knights},
        {3, HighlightPath::Marked, {"g1", "g2", "g3", "f3"}, knights},
        {5, HighlightPath::Marked, {"b1", "c1", "d1", "d2"}, knights},
        {6, HighlightPath::Marked, {"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8"}, rook},
        {4, HighlightPath::Unchanged, {}, knights},
        {7, HighlightPath::Unchanged, {}, knights},
        {0, HighlightPath::Cleared, {}, knights},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const HighlightPath path = HilightMove(moves, c.row, c.shown);
        EXPECT_EQ(path.outcome, c.outcome);
        std::vector<Square> expected;
        for (const char* s : c.squares)
            expected.push_back(Square{s[0] - 'a' + 1, s[1] - '0'});
        EXPECT_EQ(path.squares, expected);
    }
}

TEST(SquareCells, CellsForATableOfSquaresAndPieces)
{
    // Dark: a1, h8, e1; light: d1, e8, a2.
    const BoardSquares squares = TestBoards::Squares("Ra1 rh8 Ke1 Kd1 ke8 Pa2");
    struct Case {
        const char* square;
        KingFacts facts;
        int cell;
    };
    const KingFacts none{};
    const Case cases[] = {
        {"a1", none, 9},
        {"h8", none, 25},
        {"e1", none, 13},
        {"d1", none, 5},
        {"a2", none, 6},
        {"b1", none, 16},
        {"c1", none, 24},
        {"e8", none, 21},
        // Black mated: its king falls, White's stays.
        {"e8", {false, Black, true, 9}, 23},
        {"e1", {false, Black, true, 9}, 13},
        // A resignation as the third entry is White's: White's king falls.
        {"e1", {true, NoSideChecked, false, 3}, 15},
        {"e8", {true, NoSideChecked, false, 3}, 21},
        {"e8", {true, NoSideChecked, false, 4}, 23},
        // Only check: nobody falls.
        {"e8", {false, Black, false, 5}, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.square);
        EXPECT_EQ(SquareImageIndex(squares, Square{c.square[0] - 'a' + 1, c.square[1] - '0'}, c.facts),
                  c.cell);
    }
    BoardSquares empty;
    EXPECT_EQ(SquareImageIndex(empty, Square{1, 1}, none), 24); // the empty a1 square is dark
    EXPECT_EQ(EmptySquareCell(Square{1, 1}), 8);
    EXPECT_EQ(EmptySquareCell(Square{2, 1}), 0);
    EXPECT_EQ(DragIconIndex(WhiteKing), 5);
    EXPECT_EQ(DragIconIndex(BlackPawn), 12);
    EXPECT_EQ(DragIconIndex(Empty), 0);
}

} // namespace
