// Saving the player's row, the status it leaves the stored game in, and
// taking an unsent row back, through the game controller and the database.
#include "game/game_controller.h"
#include "store/move_payload.h"
#include "store/payload_validation.h"

#include "stored_game_support.h"

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

const ClockReading Noon{2026, 12, 9, 12, 5};

// A player's program with its own data folder; game 9 stored unless the
// game is new.
struct Player : ControllerOnFolder {
    Player(bool host, MoveList moves, const char* pieces = "", bool computer = false,
           int opponentsId = 0)
    {
        GameRecord record = SetupGame(host, pieces);
        record.GAME_VS_COMPUTER = computer;
        record.GAME_OPPONENTS_ID = opponentsId;
        EXPECT_TRUE(Store(data.Folder(), record, moves));
        EXPECT_TRUE(OpenStored().ok);
    }
    // A new game, not yet stored.
    explicit Player(bool computer, std::string ownName = "Alice")
    {
        OpenRequest request;
        request.newGameOwnName = std::move(ownName);
        request.gameId = -1;
        request.newGame = NewGameRequest{
            {computer, false}, "Friday game", computer ? "Marrowdale" : "Bob", "bob@example.org"};
        EXPECT_TRUE(game.Open(request).ok);
    }
    GameRecord Record(int id = 9) const
    {
        const Database::FoundGame found = Database::FindGame(data.Folder(), id);
        EXPECT_TRUE(found.ok);
        return found.game.value_or(GameRecord{});
    }
    MoveList Stored(int id = 9) const
    {
        MoveList moves;
        EXPECT_TRUE(Database::LoadGameMoves(data.Folder(), moves, id));
        return moves;
    }
    void Move(const char* move, const char* comment = "")
    {
        ASSERT_EQ(game.Drop(At(move), At(move + 2), comment).outcome, DropResult::Made) << move;
    }
};

ComputerAI::SearchResult Found(const char* move)
{
    ComputerAI::SearchResult result;
    result.outcome = ComputerAI::SearchOutcome::Move;
    result.move = Move{{move[0] - 'a' + 1, move[1] - '0'}, {move[2] - 'a' + 1, move[3] - '0'}};
    return result;
}

// A disk that refuses to put a rewritten database in place.
class RefusingRename : public Database::FileSystem {
public:
    bool Rename(const std::filesystem::path&, const std::filesystem::path&) override { return false; }
};

} // namespace

TEST(MoveSending, TheStatusEachSentRowStoresByTable)
{
    const MoveList foolsMateAlmost = Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}});
    struct Case {
        const char* name;
        bool host;
        MoveList before;
        std::function<void(Player&)> act;
        int status;
    };
    const Case cases[] = {
        {"a move", true, {}, [](Player& p) { p.Move("e2e4"); }, StatusAwaitingOpponent},
        {"a mating move", false, foolsMateAlmost, [](Player& p) { p.Move("d8h4"); }, StatusWon},
        {"a surrender", false, Entries({{"5254", "e4"}}), [](Player& p) { p.game.SurrenderGame(""); },
         StatusLost},
        {"a draw offer", false, Entries({{"5254", "e4"}}), [](Player& p) { p.game.OfferDraw(""); },
         StatusDrawOffered},
        {"an accepted offer", true, Entries({{"5254", "e4"}, {"5858", "Draw offer"}}),
         [](Player& p) { p.game.DecideDraw(true, ""); }, StatusDrawn},
        {"a refused offer", true, Entries({{"5254", "e4"}, {"5858", "Draw offer"}}),
         [](Player& p) { p.game.DecideDraw(false, ""); }, StatusDrawOffered},
    };
    for (const Case& c : cases) {
        Player player(c.host, c.before);
        c.act(player);
        const SaveResult saved = player.game.SaveMove("Your turn", Noon);
        ASSERT_TRUE(saved.ok) << c.name;
        EXPECT_EQ(saved.savedGameId, 9) << c.name;
        EXPECT_EQ(player.Record().GAME_STATUS, c.status) << c.name;
        EXPECT_EQ(player.game.Info().boardGameStatus, c.status) << c.name;
        const MoveList stored = player.Stored();
        ASSERT_EQ(stored.size(), c.before.size() + 1) << c.name;
        EXPECT_EQ(stored.back(), player.game.History().List().back()) << c.name;
        EXPECT_EQ(stored.back().comment, "Your turn") << c.name;
        // Stored, the row is no longer the player's to take back.
        EXPECT_TRUE(player.game.Status().awaitingOpponent) << c.name;
        player.game.UndoLastMove();
        EXPECT_EQ(player.game.History().Entries(), static_cast<int>(stored.size())) << c.name;
    }
}

TEST(MoveSending, TheComputersRowIsStoredForThePlayerByTable)
{
    struct Case {
        const char* name;
        const char* pieces;
        const char* playerMove;
        ComputerAI::SearchResult search;
        int status;
    };
    const Case cases[] = {
        {"an ordinary reply", "Ke1 Pa2 ke8 pa7", "a2a3", Found("a7a6"), StatusPlayersMove},
        {"the computer mates", "Kg1 Pf2 Pg2 Ph2 Ra2 kg8 rb8 pf7 pg7 ph7", "a2a3", Found("b8b1"),
         StatusLost},
        {"the computer stalemates", "Kh1 Pa4 kf2 qf5 pa5", "h1h2", Found("f5f3"), StatusDrawn},
        {"the computer resigns", "Ke1 Pa2 ke8", "a2a3",
         [] {
             ComputerAI::SearchResult r;
             r.outcome = ComputerAI::SearchOutcome::Checkmated;
             return r;
         }(),
         StatusWon},
    };
    for (const Case& c : cases) {
        Player player(true, {}, c.pieces, true, 9);
        player.Move(c.playerMove);
        ASSERT_TRUE(player.game.SaveMove("", Noon).ok) << c.name;
        EXPECT_EQ(player.Record().GAME_STATUS, StatusPlayersMove) << c.name;
        ASSERT_TRUE(player.game.BeginComputerMove().search) << c.name;
        player.game.FinishComputerMove(c.search);
        ASSERT_TRUE(player.game.SaveMove("", Noon).ok) << c.name;
        const GameRecord record = player.Record();
        EXPECT_EQ(record.GAME_STATUS, c.status) << c.name;
        EXPECT_EQ(record.GAME_OPPONENTS_ID, 9) << c.name;
        EXPECT_EQ(player.Stored(), player.game.History().List()) << c.name;
    }
}

TEST(MoveSending, ANewGameGetsItsRecordOnItsFirstSave)
{
    Player mail(false);
    mail.Move("e2e4", "Hello");
    const SaveResult sent = mail.game.SaveMove("Hello", Noon);
    ASSERT_TRUE(sent.ok);
    EXPECT_EQ(sent.savedGameId, 1);
    // The board keeps the new game's -1; the mail goes out under the saved id.
    EXPECT_EQ(mail.game.Info().gameId, -1);
    const std::string start = FormatPositionString(StartPosition().squares);
    GameRecord expected =
        BoardTests::Game(1, true, "Alice", "Bob", StatusAwaitingOpponent, start.c_str());
    expected.GAME_DATESTAMP = "091220261205";
    expected.GAME_NAME = "Friday game";
    expected.GAME_DATE = "09/12/2026";
    expected.GAME_OPPONENTS_EMAIL = "bob@example.org";
    EXPECT_EQ(mail.Record(1), expected);

    Player computer(true);
    computer.Move("e2e4");
    ASSERT_TRUE(computer.game.SaveMove("", Noon).ok);
    EXPECT_EQ(computer.game.Info().gameId, 1);
    const GameRecord record = computer.Record(1);
    EXPECT_EQ(record.GAME_OPPONENTS_ID, 1);
    EXPECT_TRUE(record.GAME_VS_COMPUTER);
    EXPECT_EQ(record.GAME_STATUS, StatusPlayersMove);
}

// The player's own name goes on White's side of a new game, cleaned and cut
// as every sent name is, so the move mail carries it and the opponent's
// program accepts it.
TEST(MoveSending, ANewGameStoresThePlayersOwnName)
{
    const std::string fifty(50, 'n');
    const struct {
        std::string own;
        std::string stored;
    } cases[] = {
        {"Alice Ash", "Alice Ash"},
        {"  Alice\tAsh  ", "AliceAsh"},
        {fifty + "overflow", fifty},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.own);
        Player mail(false, c.own);
        mail.Move("e2e4");
        ASSERT_TRUE(mail.game.SaveMove("", Noon).ok);
        const GameRecord record = mail.Record(1);
        EXPECT_EQ(record.GAME_WHITE_NAME, c.stored);
        EXPECT_EQ(record.GAME_BLACK_NAME, "Bob");
        const std::string payload =
            Support::ExtractMovePayload(MailSupport::MoveMailText(record, mail.Stored(1)));
        EXPECT_TRUE(MailSupport::CheckMovePayload(payload).Passed()) << payload;
    }
}

TEST(MoveSending, TheStoredOpponentsIdIsKeptAsItIs)
{
    // A game whose opponent's id has not come yet keeps 0: whatever row a
    // game list shows has nothing to do with it.
    for (int opponentsId : {0, 17}) {
        Player guest(false, Entries({{"5254", "e4"}}), "", false, opponentsId);
        guest.Move("e7e5");
        ASSERT_TRUE(guest.game.SaveMove("", Noon).ok);
        EXPECT_EQ(guest.Record().GAME_OPPONENTS_ID, opponentsId);
    }
}

TEST(MoveSending, AFailedSaveLeavesTheBoardAndTheDatabaseAsTheyWere)
{
    TempDataFolder data;
    RefusingRename disk;
    const Database::DataFolder folder(data.Path(), &disk);
    ASSERT_TRUE(Store(data.Folder(), BoardTests::Game(9, true, "", "Bob", 1), MoveList{}));
    const std::string before = data.DatabaseText();
    for (bool computer : {false, true}) {
        GameController game(folder);
        OpenRequest request;
        request.gameId = computer ? -1 : 9;
        if (computer)
            request.newGame = NewGameRequest{{true, false}, "", "", ""};
        ASSERT_TRUE(game.Open(request).ok);
        ASSERT_EQ(game.Drop(At("e2"), At("e4"), "").outcome, DropResult::Made);
        const SaveResult saved = game.SaveMove("", Noon);
        EXPECT_FALSE(saved.ok);
        ASSERT_TRUE(saved.message);
        EXPECT_EQ(saved.message->caption, "Database error.");
        EXPECT_EQ(
            saved.message->text,
            computer ? "A database error has prevented Marrowdale from recording your move.  Please try "
                       "clicking the Turn over button again."
                     : "A database error has prevented Marrowdale from recording your move.  Please try "
                       "sending it again.||No move has been sent to your opponent.");
        EXPECT_EQ(data.DatabaseText(), before);
        // Still the player's unsent row: it can be sent again or taken back.
        EXPECT_EQ(game.Info().gameId, computer ? -1 : 9);
        EXPECT_EQ(game.Info().savedGameId, 0);
        EXPECT_FALSE(game.Status().awaitingOpponent);
        EXPECT_TRUE(ComputeCommandState(game.Display().Commands()).Button(SendButton).enabled);
        EXPECT_TRUE(ComputeCommandState(game.Display().Commands()).Button(UndoButton).enabled);
    }
}

TEST(MoveSending, UndoPutsBackTheBoardBeforeTheRow)
{
    // A block of a check: the board, the check and the row go back.
    Player player(false, Entries({{"5254", "e4"}, {"4745", "d5"}, {"6125", "Bb5+"}}), "");
    ASSERT_EQ(player.game.History().Current().checkedSide, Black);
    const Position before = player.game.History().Current();
    player.Move("c7c6");
    player.game.UndoLastMove();
    EXPECT_EQ(player.game.History().Entries(), 3);
    EXPECT_EQ(player.game.History().Current().squares, before.squares);
    EXPECT_EQ(player.game.History().Current().checkedSide, Black);
    EXPECT_TRUE(player.game.Status().playerMayMove);
    EXPECT_EQ(player.game.History().SelectedRow(), 3);

    // The player's own offer taken back is no offer; an answer taken back
    // leaves the opponent's offer waiting for one.
    Player offering(false, Entries({{"5254", "e4"}}));
    offering.game.OfferDraw("");
    offering.game.UndoLastMove();
    EXPECT_FALSE(offering.game.Status().drawOffered);
    EXPECT_TRUE(offering.game.Status().playerMayMove);
    for (bool accept : {true, false}) {
        Player answering(true, Entries({{"5254", "e4"}, {"5858", "Draw offer"}}));
        answering.game.DecideDraw(accept, "");
        answering.game.UndoLastMove();
        EXPECT_TRUE(answering.game.Status().drawOffered);
        EXPECT_FALSE(answering.game.Status().gameDrawn);
        EXPECT_TRUE(answering.game.Status().drawAnswerPending);
        EXPECT_TRUE(ComputeCommandState(answering.game.Display().Commands()).drawAnswerEnabled);
    }
    // A surrender taken back.
    Player resigning(false, Entries({{"5254", "e4"}}));
    resigning.game.SurrenderGame("");
    resigning.game.UndoLastMove();
    EXPECT_FALSE(resigning.game.Status().surrendered);
    EXPECT_EQ(resigning.game.History().Entries(), 1);
}

TEST(MoveSending, NoDrawOfferToTheComputer)
{
    // The computer would never answer it.
    Player computer(true, Entries({{"5254", "e4"}, {"5755", "e5"}}), "", true, 9);
    EXPECT_TRUE(
        ComputeCommandState(computer.game.Display().Commands()).actions[ActionsSurrender].enabled);
    EXPECT_FALSE(
        ComputeCommandState(computer.game.Display().Commands()).actions[ActionsOfferDraw].enabled);
    computer.game.OfferDraw("");
    EXPECT_EQ(computer.game.History().Entries(), 2);
    EXPECT_FALSE(computer.game.Status().drawOffered);
}
