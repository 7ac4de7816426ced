// The board's Send and Resend through the program's own mail thread and
// mail state, over a mail system that can be switched off: a refused send
// keeps the move stored, and Resend then delivers it to the opponent,
// whose retrieval merges it. A game begun from the player's own set-up
// reaches the opponent on the position it was set up from.
#include "board/setup_warning_form.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"
#include "platform/mail_address_book.h"
#include "shell/new_game_form.h"
#include "shell/new_game_kind.h"
#include "shell/program_board.h"
#include "shell/program_mail.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_files.h"
#include "store/move_payload.h"
#include "tests/board/board_mouse.h"
#include "tests/board/recording_board_host.h"
#include "tests/mail/fake_mail_service.h"
#include "tests/shell/opponent_program.h"
#include "tests/shell/recording_services.h"
#include "tests/shell/shell_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

const std::string Alice = "alice@marrowdale.test";
const std::string Bob = "bob@marrowdale.test";

class ProgramBoardSendTest : public ::testing::Test {
protected:
    ProgramBoardSendTest()
    {
        Support::ProgramState& state = Support::Globals();
        state.Mail = MailSupport::MailState{};
        state.Quitting = false;
        modal.Script = [this](QWidget& window) {
            if (auto* caption = window.findChild<QLabel*>(QStringLiteral("FormCaption")))
                messages.push_back(caption->text());
            if (auto* text = window.findChild<QLabel*>(QStringLiteral("Message")))
                texts.push_back(text->text());
            window.hide();
        };
        mail.Run([](MailSupport::Transport& t) { MailSupport::SignOn(t, false); });
    }
    ~ProgramBoardSendTest() override { Support::Globals().Mail = MailSupport::MailState{}; }

    BoardSupport::Board& OpenAlicesGame()
    {
        board.OpenBoard(Support::GameToOpen::Stored(AlicesGameId()), true);
        EXPECT_NE(board.OpenWindow(), nullptr);
        return *board.OpenWindow();
    }
    int AlicesGameId()
    {
        std::vector<GameRecord> games;
        EXPECT_TRUE(Database::SelectGames(Support::ProgramDataFolder(), games, "", ""));
        return games.empty() ? 0 : games.front().GAME_ID;
    }

    TestSupport::QtApp app;
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost modal;
    std::vector<QString> messages;
    std::vector<QString> texts;
    MailTesting::FakeMailSystem system;
    SysTraySupport::ProgramMail mail{
        std::make_unique<MailTesting::FakeMailService>(system, Alice, "Alice Amber"), [] {}};
    ShellTesting::RecordingServices services;
    SysTraySupport::ProgramBoard board{services.GameList, services.Menu};
};

} // namespace

TEST_F(ProgramBoardSendTest, ARefusedSendKeepsTheMoveAndResendDeliversIt)
{
    board.AttachMail(&mail);
    ShellTesting::Opponent bob(std::make_unique<MailTesting::FakeMailService>(system, Bob, "Bob Birch"));
    bob.SendNewGame(4, "Alice Amber", Alice);
    mail.RetrieveMoveMails(false, false);
    ASSERT_FALSE(Support::Globals().Mail.MailOffline);

    BoardSupport::Board& first = OpenAlicesGame();
    BoardTests::DragPiece(first, "e7", "e5");
    system.Down = true;
    QTest::mouseClick(first.Toolbar().Face(BoardSupport::SendButton), Qt::LeftButton);
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Transmission error.")});
    EXPECT_FALSE(first.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return board.OpenWindow() == nullptr; }));

    // Stored, awaiting the opponent: nothing is lost, and Resend is offered.
    std::vector<GameRecord> games;
    ASSERT_TRUE(Database::SelectGames(Support::ProgramDataFolder(), games, "", ""));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].GAME_STATUS, StatusAwaitingOpponent);
    EXPECT_TRUE(bob.Retrieve(4).size() == 1);

    system.Down = false;
    BoardSupport::Board& second = OpenAlicesGame();
    EXPECT_FALSE(second.Toolbar().Commands().Button(BoardSupport::SendButton).enabled);
    ASSERT_TRUE(second.Toolbar().Commands().Button(BoardSupport::ResendButton).enabled);
    QTest::mouseClick(second.Toolbar().Face(BoardSupport::ResendButton), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 1u);
    const MoveList atBob = bob.Retrieve(4);
    ASSERT_EQ(atBob.size(), 2u);
    EXPECT_EQ(atBob[1].notation, "e5");
}

TEST_F(ProgramBoardSendTest, InStandAloneModeSendWritesTheNextMoveFile)
{
    board.AttachMail(&mail);
    ShellTesting::Opponent bob(std::make_unique<MailTesting::FakeMailService>(system, Bob, "Bob Birch"));
    bob.SendNewGame(4, "Alice Amber", Alice);
    mail.RetrieveMoveMails(false, false);
    Support::Globals().Mail.MailOffline = true;
    Support::Globals().Mail.StandAloneMode = true;

    BoardSupport::Board& window = OpenAlicesGame();
    BoardTests::DragPiece(window, "e7", "e5");
    QTest::mouseClick(window.Toolbar().Face(BoardSupport::SendButton), Qt::LeftButton);
    const std::filesystem::path file = Support::ProgramDataFolder().path / MailSupport::MoveFileName(1);
    // The player is told which file to carry, and where it is.
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Move file written")});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0].contains(
        QString::fromStdString("Cmove1.txt in the folder " + file.parent_path().string())))
        << texts[0].toStdString();
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(Support::ExtractMovePayload(text).find("|2|5755|e5|"), std::string::npos) << text;
    EXPECT_TRUE(system.Inbox(Bob).empty());
}

// Begun as the game list's Set-up starts it, built from the palette by
// mouse, played past a warning, sent: the second player's program stores
// the set-up position with the game, and its board opens on it with the
// first move made.
TEST_F(ProgramBoardSendTest, ASetUpGameReachesTheOpponentOnItsOwnPosition)
{
    board.AttachMail(&mail);
    ShellTesting::Opponent bob(std::make_unique<MailTesting::FakeMailService>(system, Bob, "Bob Birch"));
    std::ofstream(Support::ProgramDataFolder().path / MailSupport::ContactsFileName)
        << "Bob Birch <" << Bob << ">\n";
    MailSupport::GameAddressBook book(Support::ProgramDataFolder());
    std::vector<QString> warnings;
    modal.Script = [&](QWidget& window) {
        if (auto* newGame = dynamic_cast<Support::NewGameInfo*>(&window)) {
            QTest::keyClicks(newGame->Game_name, QStringLiteral("Two dark bishops"));
            QTest::keyClicks(newGame->Game_opponents_name, QStringLiteral("Bob Birch"));
            newGame->ResolveName();
            QTest::keyClick(newGame->Game_name, Qt::Key_Return);
        } else if (auto* warning = dynamic_cast<BoardSupport::SetupWarningForm*>(&window)) {
            warnings.push_back(warning->WarningMessage->text());
            QTest::mouseClick(warning->OkButton.face, Qt::LeftButton);
        } else if (auto* caption = window.findChild<QLabel*>(QStringLiteral("FormCaption"))) {
            messages.push_back(caption->text());
            window.hide();
        }
    };
    Support::StartNewGame(nullptr, {false, true}, board, &book);
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Board setup")});
    BoardSupport::Board* alice = board.OpenWindow();
    ASSERT_NE(alice, nullptr);
    ASSERT_TRUE(alice->Game().Setup().Active());

    const char* const setUp = "Ke1 Rh1 Bc1 Ba3 Pe2 Pg2 ke8 pd7 ph7";
    BoardTests::BuildByMouse(*alice, setUp);
    ASSERT_EQ(alice->Game().History().Current().squares, TestBoards::Squares(setUp));
    const std::string start = BoardSupport::FormatPositionString(TestBoards::Squares(setUp));
    QTest::mouseClick(alice->Toolbar().Face(BoardSupport::PlayButton), Qt::LeftButton);
    EXPECT_EQ(warnings, std::vector<QString>{
                            QStringLiteral("White warnings\n      No bishops on a white board square")});
    ASSERT_FALSE(alice->Game().Setup().Active());
    BoardTests::DragPiece(*alice, "e2", "e4");
    ASSERT_EQ(alice->View().MoveList()->rowCount(), 1);
    QTest::mouseClick(alice->Toolbar().Face(BoardSupport::SendButton), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return board.OpenWindow() == nullptr; }));
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(Support::Globals().ModalBusy);

    std::vector<GameRecord> sent;
    ASSERT_TRUE(Database::SelectGames(Support::ProgramDataFolder(), sent, "", ""));
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].startPosition, start);
    EXPECT_EQ(sent[0].GAME_OPPONENTS_EMAIL, Bob);

    bob.RetrieveMail();
    std::vector<GameRecord> arrived;
    ASSERT_TRUE(Database::SelectGames(bob.Folder(), arrived, "", ""));
    ASSERT_EQ(arrived.size(), 1u);
    EXPECT_EQ(arrived[0].GAME_NAME, "Two dark bishops");
    EXPECT_EQ(arrived[0].startPosition, start);

    BoardTests::RecordingBoardHost bobsHost;
    BoardSupport::Board bobsBoard(bobsHost, bob.Folder());
    BoardSupport::BoardOptions options;
    options.request.gameId = arrived[0].GAME_ID;
    ASSERT_TRUE(bobsBoard.Form_Load(options));
    bobsBoard.show();
    EXPECT_EQ(bobsBoard.Game().Info().initialBoardState, start);
    EXPECT_EQ(bobsBoard.Game().History().Current().squares,
              TestBoards::Squares("Ke1 Rh1 Bc1 Ba3 Pe4 Pg2 ke8 pd7 ph7"));
    ASSERT_EQ(bobsBoard.View().MoveList()->rowCount(), 1);
    EXPECT_EQ(bobsBoard.View().MoveList()->item(0, 2)->text(), QStringLiteral("e4"));
    EXPECT_EQ(bobsBoard.windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
    // The second player is told the game did not begin from the usual start.
    EXPECT_TRUE(QTest::qWaitFor([this] { return messages.size() == 2; }));
    EXPECT_EQ(messages.back(), QStringLiteral("Setup game"));
}

// A board holding a move not yet sent is never replaced by another opening
// (the notification's Play, the tray's games menu): it comes to the front
// with its move, and only its own closing lets another board open.
TEST_F(ProgramBoardSendTest, AnOpenBoardWithAnUnsentMoveIsNeverReplaced)
{
    board.AttachMail(&mail);
    ShellTesting::Opponent bob(std::make_unique<MailTesting::FakeMailService>(system, Bob, "Bob Birch"));
    bob.SendNewGame(4, "Alice Amber", Alice);
    mail.RetrieveMoveMails(false, false);
    BoardSupport::Board& first = OpenAlicesGame();
    BoardTests::DragPiece(first, "e7", "e5");
    const int rows = first.View().MoveList()->rowCount();
    EXPECT_TRUE(board.BoardOpen());

    board.OpenBoard(Support::GameToOpen::Stored(AlicesGameId()), false);
    EXPECT_EQ(board.OpenWindow(), &first);
    EXPECT_EQ(first.View().MoveList()->rowCount(), rows);
    EXPECT_FALSE(first.Closing());

    first.close();
    EXPECT_FALSE(board.BoardOpen());
    board.OpenBoard(Support::GameToOpen::Stored(AlicesGameId()), false);
    EXPECT_NE(board.OpenWindow(), nullptr);
    EXPECT_TRUE(board.BoardOpen());
}

// The board holds the polling paused for its lifetime, inside its opener's
// own pause, and its closing gives back what the opener found: a timer
// that was off stays off. A modal window while it is open leaves the pause
// in force.
TEST_F(ProgramBoardSendTest, TheBoardsPauseGivesBackWhatItsOpenerFound)
{
    ShellTesting::Opponent bob(std::make_unique<MailTesting::FakeMailService>(system, Bob, "Bob Birch"));
    bob.SendNewGame(4, "Alice Amber", Alice);
    mail.RetrieveMoveMails(false, false);
    for (const bool timerOn : {true, false}) {
        SCOPED_TRACE(timerOn ? "timer on" : "timer off");
        Support::SetCheckTimer(timerOn);
        Support::Globals().ModalBusy = false;
        Support::Globals().Mail.PendingMoveList.clear();
        {
            const Support::PollingHold opening;
            OpenAlicesGame();
        }
        EXPECT_FALSE(Support::CheckTimerEnabled());
        EXPECT_TRUE(Support::Globals().ModalBusy);
        {
            const Support::PollingPause modalWindow;
        }
        EXPECT_FALSE(Support::CheckTimerEnabled());
        EXPECT_TRUE(Support::Globals().ModalBusy);

        board.OpenWindow()->close();
        EXPECT_FALSE(board.BoardOpen());
        EXPECT_EQ(Support::CheckTimerEnabled(), timerOn);
        EXPECT_FALSE(Support::Globals().ModalBusy);
    }
}
