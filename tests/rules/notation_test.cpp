// The move list's notation of a move, from the board before it.

#include "bench/fen_reader.h"
#include "rules/notation.h"

#include <gtest/gtest.h>

#include <string>

using namespace BoardSupport;
using namespace MoveValidation;

namespace {

struct NotationCase {
    const char* fenBefore;
    const char* move; // "b1d2"
    PieceCode piece;  // the code on the destination afterwards
    int captureMode;
    int checkedSide;
    bool checkmated;
    bool drawn;
    int castleType;
    const char* previousMove;
    const char* expected;
};

constexpr const char* Start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";

const NotationCase Cases[] = {
    {Start, "g1f3", WhiteKnight, 0, -1, false, false, 0, "0000", "Nf3"},
    // Another piece that could also have gone there.
    {"4k3/8/8/8/8/8/6K1/R6R w - -", "a1d1", WhiteRook, 0, -1, false, false, 0, "0000", "Rad1"},
    {"4k3/8/8/8/8/8/8/R3K2R w - -", "a1d1", WhiteRook, 0, -1, false, false, 0, "0000", "Rd1"},
    {"4k3/8/8/R7/8/8/8/R3K3 w - -", "a1a3", WhiteRook, 0, -1, false, false, 0, "0000", "R1a3"},
    {"4k3/8/8/8/8/1N6/8/1N2K3 w - -", "b1d2", WhiteKnight, 0, -1, false, false, 0, "0000", "N1d2"},
    {"4k3/8/8/8/8/5N2/8/1N2K3 w - -", "b1d2", WhiteKnight, 0, -1, false, false, 0, "0000", "Nbd2"},
    {"4k3/8/8/8/8/1N3N2/8/1N2K3 w - -", "b1d2", WhiteKnight, 0, -1, false, false, 0, "0000", "N1d2"},
    {"4k3/8/8/8/8/Q7/8/Q1Q1K3 w - -", "a1b2", WhiteQueen, 0, -1, false, false, 0, "0000", "Qa1b2"},
    {"1n2k3/8/5n2/8/8/8/8/4K3 b - -", "b8d7", BlackKnight, 0, -1, false, false, 0, "0000", "Nbd7"},
    {"4k3/8/8/4p3/8/5N2/8/4K3 w - -", "f3e5", WhiteKnight, 1, -1, false, false, 0, "0000", "Nxe5"},
    // A rival pinned to its king could not go there.
    {"4k3/8/8/8/8/2N5/8/4K1N1 w - -", "g1e2", WhiteKnight, 0, -1, false, false, 0, "0000", "Nge2"},
    {"4k3/8/8/8/1b6/2N5/8/4K1N1 w - -", "g1e2", WhiteKnight, 0, -1, false, false, 0, "0000", "Ne2"},
    // Pawns: captures name their file, also on a set-up game's first move.
    {"4k3/8/8/3p4/4P3/8/8/4K3 w - -", "e4d5", WhitePawn, 1, -1, false, false, 0, "0000", "exd5"},
    {"4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5d6", WhitePawn, 0, -1, false, false, 0, "4745", "exd6ep"},
    {Start, "e2e4", WhitePawn, 0, -1, false, false, 0, "0000", "e4"},
    // Promotion.
    {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7e8", WhiteQueen, 0, -1, false, false, 0, "0000", "e8=Q"},
    {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7d8", WhiteQueen, 1, -1, false, false, 0, "0000", "exd8=Q"},
    {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7e8", WhiteQueen, 0, 1, false, false, 0, "0000", "e8=Q+"},
    {"3r3k/4P3/8/8/8/8/8/K7 w - -", "e7e8", WhiteKnight, 0, -1, false, false, 0, "0000", "e8=N"},
    {"4r2k/3P4/8/8/8/8/8/K7 w - -", "d7e8", WhiteQueen, 1, 1, false, false, 0, "0000", "dxe8=Q+"},
    {"7k/8/8/8/8/8/4p3/K7 b - -", "e2e1", BlackRook, 0, 0, false, false, 0, "0000", "e1=R+"},
    // Castling, with digit zeros, and the endings.
    {"4k3/8/8/8/8/8/8/R3K2R w KQ -", "e1g1", WhiteKing, 0, -1, false, false, 2, "0000", "0-0"},
    {"4k3/8/8/8/8/8/8/R3K2R w KQ -", "e1c1", WhiteKing, 0, -1, false, false, 1, "0000", "0-0-0"},
    {"r3k2r/8/8/8/8/8/8/4K3 b kq -", "e8g8", BlackKing, 0, 0, false, false, 2, "0000", "0-0+"},
    {"4k3/8/8/8/8/8/8/3QK3 w - -", "d1h5", WhiteQueen, 0, 1, true, false, 0, "0000", "Qh5++"},
    {"4k3/8/8/8/8/8/8/4K3 w - -", "e1f2", WhiteKing, 0, -1, false, true, 0, "0000", "Kf2 1/2-1/2"},
};

TEST(Notation, WritesEachKindOfMove)
{
    for (const NotationCase& c : Cases) {
        const auto setup = Bench::ReadFen(c.fenBefore);
        ASSERT_TRUE(setup.has_value()) << c.fenBefore;
        const std::string move = c.move;
        const Move played{{move[0] - 'a' + 1, move[1] - '0'}, {move[2] - 'a' + 1, move[3] - '0'}};
        const std::string text = BuildMoveNotation(
            {setup->sideToMove, c.piece, played, static_cast<CaptureMode>(c.captureMode)},
            setup->position.squares, static_cast<CastleType>(c.castleType),
            Move::FromText(c.previousMove), {c.checkedSide, c.checkmated, c.drawn});
        EXPECT_EQ(text, c.expected) << c.fenBefore << " " << c.move;
    }
}

TEST(Notation, PromotionRowFollowsTheSideToMove)
{
    EXPECT_TRUE(IsPromotionMove(WhitePawn, 8, White));
    EXPECT_TRUE(IsPromotionMove(BlackPawn, 1, Black));
    EXPECT_FALSE(IsPromotionMove(BlackPawn, 1, White));
    EXPECT_FALSE(IsPromotionMove(WhitePawn, 7, White));
    EXPECT_FALSE(IsPromotionMove(WhiteQueen, 8, White));
}

} // namespace
