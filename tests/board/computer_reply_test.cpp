// The computer's answer through the game controller: a search stand-in's
// moves by table, then whole games against the real search.
#include "game/command_state.h"
#include "game/game_controller.h"
#include "rules/heuristic_defaults.h"
#include "rules/search_board.h"
#include "rules/search_move_list.h"

#include "stored_game_support.h"

#include <gtest/gtest.h>

#include <optional>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

ComputerAI::SearchResult Found(const char* move)
{
    ComputerAI::SearchResult result;
    result.outcome = ComputerAI::SearchOutcome::Move;
    result.move = Move{{move[0] - 'a' + 1, move[1] - '0'}, {move[2] - 'a' + 1, move[3] - '0'}};
    result.score = 42;
    result.movesConsidered = 17;
    return result;
}

ComputerAI::SearchResult Ended(ComputerAI::SearchOutcome outcome)
{
    ComputerAI::SearchResult result;
    result.outcome = outcome;
    return result;
}

// A stored game against the computer from a set-up position ("Ke1 ke8 ...",
// empty for the standard start); the player is White.
struct ComputerGame : ControllerOnFolder {
    explicit ComputerGame(const char* pieces)
    {
        GameRecord record = SetupGame(true, pieces, "Marrowdale");
        record.GAME_VS_COMPUTER = true;
        EXPECT_TRUE(Store(data.Folder(), record, MoveList{}));
        EXPECT_TRUE(OpenStored().ok);
    }
    int On(const char* square) const
    {
        return game.History().Current().squares(At(square).column, At(square).row);
    }
};

TEST(ComputerReply, SearchResultsPlayedOnTheBoardByTable)
{
    using Outcome = ComputerReply::Outcome;
    struct Case {
        const char* name;
        const char* pieces;
        const char* playerMove;
        ComputerAI::SearchResult search;
        Outcome outcome;
        const char* notation;                             // the computer's row
        std::vector<std::pair<const char*, int>> squares; // afterwards
        int checkedSide;
        bool checkmated, drawn, surrendered, playerMayMove;
    };
    const Case cases[] = {
        {"castles king-side",
         "Ke1 Ra1 Pa2 ke8 rh8 pa7",
         "a2a3",
         Found("e8g8"),
         Outcome::Made,
         "0-0",
         {{"g8", BlackKing}, {"f8", BlackRook}, {"h8", Empty}, {"e8", Empty}},
         NoSideChecked,
         false,
         false,
         false,
         true},
        {"takes en passant",
         "Ke1 Pd2 ke8 pe4",
         "d2d4",
         Found("e4d3"),
         Outcome::Made,
         "exd3ep",
         {{"d3", BlackPawn}, {"d4", Empty}, {"e4", Empty}},
         NoSideChecked,
         false,
         false,
         false,
         true},
        {"mates on the back row",
         "Kg1 Pf2 Pg2 Ph2 Ra2 kg8 rb8 pf7 pg7 ph7",
         "a2a3",
         Found("b8b1"),
         Outcome::Made,
         "Rb1++",
         {{"b1", BlackRook}},
         White,
         true,
         false,
         false,
         false},
        {"stalemates the player",
         "Kh1 Pa4 kf2 qf5 pa5",
         "h1h2",
         Found("f5f3"),
         Outcome::Made,
         "Qf3 1/2-1/2",
         {{"f3", BlackQueen}},
         NoSideChecked,
         false,
         true,
         false,
         false},
        {"promotes its pawn to a queen",
         "Kh1 Ph2 ke8 pb2",
         "h2h3",
         Found("b2b1"),
         Outcome::Made,
         "b1=Q+",
         {{"b1", BlackQueen}, {"b2", Empty}},
         White,
         false,
         false,
         false,
         true},
        {"takes the last piece: a forced draw",
         "Ke1 Ph2 ka8 nf5",
         "h2h4",
         Found("f5h4"),
         Outcome::Made,
         "Nxh4 1/2-1/2",
         {{"h4", BlackKnight}},
         NoSideChecked,
         false,
         true,
         false,
         false},
        {"has no move and resigns",
         "Ke1 Pa2 ke8",
         "a2a3",
         Ended(ComputerAI::SearchOutcome::Checkmated),
         Outcome::Resigned,
         "1-0",
         {{"e8", BlackKing}},
         NoSideChecked,
         false,
         false,
         true,
         false},
        {"finds a stalemate: a draw, not a resignation",
         "Ke1 Pa2 ke8",
         "a2a3",
         Ended(ComputerAI::SearchOutcome::Stalemated),
         Outcome::GameOver,
         nullptr,
         {{"e8", BlackKing}},
         NoSideChecked,
         false,
         true,
         false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerGame g(c.pieces);
        ASSERT_EQ(g.game.Drop(At(c.playerMove), At(c.playerMove + 2), "").outcome, DropResult::Made);
        const ComputerTurn turn = g.game.BeginComputerMove();
        ASSERT_TRUE(turn.search);
        EXPECT_TRUE(g.game.Computer().Thinking());
        EXPECT_FALSE(g.game.Status().playerMayMove);
        EXPECT_EQ(turn.position, g.game.History().Current());
        EXPECT_EQ(turn.previousMove, (Move{At(c.playerMove), At(c.playerMove + 2)}));
        const int rowsBefore = g.game.History().Entries();
        const ComputerReply reply = g.game.FinishComputerMove(c.search);
        EXPECT_EQ(reply.outcome, c.outcome);
        EXPECT_FALSE(g.game.Computer().Thinking());
        if (c.notation) {
            ASSERT_EQ(g.game.History().Entries(), rowsBefore + 1);
            EXPECT_EQ(g.game.History().List().back().notation, c.notation);
            EXPECT_EQ(g.game.History().SelectedRow(), g.game.History().Entries());
            // A resignation is written on the computer's own king square; a
            // move's path is marked for the player to see, ending on the
            // square it reached.
            const Move made = Move::FromText(g.game.History().List().back().coordinates);
            if (c.outcome == Outcome::Resigned) {
                const Square king = At("e8");
                EXPECT_EQ(made, (Move{king, king}));
            } else {
                EXPECT_TRUE(g.game.Marks().Shown());
                ASSERT_FALSE(g.game.Marks().Squares().empty());
                EXPECT_EQ(g.game.Marks().Squares().front(), made.from);
                EXPECT_EQ(g.game.Marks().Squares().back(), made.to);
            }
        } else {
            EXPECT_EQ(g.game.History().Entries(), rowsBefore);
        }
        for (const auto& [square, piece] : c.squares)
            EXPECT_EQ(g.On(square), piece) << square;
        EXPECT_EQ(g.game.History().Current().checkedSide, c.checkedSide);
        EXPECT_EQ(g.game.Status().checkmated, c.checkmated);
        EXPECT_EQ(g.game.Status().gameDrawn, c.drawn);
        EXPECT_EQ(g.game.Status().surrendered, c.surrendered);
        EXPECT_EQ(g.game.Status().playerMayMove, c.playerMayMove);
        EXPECT_TRUE(g.game.Info().playerIsHost);
        // A game that is over is not searched again.
        if (!c.playerMayMove) {
            EXPECT_FALSE(g.game.BeginComputerMove().search);
        }
    }
}

TEST(ComputerReply, CastlingFlagsAfterTheComputersMove)
{
    {
        SCOPED_TRACE("the king's castling");
        ComputerGame g("Ke1 Ra1 Pa2 ke8 rh8 ra8 pa7");
        ASSERT_EQ(g.game.Drop(At("a2"), At("a3"), "").outcome, DropResult::Made);
        g.game.BeginComputerMove();
        g.game.FinishComputerMove(Found("e8g8"));
        EXPECT_TRUE(g.game.History().Current().castleFlags(Black, CastleKing));
        EXPECT_TRUE(g.game.History().Current().castleFlags(Black, KingSideRook));
    }
    {
        SCOPED_TRACE("a rook taken on its corner cannot castle");
        ComputerGame g("Ke1 Rh1 Pa2 ke8 bc6");
        ASSERT_EQ(g.game.Drop(At("a2"), At("a3"), "").outcome, DropResult::Made);
        g.game.BeginComputerMove();
        ASSERT_EQ(g.game.FinishComputerMove(Found("c6h1")).outcome, ComputerReply::Made);
        EXPECT_TRUE(g.game.History().Current().castleFlags(White, KingSideRook));
        EXPECT_EQ(g.game.Drop(At("e1"), At("g1"), "").outcome, DropResult::Refused);
    }
}

TEST(ComputerReply, CancelledSearchChangesNothing)
{
    ComputerGame g("");
    ASSERT_EQ(g.game.Drop(At("e2"), At("e4"), "").outcome, DropResult::Made);
    const Position before = g.game.History().Current();
    const MoveList moves = g.game.History().List();
    const bool mayMove = g.game.Status().playerMayMove;
    ASSERT_TRUE(g.game.BeginComputerMove().search);
    EXPECT_EQ(g.game.FinishComputerMove(Ended(ComputerAI::SearchOutcome::Cancelled)).outcome,
              ComputerReply::Cancelled);
    EXPECT_EQ(g.game.History().Current(), before);
    EXPECT_EQ(g.game.History().List(), moves);
    EXPECT_EQ(g.game.Status().playerMayMove, mayMove);
    EXPECT_TRUE(g.game.Info().playerIsHost);
    EXPECT_EQ(g.game.Display().Comment().text, "");
    // Asked again, the computer answers the same move.
    const ComputerTurn again = g.game.BeginComputerMove();
    ASSERT_TRUE(again.search);
    EXPECT_EQ(again.previousMove, Move::FromText("5254"));
    EXPECT_EQ(g.game.FinishComputerMove(Found("e7e5")).notation, "e5");
    EXPECT_EQ(g.game.Display().Comment().text, "Moves considered : 17\r\nLast move score : 42");
}

// The timer rests while the computer thinks: a king it had just hidden in
// its flash is put back first, not left missing for the whole search.
TEST(ComputerReply, FlashingKingShownWhileTheComputerThinks)
{
    struct Silent : NoticeShower {
        void ShowNotice(const BoardMessage&) override { }
    } notices;
    ComputerGame g("Ke1 Rb1 kh8 pa7");
    ASSERT_EQ(g.game.Drop(At("b1"), At("b8"), "").checkedSide, Black);
    g.game.Tick(true, notices);
    ASSERT_EQ(g.game.Timer().State().hidden, (std::vector<Square>{At("h8")}));
    ASSERT_TRUE(g.game.BeginComputerMove().search);
    EXPECT_TRUE(g.game.Timer().State().hidden.empty());
    EXPECT_EQ(g.game.Timer().State().interval, KingShownInterval);
    g.game.Tick(true, notices);
    EXPECT_TRUE(g.game.Timer().State().hidden.empty());
}

// The notice of how the game ended follows the computer's last row, its
// resignation as much as its mating move, though the timer had already
// looked for one after the player's move.
TEST(ComputerReply, TheEndNoticeFollowsTheComputersLastRow)
{
    struct Recorded : NoticeShower {
        std::vector<std::string> captions;
        void ShowNotice(const BoardMessage& message) override { captions.push_back(message.caption); }
    };
    const struct {
        const char* name;
        const char* pieces;
        const char* playerMove;
        ComputerAI::SearchResult search;
        const char* caption;
    } cases[] = {
        {"resigns", "Ke1 Pa2 ke8", "a2a3", Ended(ComputerAI::SearchOutcome::Checkmated), "SURRENDER!"},
        {"mates", "Kg1 Pf2 Pg2 Ph2 Ra2 kg8 rb8 pf7 pg7 ph7", "a2a3", Found("b8b1"), "CHECKMATE!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerGame g(c.pieces);
        Recorded notices;
        ASSERT_EQ(g.game.Drop(At(c.playerMove), At(c.playerMove + 2), "").outcome, DropResult::Made);
        g.game.Tick(true, notices);
        ASSERT_TRUE(g.game.BeginComputerMove().search);
        g.game.FinishComputerMove(c.search);
        g.game.Tick(true, notices);
        g.game.Tick(true, notices);
        EXPECT_EQ(notices.captions, std::vector<std::string>{c.caption});
    }
}

// A game the player won against the computer ends alike whichever way it
// was won: the caption names the player the winner, and neither Undo, Send
// nor Resend (which would ask the computer again) stays on.
TEST(ComputerReply, CaptionAndCommandsAfterThePlayersWin)
{
    const ClockReading noon{2026, 12, 9, 12, 5};
    const struct {
        const char* name;
        const char* pieces;
        const char* playerMove;
        std::optional<ComputerAI::SearchResult> search; // none: the game is over, nothing is searched
        const char* caption;
    } cases[] = {
        {"the player mates", "Kg1 Ra2 kg8 pf7 pg7 ph7", "a2a8", std::nullopt,
         "Marrowdale - CHECKMATE! - You won."},
        {"the computer resigns", "Ke1 Pa2 ke8", "a2a3", Ended(ComputerAI::SearchOutcome::Checkmated),
         "Marrowdale - OPPONENT SURRENDER! - You won."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ComputerGame g(c.pieces);
        ASSERT_EQ(g.game.Drop(At(c.playerMove), At(c.playerMove + 2), "").outcome, DropResult::Made);
        ASSERT_TRUE(g.game.SaveMove("", noon).ok);
        const ComputerTurn turn = g.game.BeginComputerMove();
        ASSERT_EQ(turn.search, c.search.has_value());
        if (c.search)
            g.game.FinishComputerMove(*c.search);
        EXPECT_EQ(g.game.Display().Captions().caption, c.caption);
        const CommandState commands = ComputeCommandState(g.game.Display().Commands());
        for (BoardToolbarButton button : {UndoButton, SendButton, ResendButton, SurrenderButton})
            EXPECT_FALSE(commands.buttons[button].enabled) << "button " << button;
        EXPECT_FALSE(commands.actions[ActionsResend].enabled);
        EXPECT_FALSE(commands.actions[ActionsUndo].enabled);
    }
}

TEST(ComputerReply, PlayersStalemateIsNotSearched)
{
    ComputerGame g("Kb6 Qc1 ka8");
    const DropResult drop = g.game.Drop(At("c1"), At("c7"), "");
    ASSERT_TRUE(drop.stalemate);
    EXPECT_FALSE(g.game.BeginComputerMove().search);
    EXPECT_FALSE(g.game.Computer().Thinking());
    EXPECT_FALSE(g.game.Status().surrendered);
    EXPECT_EQ(g.game.FinishComputerMove(Found("a8b8")).outcome, ComputerReply::GameOver);
    EXPECT_EQ(g.game.History().Entries(), 1);
}

// The player's scripted move: the first accepted drop, squares in order.
bool PlayFirstLegalDrop(GameController& game)
{
    for (int from = 0; from < 64; ++from)
        for (int to = 0; to < 64; ++to) {
            const Square a{from % 8 + 1, from / 8 + 1};
            const Square b{to % 8 + 1, to / 8 + 1};
            if (!game.PickUp(a, true).allowed)
                continue;
            DropResult result = game.Drop(a, b, "");
            if (result.outcome == DropResult::NeedsPromotion)
                result = game.Promote(WhiteQueen);
            if (result.outcome == DropResult::Made)
                return true;
        }
    return false;
}

TEST(ComputerReply, WholeGameAtDepthOneEndsWithAResult)
{
    ComputerGame g("");
    ComputerAI::SearchSettings settings;
    settings.depth = 1;
    settings.seed = 7;
    settings.threads = 1;
    for (int turn = 0; turn < 300; ++turn) {
        ASSERT_TRUE(PlayFirstLegalDrop(g.game)) << "the player has no move at turn " << turn;
        const ComputerTurn computer = g.game.BeginComputerMove();
        if (!computer.search)
            break;
        const ComputerAI::SearchResult result = ComputerAI::SearchBestMove(
            computer.position, Black, computer.previousMove, Support::FactoryHeuristics, settings);
        const ComputerReply reply = g.game.FinishComputerMove(result);
        ASSERT_NE(reply.outcome, ComputerReply::Cancelled);
        if (!g.game.Status().playerMayMove)
            break;
    }
    EXPECT_TRUE(g.game.Status().checkmated || g.game.Status().gameDrawn || g.game.Status().surrendered)
        << g.game.History().Entries() << " rows, last " << g.game.History().List().back().notation;
    EXPECT_FALSE(g.game.Status().playerMayMove);
}

} // namespace
