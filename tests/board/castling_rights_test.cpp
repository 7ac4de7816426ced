// Castling rights as a move on the board keeps them: they end only with the
// king's move or with the rook's leaving, or being taken on, its own corner.
#include "game/game_controller.h"
#include "store/board_changes.h"

#include "stored_game_support.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

TEST(CastlingRights, EndOnlyAtTheCornersByTable)
{
    struct Case {
        const char* name;
        const char* pieces;
        Colour mover;
        const char* from;
        const char* to;
        int landingPiece;
        std::vector<std::pair<Colour, CastlePiece>> ended; // every other flag stays
    };
    const Case cases[] = {
        {"a rook lift a3-b3", "Ra1 Ke1 Rh1 Ra3 ra8 ke8 rh8", White, "a3", "b3", WhiteRook, {}},
        {"axb8=R", "Ra1 Ke1 Rh1 Pa7 ra8 rb8 ke8 rh8", White, "a7", "b8", WhiteRook, {}},
        {"...h2-h1=R", "Ra1 Ke1 ph2 ra8 ke8 rh8", Black, "h2", "h1", BlackRook, {}},
        {"a black rook taken on a1", "Qb1 Ke1 Rh1 ra1 ra8 ke8 rh8", White, "b1", "a1", WhiteQueen, {}},
        {"a rook taken on h6", "Ke1 Rh1 Bc1 ra8 ke8 rh8 rh6", White, "c1", "h6", WhiteBishop, {}},
        {"the corner rook moving",
         "Ra1 Ke1 Rh1 ke8",
         White,
         "a1",
         "a3",
         WhiteRook,
         {{White, QueenSideRook}}},
        {"the corner rook takes its rival on its corner",
         "Ra1 Ke1 ra8 ke8 rh8",
         White,
         "a1",
         "a8",
         WhiteRook,
         {{White, QueenSideRook}, {Black, QueenSideRook}}},
        {"a rook taken on its own corner",
         "Ra1 Ke1 Rh1 bc6 ke8",
         Black,
         "c6",
         "h1",
         BlackBishop,
         {{White, KingSideRook}}},
        {"the king moving", "Ra1 Ke1 Rh1 ke8 rh8", Black, "e8", "d8", BlackKing, {{Black, CastleKing}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Position position = TestBoards::Board(c.pieces);
        CastleFlags expected = position.castleFlags;
        for (const auto& [colour, piece] : c.ended) {
            ASSERT_FALSE(expected(colour, piece));
            expected(colour, piece) = true;
        }
        ApplyMove(position, c.mover, Move{At(c.from), At(c.to)}, c.landingPiece, MoveEffects{});
        EXPECT_EQ(position.castleFlags, expected);
        EXPECT_EQ(position.squares(At(c.to).column, At(c.to).row), c.landingPiece);
    }
}

TEST(CastlingRights, QueenSideCastlingAfterTheOtherRookHasWandered)
{
    // The h1 rook travels h3, a3, b3; the a1 rook and the king never move.
    ControllerOnFolder g;
    ASSERT_TRUE(Store(g.data.Folder(), SetupGame(true, ""),
                      Entries({{"8284", "h4"},
                               {"1716", "a6"},
                               {"8183", "Rh3"},
                               {"1615", "a5"},
                               {"8313", "Ra3"},
                               {"8786", "h6"},
                               {"1323", "Rb3"},
                               {"8685", "h5"},
                               {"2133", "Nc3"},
                               {"7776", "g6"},
                               {"4243", "d3"},
                               {"7675", "g5"},
                               {"3153", "Be3"},
                               {"6766", "f6"},
                               {"4142", "Qd2"},
                               {"6665", "f5"}})));
    ASSERT_TRUE(g.OpenStored().ok);
    const DropResult castled = g.game.Drop(At("e1"), At("c1"), "");
    ASSERT_EQ(castled.outcome, DropResult::Made);
    EXPECT_EQ(castled.notation, "0-0-0");
    EXPECT_EQ(g.game.History().Current().squares(4, 1), WhiteRook);
    EXPECT_EQ(g.game.History().Current().squares(1, 1), Empty);
}

} // namespace
