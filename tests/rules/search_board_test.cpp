// Generation order, make/unmake records, castling flags, promotion and the
// square tests of the search board.

#include "bench/fen_reader.h"
#include "rules/search_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ComputerAI;
using namespace MoveValidation;

namespace {

SearchBoard FromFen(const std::string& fen)
{
    const auto setup = Bench::ReadFen(fen);
    EXPECT_TRUE(setup.has_value()) << fen;
    return SearchBoard(setup->position, setup->sideToMove, setup->previousMove);
}

// "e2e4", "e7e8q": a move in the long algebraic form.
SearchMove Move(const std::string& text, int promotion = 0)
{
    return SearchMove{
        static_cast<std::int8_t>(text[0] - 'a' + 1), static_cast<std::int8_t>(text[1] - '0'),
        static_cast<std::int8_t>(text[2] - 'a' + 1), static_cast<std::int8_t>(text[3] - '0'),
        static_cast<std::int8_t>(promotion),         0};
}

std::vector<std::string> Texts(const SearchMoveList& list)
{
    std::vector<std::string> texts;
    for (const SearchMove& m : list) {
        std::string text{char('a' + m.fromColumn - 1), char('0' + m.fromRow), char('a' + m.toColumn - 1),
                         char('0' + m.toRow)};
        if (m.promotion)
            text += "?RNBQKP"[KindOf(m.promotion)];
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> PieceMoves(const SearchBoard& board, const std::string& square,
                                    Promotions promotions = Promotions::AllFour)
{
    SearchMoveList list;
    board.GenerateMoves({square[0] - 'a' + 1, square[1] - '0'}, list, promotions);
    return Texts(list);
}

using Moves = std::vector<std::string>;

TEST(Generation, WalksEachPieceInItsFixedOrder)
{
    // A knight in the corner: (2, 3) before (3, 2).
    EXPECT_EQ(PieceMoves(FromFen("4k3/8/8/8/8/8/8/N3K3 w - -"), "a1"), (Moves{"a1b3", "a1c2"}));
    // Left, right, down, up; a capture ends the line after it, an own piece
    // and a king of either colour before it.
    const SearchBoard rook = FromFen("3k4/8/3p4/8/1P1R2n1/8/8/3K4 w - -");
    EXPECT_EQ(PieceMoves(rook, "d4"),
              (Moves{"d4c4", "d4e4", "d4f4", "d4g4", "d4d3", "d4d2", "d4d5", "d4d6"}));
    EXPECT_EQ(PieceMoves(FromFen("3k4/8/8/8/3R4/8/8/K7 w - -"), "d4"),
              (Moves{"d4c4", "d4b4", "d4a4", "d4e4", "d4f4", "d4g4", "d4h4", "d4d3", "d4d2", "d4d1",
                     "d4d5", "d4d6", "d4d7"}));
    // A blocked pawn gets no double step, even with the square beyond empty.
    EXPECT_TRUE(PieceMoves(FromFen("4k3/8/8/8/8/4n3/4P3/4K3 w - -"), "e2").empty());
    // Step, double step, en passant, then captures left and right.
    EXPECT_EQ(PieceMoves(FromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6"), "e5"), (Moves{"e5e6", "e5d6"}));
    EXPECT_EQ(PieceMoves(FromFen("4k3/8/8/8/8/3p1p2/4P3/4K3 w - -"), "e2"),
              (Moves{"e2e3", "e2e4", "e2d3", "e2f3"}));
    // King steps column by column, then castling queen side and king side.
    EXPECT_EQ(PieceMoves(FromFen("4k3/8/8/8/8/8/3PPP2/R3K2R w KQ -"), "e1"),
              (Moves{"e1d1", "e1f1", "e1c1", "e1g1"}));
}

TEST(Generation, PromotesToEveryPieceOrOnlyTheQueen)
{
    const SearchBoard board = FromFen("3r3k/4P3/8/8/8/8/8/K7 w - -");
    EXPECT_EQ(PieceMoves(board, "e7"),
              (Moves{"e7e8Q", "e7e8R", "e7e8B", "e7e8N", "e7d8Q", "e7d8R", "e7d8B", "e7d8N"}));
    EXPECT_EQ(PieceMoves(board, "e7", Promotions::QueenOnly), (Moves{"e7e8Q", "e7d8Q"}));
    // Black promotes on row 1 to Black pieces.
    const SearchBoard black = FromFen("7k/8/8/8/8/8/p7/7K b - -");
    EXPECT_EQ(PieceMoves(black, "a2", Promotions::QueenOnly), (Moves{"a2a1Q"}));
    SearchMoveList list;
    black.GenerateMoves({1, 2}, list);
    EXPECT_EQ(list[0].promotion, BlackQueen);
    EXPECT_EQ(list[3].promotion, BlackKnight);
}

TEST(Generation, CastlingNeedsSafePassageAndNoCheck)
{
    struct Case {
        const char* fen;
        Moves castling;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/R3K2R w KQ -", {"e1c1", "e1g1"}},
        {"4k3/8/8/8/8/8/8/R3K2R w K -", {"e1g1"}},            // queen-side rook has moved
        {"4k3/8/8/8/8/8/8/R3K2R w - -", {}},                  // king has moved
        {"4k3/8/8/8/8/8/5r2/R3K2R w KQ -", {"e1c1"}},         // f1 attacked
        {"4k3/8/8/8/8/8/6r1/R3K2R w KQ -", {"e1c1"}},         // g1 attacked
        {"4k3/8/8/8/8/8/1r6/R3K2R w KQ -", {"e1c1", "e1g1"}}, // only b1 attacked: allowed
        {"4k3/8/8/8/8/8/4r3/R3K2R w KQ -", {}},               // in check
        {"4k3/8/8/8/8/8/8/RN2K1NR w KQ -", {}},               // pieces in the way
    };
    for (const Case& c : cases) {
        Moves castling;
        for (const std::string& move : PieceMoves(FromFen(c.fen), "e1"))
            if (move == "e1c1" || move == "e1g1")
                castling.push_back(move);
        EXPECT_EQ(castling, c.castling) << c.fen;
    }
}

TEST(MakeMove, RecordsAndTakesBackEachKindOfMove)
{
    struct Case {
        const char* fen;
        const char* move;
        int promotion;
        int moveCode;
        int enPassantCode;
        int rookMoveCode;
    };
    const Case cases[] = {
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "e1g1", 0, 5171, 0, 8161},
        {"r3k2r/8/8/8/8/8/8/R3K2R b KQkq -", "e8c8", 0, 5838, 0, 1848},
        {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6", 0, 5546, 45, 0},
        {"4k3/8/8/8/8/8/3p4/4K3 b - -", "d2d1", BlackQueen, 4241, 0, 0},
        {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7d8", WhiteKnight, 5748, 0, 0},
        {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7e8", 0, 5758, 0, 0}, // coordinates only: a queen
        {"r3k2r/8/8/8/8/8/8/R3K2R w KQkq -", "h1h8", 0, 8188, 0, 0},
    };
    for (const Case& c : cases) {
        SearchBoard board = FromFen(c.fen);
        const SearchBoard before = board;
        const int packedBefore = PackCastleFlags(board.CastleFlags());
        ASSERT_TRUE(board.MakeMove(Move(c.move, c.promotion))) << c.move;
        const UndoRecord& record = board.UndoAt(1);
        EXPECT_EQ(record.MoveCode(), c.moveCode) << c.move;
        EXPECT_EQ(record.EnPassantCode(), c.enPassantCode) << c.move;
        EXPECT_EQ(record.RookMoveCode(), c.rookMoveCode) << c.move;
        EXPECT_EQ(record.PackedCastleFlags(), packedBefore) << c.move;
        EXPECT_EQ(board.PreviousMove().Text(), std::to_string(c.moveCode));
        const SearchMove move = Move(c.move, c.promotion);
        if (IsPawn(before.Squares()(move.fromColumn, move.fromRow))
            && (move.toRow == 8 || move.toRow == 1)) {
            const int queen = board.SideToMove() == Black ? WhiteQueen : BlackQueen;
            EXPECT_EQ(board.Squares()(move.toColumn, move.toRow), c.promotion ? c.promotion : queen)
                << c.move;
        }
        board.UnmakeMove();
        EXPECT_EQ(board, before) << c.move; // undo stack included: the record is blank again
        EXPECT_EQ(board.UndoAt(1), UndoRecord{});
    }
}

TEST(MakeMove, CastlingFlagsFollowTheCorners)
{
    using BoardSupport::CastleKing;
    using BoardSupport::KingSideRook;
    using BoardSupport::QueenSideRook;
    // Taking the rook on its corner marks it as gone; the taker's own corner
    // is left, so its rook is marked as moved too.
    SearchBoard board = FromFen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
    ASSERT_TRUE(board.MakeMove(Move("h1h8")));
    EXPECT_TRUE(board.CastleFlags()(White, KingSideRook));
    EXPECT_TRUE(board.CastleFlags()(Black, KingSideRook));
    EXPECT_FALSE(board.CastleFlags()(Black, QueenSideRook));
    EXPECT_FALSE(board.CastleFlags()(Black, CastleKing));
    EXPECT_FALSE(board.CastleFlags()(White, QueenSideRook));

    // A bishop taking on a1 marks the queen-side rook.
    SearchBoard bishop = FromFen("4k3/8/8/8/8/8/1b6/R3K2R b KQ -");
    ASSERT_TRUE(bishop.MakeMove(Move("b2a1")));
    EXPECT_TRUE(bishop.CastleFlags()(White, QueenSideRook));
    EXPECT_FALSE(bishop.CastleFlags()(White, KingSideRook));

    // A rook that never stood on a corner changes no flag.
    SearchBoard third = FromFen("4k3/8/8/8/8/8/8/R2RK2R w KQ -");
    const auto flagsBefore = third.CastleFlags();
    ASSERT_TRUE(third.MakeMove(Move("d1d2")));
    EXPECT_EQ(third.CastleFlags(), flagsBefore);

    // A king move marks the king; castling marks the king and its rook.
    SearchBoard castle = FromFen("r3k2r/8/8/8/8/8/8/R3K2R b KQkq -");
    ASSERT_TRUE(castle.MakeMove(Move("e8g8")));
    EXPECT_EQ(PackCastleFlags(castle.CastleFlags()), 10002011);

    BoardSupport::CastleFlags onlyBlackKing;
    onlyBlackKing.moved = {false, false, false, false, true, false};
    EXPECT_EQ(PackCastleFlags(onlyBlackKing), 10002010);
}

TEST(MakeMove, SetsTheCheckedSideOfTheSideToMove)
{
    SearchBoard board = FromFen("4k3/8/8/8/8/8/8/R3K3 w - -");
    ASSERT_TRUE(board.MakeMove(Move("a1a8")));
    EXPECT_EQ(board.CheckedSide(), Black);
    board.UnmakeMove();
    ASSERT_TRUE(board.MakeMove(Move("a1a7")));
    EXPECT_EQ(board.CheckedSide(), -1);

    // A stale checked side handed in is corrected from the board.
    BoardSupport::Position position = Bench::ReadFen("4k3/8/8/8/8/8/8/r3K3 w - -")->position;
    position.checkedSide = -1;
    EXPECT_EQ(SearchBoard(position, White).CheckedSide(), White);
}

TEST(MakeMove, RefusesWhatItCouldNotTakeBack)
{
    SearchBoard board = FromFen(std::string(Bench::StartFen));
    EXPECT_FALSE(board.MakeMove(SearchMove{0, 0, 0, 0, 0, 0})); // "0000": no move
    EXPECT_FALSE(board.MakeMove(Move("e2e9")));
    EXPECT_EQ(board, FromFen(std::string(Bench::StartFen)));
    const char* shuffle[] = {"g1f3", "g8f6", "f3g1", "f6g8"};
    for (int i = 0; i < SearchBoard::UndoCapacity; ++i)
        ASSERT_TRUE(board.MakeMove(Move(shuffle[i % 4])));
    const SearchBoard full = board;
    EXPECT_FALSE(board.MakeMove(Move("g1f3")));
    EXPECT_EQ(board, full);
    for (int i = 0; i < SearchBoard::UndoCapacity; ++i)
        board.UnmakeMove();
    EXPECT_EQ(board, FromFen(std::string(Bench::StartFen)));
    board.UnmakeMove(); // nothing left to take back
    EXPECT_EQ(board, FromFen(std::string(Bench::StartFen)));
}

TEST(SquareTests, ColourEntryAndAttackers)
{
    const SearchBoard board = FromFen("4k3/8/8/3r4/8/2N5/8/R2QK3 w - -");
    EXPECT_EQ(board.GetSquareColour({4, 5}), Black);
    EXPECT_EQ(board.GetSquareColour({4, 1}), White);
    EXPECT_EQ(board.GetSquareColour({4, 4}), 2);

    EXPECT_TRUE(board.CanMoveTo(White, {4, 5}));  // an opponent's piece
    EXPECT_FALSE(board.CanMoveTo(White, {3, 3})); // an own piece
    EXPECT_FALSE(board.CanMoveTo(Black, {5, 1})); // a king, of either colour
    EXPECT_FALSE(board.CanMoveTo(White, {5, 8}));
    EXPECT_FALSE(board.CanMoveTo(White, {9, 1})); // off the board

    EXPECT_EQ(board.CountAttackers(White, {4, 5}), 2); // queen along the file, knight
    EXPECT_EQ(board.CountAttackers(Black, {4, 5}), 0); // the rook itself never counts
    EXPECT_EQ(board.CountAttackers(White, {4, 1}), 3); // the queen defended by rook, knight, king
    EXPECT_EQ(board.CountAttackers(Black, {4, 1}), 1); // the rook down the open file
    EXPECT_EQ(board.CountAttackers(White, {2, 1}), 3); // rook, queen and knight; not the king
    // Pawns take forwards only; a piece behind another does not count.
    const SearchBoard pawns = FromFen("4k3/8/8/8/3p4/2PNP3/8/3RK3 w - -");
    EXPECT_EQ(pawns.CountAttackers(White, {4, 4}), 2);
    EXPECT_EQ(pawns.CountAttackers(Black, {3, 3}), 1);
    EXPECT_EQ(pawns.CountAttackers(Black, {4, 3}), 0);
    EXPECT_EQ(pawns.CountAttackers(White, {4, 5}), 0);
}

} // namespace
