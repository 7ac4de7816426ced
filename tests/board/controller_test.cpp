// Opening games through the game controller, without a window.
#include "game/game_controller.h"

#include "board_test_support.h"

#include <gtest/gtest.h>

#include <functional>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

OpenRequest Request(int gameId, std::string opponent = "", bool offline = false)
{
    OpenRequest request;
    request.gameId = gameId;
    if (gameId == -1)
        request.newGame = NewGameRequest{{}, "", std::move(opponent), ""};
    request.mailOffline = offline;
    return request;
}

int PieceOn(const GameController& game, const char* square)
{
    return game.History().Current().squares(square[0] - 'a' + 1, square[1] - '0');
}

struct Opened {
    TempDataFolder data;
    GameController game{data.Folder()};
    OpenResult result;

    explicit Opened(OpenRequest request, bool fixture = true)
    {
        if (fixture)
            data.CopyFixture();
        result = game.Open(request);
    }
};

TEST(OpenGame, FixtureGamesByTable)
{
    struct Case {
        int id;
        const char* caption;
        const char* tag;
        int entries;
        std::vector<std::pair<const char*, int>> squares;
        int viewColour;
        bool mayMove;
    };
    const Case cases[] = {
        {1,
         "Marrowdale - Awaiting your move",
         "You are playing Bob",
         4,
         {{"e4", WhitePawn}, {"e5", BlackPawn}, {"f3", WhiteKnight}, {"c6", BlackKnight}, {"g1", Empty}},
         White,
         true},
        {2,
         "Marrowdale - Awaiting Carol's move",
         "You are playing Carol",
         2,
         {{"a7", WhiteRook}, {"d8", BlackKing}, {"e1", WhiteKing}, {"h7", BlackPawn}, {"a1", Empty}},
         Black,
         false},
        {3,
         "Marrowdale - Awaiting your move",
         "You are playing Computer",
         4,
         {{"d4", WhitePawn}, {"c4", WhitePawn}, {"d5", BlackPawn}, {"e6", BlackPawn}},
         White,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Opened opened(Request(c.id));
        ASSERT_TRUE(opened.result.ok);
        EXPECT_FALSE(opened.result.message);
        const GameController& game = opened.game;
        EXPECT_EQ(game.Display().Captions().caption, c.caption);
        EXPECT_EQ(game.Display().Captions().playersTag, c.tag);
        EXPECT_EQ(game.History().Entries(), c.entries);
        EXPECT_EQ(game.History().SelectedRow(), c.entries);
        for (const auto& [square, piece] : c.squares)
            EXPECT_EQ(PieceOn(game, square), piece) << square;
        EXPECT_EQ(game.Info().viewColour, c.viewColour);
        EXPECT_EQ(game.Status().playerMayMove, c.mayMove);
        // The last move is marked as the game opens.
        EXPECT_TRUE(game.Marks().Shown());
    }
}

TEST(OpenGame, ANewGameStartsFromTheStandardPosition)
{
    Opened opened(Request(-1, "Dave"), false);
    ASSERT_TRUE(opened.result.ok);
    const GameController& game = opened.game;
    EXPECT_EQ(game.History().Current(), StartPosition());
    EXPECT_TRUE(game.Status().playerMayMove);
    EXPECT_TRUE(game.Info().playerIsHost);
    EXPECT_EQ(game.Display().Captions().caption, "Marrowdale - Awaiting your move");
    EXPECT_EQ(game.Display().Captions().playersTag, "You are playing Dave");
    EXPECT_EQ(game.Display().Comment().text, "");
    EXPECT_EQ(game.History().Entries(), 0);
    EXPECT_FALSE(game.Marks().Shown());
    EXPECT_FALSE(game.History().HighlightItemEnabled());
    EXPECT_FALSE(game.History().FirstLastItemsEnabled());
}

TEST(OpenGame, HistoryItemsFollowTheNumberOfEntries)
{
    TempDataFolder data;
    ASSERT_TRUE(Store(data.Folder(), Game(6, true, "Alice", "Bob", 1), Entries({{"5254", "e4"}})));
    GameController game(data.Folder());
    ASSERT_TRUE(game.Open(Request(6)).ok);
    EXPECT_TRUE(game.History().HighlightItemEnabled());
    EXPECT_FALSE(game.History().FirstLastItemsEnabled());
    EXPECT_EQ(game.Marks().ItemCaption(), "Remove hilight");
    game.Marks().Toggle();
    EXPECT_EQ(game.Marks().ItemCaption(), "Show hilight");
    EXPECT_TRUE(game.Marks().Squares().empty());
    game.Marks().Toggle();
    EXPECT_EQ(game.Marks().Squares(), (std::vector<Square>{{5, 2}, {5, 3}, {5, 4}}));
}

TEST(OpenGame, TheViewFollowsThePlayerUnlessTheDefaultViewIsSet)
{
    OpenRequest request = Request(2);
    Opened black(request);
    EXPECT_EQ(black.game.Info().viewColour, Black);
    black.game.ChangeView();
    EXPECT_EQ(black.game.Info().viewColour, White);
    black.game.ChangeView();
    EXPECT_EQ(black.game.Info().viewColour, Black);
    request.defaultView = true;
    Opened white(request);
    EXPECT_EQ(white.game.Info().viewColour, White);
}

TEST(OpenGame, SelectingRowsReplaysAndShowsTheirComments)
{
    Opened opened(Request(1));
    GameController& game = opened.game;
    game.SelectRow(2);
    EXPECT_EQ(PieceOn(game, "e5"), BlackPawn);
    EXPECT_EQ(PieceOn(game, "g1"), WhiteKnight);
    EXPECT_FALSE(game.Status().playerMayMove);
    EXPECT_EQ(game.Display().Comment().text, "Bob said: Your move");
    // The caption tells whose turn the game is at, not the row browsed.
    EXPECT_EQ(game.Display().Captions().caption, "Marrowdale - Awaiting your move");
    // The highlight follows the selection.
    EXPECT_EQ(game.Marks().Squares(), (std::vector<Square>{{5, 7}, {5, 6}, {5, 5}}));
    game.SelectRow(0);
    EXPECT_EQ(game.History().Current().squares, StartPosition().squares);
    EXPECT_FALSE(game.Marks().Shown());
    game.SelectRow(4);
    EXPECT_TRUE(game.Status().playerMayMove);
    EXPECT_EQ(game.Display().Comment().text, "");
    // Off line a mail game cannot be moved in.
    Opened offline(Request(1, "", true));
    EXPECT_FALSE(offline.game.Status().playerMayMove);
}

// The caption and the players' tag are the stored game's: the opponent's
// draw offer awaits the player's answer, an unsent move is not yet the
// opponent's turn, and the computer's search keeps the opponent's name.
TEST(OpenGame, CaptionsTellWhoseTurnTheStoredGameIs)
{
    struct Case {
        const char* name;
        GameRecord record;
        MoveList moves;
        std::function<void(GameController&)> act;
        const char* caption;
        const char* tag;
    };
    const MoveList opening = Entries({{"5254", "e4"}, {"5755", "e5"}, {"7163", "Nf3"}});
    GameRecord computer = Game(6, true, "", "Marrowdale", 1);
    computer.GAME_VS_COMPUTER = true;
    ComputerAI::SearchResult resigns;
    resigns.outcome = ComputerAI::SearchOutcome::Checkmated;
    const Case cases[] = {
        {"the opponent offers a draw", Game(6, true, "", "Bob", 5),
         Entries({{"5254", "e4"}, {"5755", "e5"}, {"7163", "Nf3"}, {"5858", "Draw offer"}}),
         [](GameController&) {}, "Marrowdale - Awaiting your move", "You are playing Bob"},
        {"the player's move is not yet sent", Game(6, false, "Carol", "", 2), opening,
         [](GameController& game) {
             game.Drop(Square{2, 8}, Square{3, 6}, "");
         },
         "Marrowdale - Awaiting your move", "You are playing Carol"},
        {"the computer thinks", computer, Entries({{"5254", "e4"}, {"5755", "e5"}}),
         [](GameController& game) {
             game.Drop(Square{7, 1}, Square{6, 3}, "");
             game.BeginComputerMove();
         },
         "Marrowdale - Awaiting your move", "You are playing Marrowdale"},
        {"the computer resigns", computer, Entries({{"5254", "e4"}, {"5755", "e5"}}),
         [&resigns](GameController& game) {
             game.Drop(Square{7, 1}, Square{6, 3}, "");
             game.BeginComputerMove();
             game.FinishComputerMove(resigns);
         },
         "Marrowdale - OPPONENT SURRENDER! - You won.", "You were playing Marrowdale"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDataFolder data;
        ASSERT_TRUE(Store(data.Folder(), c.record, c.moves));
        GameController game(data.Folder());
        ASSERT_TRUE(game.Open(Request(6)).ok);
        c.act(game);
        EXPECT_EQ(game.Display().Captions().caption, c.caption);
        EXPECT_EQ(game.Display().Captions().playersTag, c.tag);
    }
}

TEST(OpenGame, CommentsNameTheSpeakerAndLongOnesAreSmaller)
{
    TempDataFolder data;
    const std::string hundred(100 - std::string("Bob said: ").size(), 'x');
    ASSERT_TRUE(Store(data.Folder(), Game(5, true, "Alice", "Bob", 1),
                      Entries({{"5254", "e4", "mine"},
                               {"5755", "e5", hundred.c_str()},
                               {"4244", "d4", (hundred + "!").c_str()}})));
    GameController game(data.Folder());
    ASSERT_TRUE(game.Open(Request(5)).ok);
    game.SelectRow(1);
    EXPECT_EQ(game.Display().Comment().text, "You said: mine");
    game.SelectRow(2);
    EXPECT_EQ(game.Display().Comment().text.size(), 100u);
    EXPECT_EQ(game.Display().Comment().pointSize, 8);
    game.SelectRow(3);
    EXPECT_EQ(game.Display().Comment().pointSize, 7);
}

TEST(OpenGame, AnIllegalStoredEntryOpensAtTheLastGoodRowWithOneMessage)
{
    TempDataFolder data;
    ASSERT_TRUE(Store(data.Folder(), Game(4, true, "Alice", "Bob", 1),
                      Entries({{"5254", "e4"}, {"5755", "e5"}, {"2142", "Nd2"}, {"2836", "Nc6"}})));
    const std::string before = data.DatabaseText();
    GameController game(data.Folder());
    const OpenResult result = game.Open(Request(4));
    ASSERT_TRUE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_NE(result.message->text.find("Entry 3"), std::string::npos);
    EXPECT_EQ(game.History().SelectedRow(), 2);
    EXPECT_EQ(game.History().Entries(), 4);
    EXPECT_EQ(PieceOn(game, "e5"), BlackPawn);
    EXPECT_FALSE(game.Status().playerMayMove);
    game.SelectRow(4);
    EXPECT_EQ(game.History().SelectedRow(), 2);
    EXPECT_FALSE(game.SetGameStatus());
    EXPECT_EQ(data.DatabaseText(), before);
}

TEST(OpenGame, AnUnreadableDatabaseOpensNothing)
{
    TempDataFolder data;
    {
        std::ofstream out(data.Path() / Database::DatabaseFileName, std::ios::binary);
        out << "1|not a game line\n";
    }
    GameController game(data.Folder());
    const OpenResult result = game.Open(Request(1));
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->caption, "Database error.");
}

// Closing: the opponent's last entry that ended the game sets the status.
TEST(CloseGame, StatusFollowsTheResultOfTheLastRow)
{
    const MoveList foolsMate =
        Entries({{"6263", "f3"}, {"5755", "e5"}, {"7274", "g4"}, {"4884", "Qh4++"}});
    struct Case {
        const char* name;
        bool host;
        MoveList moves;
        int storedStatus;
        int closedStatus;
        const char* caption;
    };
    const Case cases[] = {
        {"mated by the opponent", true, foolsMate, 2, StatusLost, "Marrowdale - CHECKMATE! - Bob won."},
        {"own mate untouched", false, foolsMate, 2, 2, "Marrowdale - CHECKMATE! - You won."},
        {"already lost", true, foolsMate, StatusWon, StatusWon, "Marrowdale - CHECKMATE! - Bob won."},
        {"opponent resigned", true, Entries({{"5254", "e4"}, {"5858", "Surrender"}}), 2, StatusWon,
         "Marrowdale - OPPONENT SURRENDER! - You won."},
        {"own resignation untouched", false, Entries({{"5254", "e4"}, {"5858", "Surrender"}}), 2, 2,
         "Marrowdale - SURRENDER! - Alice won."},
        {"agreed draw", true,
         Entries({
             {"5254", "e4"},
             {"5858", "Draw offer"},
             {"5151", "1/2-1/2"},
         }),
         2, 2, "Marrowdale - DRAW!"},
        {"draw agreed by the opponent", false,
         Entries({{"5254", "e4"}, {"5858", "Draw offer"}, {"5151", "1/2-1/2"}}), 2, StatusDrawn,
         "Marrowdale - DRAW!"},
        {"game goes on", true, Entries({{"5254", "e4"}, {"5755", "e5"}}), 2, 2,
         "Marrowdale - Awaiting your move"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDataFolder data;
        ASSERT_TRUE(Store(data.Folder(), Game(7, c.host, "Alice", "Bob", c.storedStatus), c.moves));
        GameController game(data.Folder());
        ASSERT_TRUE(game.Open(Request(7)).ok);
        EXPECT_EQ(game.Display().Captions().caption, c.caption);
        // The status is read from the last row even when an earlier one is shown.
        game.SelectRow(1);
        EXPECT_FALSE(game.SetGameStatus());
        const Database::FoundGame stored = Database::FindGame(data.Folder(), 7);
        ASSERT_TRUE(stored.ok);
        ASSERT_EQ(stored.count, 1u);
        EXPECT_EQ(stored.game->GAME_STATUS, c.closedStatus);
        MoveList moves;
        ASSERT_TRUE(Database::LoadGameMoves(data.Folder(), moves, 7));
        EXPECT_EQ(moves, c.moves);
    }
}

} // namespace
