// The board's Send and Resend through the program's own mail thread and
// mail state, over a mail system that can be switched off: a refused send
// keeps the move stored, and Resend then delivers it to the opponent,
// whose retrieval merges it.
#include "foundation/program_state.h"
#include "foundation/skinned_button.h"
#include "shell/program_board.h"
#include "shell/program_mail.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_files.h"
#include "store/move_payload.h"
#include "tests/board/board_mouse.h"
#include "tests/mail/fake_mail_service.h"
#include "tests/shell/opponent_program.h"
#include "tests/shell/recording_services.h"
#include "tests/shell/shell_test_support.h"

#include <QLabel>
#include <QPushButton>
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
            window.hide();
        };
        mail.Run([](MailSupport::Transport& t) { MailSupport::SignOn(t, false); });
    }
    ~ProgramBoardSendTest() override { Support::Globals().Mail = MailSupport::MailState{}; }

    BoardSupport::Board& OpenAlicesGame()
    {
        board.OpenBoard(AlicesGameId(), true);
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
    MailTesting::FakeMailSystem system;
    SysTraySupport::ProgramMail mail{std::make_unique<MailTesting::FakeMailService>(system, Alice, "Alice Amber"),
                                     [] {}};
    ShellTesting::RecordingServices services;
    SysTraySupport::ProgramBoard board{services, services};
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
    QTest::mouseClick(first.Toolbar1Face[BoardSupport::SendButton], Qt::LeftButton);
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
    EXPECT_FALSE(second.Commands().Button(BoardSupport::SendButton).enabled);
    ASSERT_TRUE(second.Commands().Button(BoardSupport::ResendButton).enabled);
    QTest::mouseClick(second.Toolbar1Face[BoardSupport::ResendButton], Qt::LeftButton);
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
    QTest::mouseClick(window.Toolbar1Face[BoardSupport::SendButton], Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    const std::filesystem::path file = Support::ProgramDataFolder().path / MailSupport::MoveFileName(1);
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(Support::ExtractMovePayload(text).find("|2|5755|e5|"), std::string::npos) << text;
    EXPECT_TRUE(system.Inbox(Bob).empty());
}
