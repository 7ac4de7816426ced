// Send, Resend and Undo through the board window's toolbars, and a game
// against the real computer played by mouse at depth 1.
#include "board/board_window.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"
#include "store/database.h"

#include "../foundation/widget_test_support.h"
#include "board_mouse.h"
#include "board_test_support.h"
#include "recording_board_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace BoardTests;

namespace {

class BoardSendTest : public ::testing::Test {
protected:
    BoardSendTest()
    {
        modal.Script = [this](QWidget& window) {
            if (auto* caption = window.findChild<QLabel*>(QStringLiteral("FormCaption")))
                messages.push_back(caption->text());
            window.hide();
        };
    }

    // Game 9: Bob (White) has played e4; the player is Black.
    void StoreGuestGame(const Database::DataFolder& folder,
                        const MoveList& moves = Entries({{"5254", "e4"}}))
    {
        ASSERT_TRUE(Store(folder, BoardTests::Game(9, false, "Bob", "Alice", 1), moves));
    }

    std::unique_ptr<Board> Open(const Database::DataFolder& folder, OpenRequest request, bool simpleUI)
    {
        auto board = std::make_unique<Board>(host, folder);
        BoardOptions options;
        options.request = request;
        options.simpleUI = simpleUI;
        EXPECT_TRUE(board->Form_Load(options));
        board->show();
        return board;
    }

    static OpenRequest Game9(bool mailOffline = false, bool standAlone = false)
    {
        OpenRequest request;
        request.gameId = 9;
        request.mailOffline = mailOffline;
        request.standAlone = standAlone;
        return request;
    }

    // The button as the player presses it: the plain twin, or the skinned
    // picture's face.
    static void Press(Board& board, int button, bool simpleUI)
    {
        if (simpleUI) {
            ASSERT_TRUE(board.Toolbar().Button(button)->isVisible()
                        && board.Toolbar().Button(button)->isEnabled());
            QTest::mouseClick(board.Toolbar().Button(button), Qt::LeftButton);
        } else {
            ASSERT_TRUE(board.Toolbar().Picture(button)->isVisible()
                        && board.Toolbar().Face(button)->isEnabled());
            QTest::mouseClick(board.Toolbar().Face(button), Qt::LeftButton);
        }
    }

    GameRecord Record(const Database::DataFolder& folder, int id = 9)
    {
        const Database::FoundGame found = Database::FindGame(folder, id);
        EXPECT_TRUE(found.ok);
        return found.game.value_or(GameRecord{});
    }

    TestSupport::QtApp app;
    TestSupport::ProgramFolder program;
    TestSupport::ScriptedHost modal;
    RecordingBoardHost host;
    std::vector<QString> messages;
};

class RefusingRename : public Database::FileSystem {
public:
    bool Rename(const std::filesystem::path&, const std::filesystem::path&) override { return false; }
};

} // namespace

TEST_F(BoardSendTest, SendStoresTheMoveHandsItToTheTransportAndCloses)
{
    struct Case {
        bool simpleUI;
        bool mailOffline;
        bool standAlone;
        const char* transport;
    } cases[] = {
        {false, false, false, "SendMoveMail 9"},
        {true, false, false, "SendMoveMail 9"},
        {true, true, true, "ExportMoveFile 9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.transport);
        TempDataFolder data;
        StoreGuestGame(data.Folder());
        host.calls.clear();
        const std::unique_ptr<Board> board =
            Open(data.Folder(), Game9(c.mailOffline, c.standAlone), c.simpleUI);
        EXPECT_FALSE(board->Toolbar().Commands().Button(SendButton).enabled);
        DragPiece(*board, "e7", "e5");
        board->View().PlayerComment()->setText(QStringLiteral("Your turn"));
        EXPECT_TRUE(board->Toolbar().Commands().Button(UndoButton).enabled);
        EXPECT_EQ(board->Toolbar().Button(CloseButton)->text(), QStringLiteral("&Cancel"));
        Press(*board, SendButton, c.simpleUI);
        EXPECT_EQ(host.calls.front(), QString::fromLatin1(c.transport));
        EXPECT_EQ(host.calls.at(1), QStringLiteral("ReturnToGameList 9"));
        EXPECT_FALSE(board->isVisible());
        const GameRecord record = Record(data.Folder());
        EXPECT_EQ(record.GAME_STATUS, StatusAwaitingOpponent);
        MoveList stored;
        ASSERT_TRUE(Database::LoadGameMoves(data.Folder(), stored, 9));
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_EQ(stored[1], (MoveRecord{2, "5755", "e5", "Your turn"}));
    }
    // Off-line without move files nothing can travel: Send stays disabled.
    TempDataFolder data;
    StoreGuestGame(data.Folder());
    const std::unique_ptr<Board> board = Open(data.Folder(), Game9(true, false), true);
    EXPECT_FALSE(board->Game().Status().playerMayMove);
    EXPECT_FALSE(board->Toolbar().Button(SendButton)->isEnabled());
    EXPECT_EQ(board->Toolbar().Button(CloseButton)->text(), QStringLiteral("&Close"));
}

TEST_F(BoardSendTest, ResendHandsTheStoredGameOverAgainAndUndoTakesAMoveBack)
{
    TempDataFolder data;
    StoreGuestGame(data.Folder(), Entries({{"5254", "e4"}, {"5755", "e5"}}));
    {
        const std::unique_ptr<Board> board = Open(data.Folder(), Game9(), false);
        EXPECT_EQ(board->Toolbar().Commands().Button(CloseButton).caption, "&Close");
        EXPECT_FALSE(board->Toolbar().Face(UndoButton)->isEnabled());
        Press(*board, ResendButton, false);
        EXPECT_EQ(host.calls.front(), QStringLiteral("SendMoveMail 9"));
        EXPECT_FALSE(board->isVisible());
    }
    // A failed transport has told the player itself; the move stays stored
    // and Resend stays on offer.
    host.calls.clear();
    host.transportWorks = false;
    {
        const std::unique_ptr<Board> board = Open(data.Folder(), Game9(), true);
        Press(*board, ResendButton, true);
        EXPECT_EQ(host.calls.front(), QStringLiteral("SendMoveMail 9"));
    }
    MoveList stored;
    ASSERT_TRUE(Database::LoadGameMoves(data.Folder(), stored, 9));
    EXPECT_EQ(stored.size(), 2u);
    host.transportWorks = true;

    // Undo: the board, the move list and the toolbar as before the move.
    TempDataFolder guest;
    StoreGuestGame(guest.Folder());
    const std::unique_ptr<Board> board = Open(guest.Folder(), Game9(), false);
    const Position before = board->Game().History().Current();
    DragPiece(*board, "g8", "f6");
    ASSERT_EQ(board->View().MoveList()->rowCount(), 2);
    Press(*board, UndoButton, false);
    EXPECT_EQ(board->View().MoveList()->rowCount(), 1);
    EXPECT_TRUE(board->Game().Status().playerMayMove);
    EXPECT_FALSE(board->Toolbar().Face(SendButton)->isEnabled());
    EXPECT_EQ(board->Game().History().Current(), before);
    DragPiece(*board, "d7", "d5");
    EXPECT_EQ(board->View().MoveList()->item(1, 2)->text(), QStringLiteral("d5"));
}

TEST_F(BoardSendTest, AFailedDatabaseWriteKeepsTheWindowAndTheUnsentMove)
{
    TempDataFolder data;
    StoreGuestGame(data.Folder());
    const std::string stored = data.DatabaseText();
    RefusingRename disk;
    const Database::DataFolder failing(data.Path(), &disk);
    const std::unique_ptr<Board> board = Open(failing, Game9(), true);
    DragPiece(*board, "e7", "e5");
    Press(*board, SendButton, true);
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Database error.")});
    EXPECT_TRUE(host.calls.empty()) << host.calls.front().toStdString();
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(board->View().MoveList()->rowCount(), 2);
    EXPECT_TRUE(board->Toolbar().Button(SendButton)->isEnabled());
    EXPECT_TRUE(board->Toolbar().Button(UndoButton)->isEnabled());
    EXPECT_EQ(data.DatabaseText(), stored);
}

TEST_F(BoardSendTest, AGameAgainstTheComputerPlayedByMouseAtDepthOne)
{
    Support::ProgramSettings().SearchDepth = 1;
    TempDataFolder data;
    OpenRequest request;
    request.gameId = -1;
    request.newGame = NewGameRequest{{true, false}, "Against the machine", "Marrowdale", ""};
    const std::unique_ptr<Board> board = Open(data.Folder(), request, false);
    const char* moves[][2] = {{"e2", "e4"}, {"g1", "f3"}, {"f1", "c4"}, {"b1", "c3"}};
    int rows = 0;
    for (const auto& move : moves) {
        SCOPED_TRACE(move[0]);
        // The player's move might be refused by what the computer did:
        // then the next one is tried.
        DragPiece(*board, move[0], move[1]);
        if (board->View().MoveList()->rowCount() == rows)
            continue;
        Press(*board, SendButton, false);
        if (board->ComputerThinking()) {
            // Nothing but Cancel while the computer thinks.
            for (int i = 1; i <= ToolbarButtons; ++i)
                EXPECT_FALSE(board->Toolbar().Face(i)->isEnabled()) << i;
            EXPECT_FALSE(board->View().MoveList()->isEnabled());
            ASSERT_TRUE(QTest::qWaitFor([&] { return !board->ComputerThinking(); }, 30000));
        }
        rows = board->View().MoveList()->rowCount();
        ASSERT_EQ(rows % 2, 0);
        EXPECT_TRUE(board->Game().Status().playerMayMove);
        EXPECT_TRUE(board->Toolbar().Face(SurrenderButton)->isEnabled());
        EXPECT_FALSE(board->Toolbar().Face(SendButton)->isEnabled());
        EXPECT_TRUE(board->isVisible());
    }
    ASSERT_GE(rows, 6);
    // The database holds what the board shows: the player's moves and the
    // computer's answers, the player to move.
    const int id = board->Game().Info().gameId;
    ASSERT_EQ(id, 1);
    const GameRecord record = Record(data.Folder(), id);
    EXPECT_TRUE(record.GAME_VS_COMPUTER);
    EXPECT_EQ(record.GAME_OPPONENTS_ID, id);
    EXPECT_EQ(record.GAME_NAME, "Against the machine");
    EXPECT_EQ(record.GAME_STATUS, StatusPlayersMove);
    MoveList stored;
    ASSERT_TRUE(Database::LoadGameMoves(data.Folder(), stored, id));
    EXPECT_EQ(stored, board->Game().History().List());
    EXPECT_TRUE(std::filesystem::exists(data.Path() / Database::BackupFileName));
}

TEST_F(BoardSendTest, TheSetUpToolbarResetsClearsAndPlays)
{
    for (bool simpleUI : {false, true}) {
        SCOPED_TRACE(simpleUI);
        TempDataFolder data;
        OpenRequest request;
        request.gameId = -1;
        request.newGame = NewGameRequest{{false, true}, "", "Bob", ""};
        const std::unique_ptr<Board> board = Open(data.Folder(), request, simpleUI);
        ASSERT_TRUE(board->Game().Setup().Active());
        EXPECT_EQ(board->Toolbar().Button(ResetButton)->text(), QStringLiteral("&Reset"));
        EXPECT_FALSE(board->Toolbar().Picture(UndoButton)->isVisible()
                     || board->Toolbar().Button(UndoButton)->isVisible());

        Press(*board, ClearButton, simpleUI);
        EXPECT_EQ(board->Game().History().Current().squares, BoardSquares{});
        // No kings: nothing to play yet.
        EXPECT_FALSE(board->Toolbar().Commands().Button(PlayButton).enabled);
        EXPECT_EQ(board->Toolbar().Commands().Button(PlayButton).face,
                  (ToolbarFace{FaceStrip::SetupToolbar, 2}));

        Press(*board, ResetButton, simpleUI);
        EXPECT_EQ(board->Game().History().Current().squares, StartPosition().squares);
        Press(*board, PlayButton, simpleUI);
        EXPECT_FALSE(board->Game().Setup().Active());
        EXPECT_TRUE(board->Game().Status().playerMayMove);
        EXPECT_EQ(board->Toolbar().Button(SendButton)->text(), QStringLiteral("&Send"));
        // A new game from the player's set-up may be given up before its
        // first move.
        EXPECT_TRUE(board->Toolbar().Commands().Button(SurrenderButton).enabled);
    }
}
