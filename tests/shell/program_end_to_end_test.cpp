// The whole program as it starts, fetches a move another player sent,
// shows it in the tray and ends: over the local post office (an account
// asked for by the log-on dialog) and over real IMAP/POP3 and SMTP servers
// (an account already stored).
#include "foundation/msg_form.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/skinned_button.h"
#include "platform/mail_internet.h"
#include "platform/mail_post_office.h"
#include "platform/registry.h"
#include "shell/game_interface.h"
#include "shell/game_list_menus.h"
#include "shell/mail_account_dialog.h"
#include "shell/notify_form.h"
#include "shell/program_services.h"
#include "shell/system_tray.h"
#include "shell/tray_state.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_payload.h"
#include "tests/board/board_mouse.h"
#include "tests/shell/mail_servers.h"
#include "tests/shell/opponent_program.h"
#include "tests/shell/server_door.h"
#include "tests/shell/shell_test_support.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace SysTraySupport;
using ShellTesting::Opponent;
using ShellTesting::WaitForFiles;

namespace {

const char* const Switches = "-nodpi -nores -nobpp -nosound";

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
        Support::ProgramState& state = Support::Globals();
        state.Mail.PendingMoveList.clear();
        state.CheckTimerEnabled = false;
        TrayIcon::PretendDesktopHasTray(true);
        Support::SetLogonStatus(false);
        host.Script = [this](QWidget& window) { Answer(window); };
    }
    void TearDown() override { TrayIcon::PretendDesktopHasTray(std::nullopt); }

    void Answer(QWidget& window)
    {
        if (auto* box = qobject_cast<Support::MsgForm*>(&window)) {
            captions.push_back(box->FormCaption->text());
            // The first-run notice has OK only; the new-move notice's
            // Cancel is "Later"; a new post office folder is made.
            QTest::keyClick(box, box->FormCaption->text() == QStringLiteral("New post office")
                                     ? Qt::Key_Return
                                     : Qt::Key_Escape);
        } else if (auto* notice = qobject_cast<Support::NotifyForm*>(&window)) {
            notified.push_back(notice->OpName->text());
            QTest::keyClick(notice, Qt::Key_Escape);
        } else if (auto* dialog = qobject_cast<MailSupport::MailAccountDialog*>(&window)) {
            ++accountDialogs;
            if (AnswerAccount)
                AnswerAccount(*dialog);
        } else {
            window.hide();
        }
    }

    // The splash has its own tests; here the start-up runs to its end at once.
    TrayServices WithoutSplash(ProgramServices& services)
    {
        TrayServices s = services.Services();
        s.Splash = &noSplash;
        return s;
    }

    std::vector<GameRecord> StoredGames()
    {
        const Database::DataFolder folder(QFile::encodeName(Support::Globals().DataPath).toStdString());
        std::vector<GameRecord> games;
        EXPECT_TRUE(Database::SelectGames(folder, games, "", "Game_id;A"));
        return games;
    }

    // Starts the program, checks what the fetched move left behind, lets a
    // second game arrive through the mail timer and exits.
    void RunProgram(Opponent& bob, const std::function<void()>& waitForSecondMail)
    {
        ProgramServices services(nullptr, QString::fromLatin1(Switches));
        SystemTray tray(WithoutSplash(services));
        services.Attach(tray);
        ASSERT_TRUE(tray.Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));

        EXPECT_FALSE(Support::Globals().Mail.MailOffline);
        EXPECT_FALSE(Support::GetLogonStatus());
        std::vector<GameRecord> games = StoredGames();
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(games[0].GAME_OPPONENTS_NAME, "Bob Birch");
        EXPECT_EQ(games[0].GAME_STATUS, StatusPlayersMove);
        EXPECT_TRUE(tray.TrayIcon.IsShown());
        EXPECT_EQ(tray.TrayIcon.Tip(), QStringLiteral("Marrowdale - New move arrived"));
        // The notification named the opponent and was answered "Later".
        EXPECT_EQ(notified, std::vector<QString>{QStringLiteral("Bob Birch")});
        EXPECT_TRUE(Support::Globals().Mail.PendingMoveList.empty());

        bob.SendNewGame(2, "Alice Amber", aliceAddress);
        waitForSecondMail();
        tray.CheckTimer_Timer();
        EXPECT_EQ(StoredGames().size(), 2u);

        Support::ProgramSettings().SearchDepth = 3;
        tray.mnuPopupExit_Click();
        EXPECT_FALSE(tray.TrayIcon.IsShown());
        EXPECT_TRUE(QFile::exists(Support::Globals().DataPath + QStringLiteral("mdgdb.bak")));
        EXPECT_EQ(
            Registry::QueryValue(Registry::SettingsSubkey, QStringLiteral("SearchDepth")).ToNumber(), 3);
    }

    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    struct NoSplash : SplashPort {
        bool ShowSplash() override { return false; }
    } noSplash;
    QTemporaryDir home;
    std::vector<QString> captions;
    std::vector<QString> notified;
    int accountDialogs = 0;
    std::function<void(MailSupport::MailAccountDialog&)> AnswerAccount;
    std::string aliceAddress = "alice@marrowdale.test";
};

TEST_F(ProgramTest, PostOfficeAccountAskedAtSignOnThenAMoveArrives)
{
    const QString shared = home.path() + QStringLiteral("/postoffice");
    Opponent bob(std::make_unique<MailSupport::PostOfficeMailService>(
        shared.toStdString(), "bob@marrowdale.test", "Bob Birch"));
    bob.SendNewGame(1, "Alice Amber", aliceAddress);
    AnswerAccount = [&](MailSupport::MailAccountDialog& d) {
        d.PostOffice->setChecked(true);
        d.Address->setText(QString::fromStdString(aliceAddress));
        d.DisplayName->setText(QStringLiteral("Alice Amber"));
        d.PostOfficeFolder->setText(shared);
        d.OkButton->click();
    };
    RunProgram(bob, [] {});
    EXPECT_EQ(accountDialogs, 1);
    // The account is kept for the next start.
    const std::optional<MailSupport::MailAccount> kept = SettingsAccountStore().Load();
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->PostOfficeFolder, shared.toStdString());
}

// A sign-on mark left by the last run is a sign-on that never came back:
// this start says so and tries nothing; the tray's Retrieve tries again.
TEST_F(ProgramTest, SignOnThatNeverCameBackKeepsTheNextStartOffline)
{
    {
        // A first run leaves its settings behind.
        AnswerAccount = [](MailSupport::MailAccountDialog& d) { d.CancelButton->click(); };
        ProgramServices services(nullptr, QString::fromLatin1(Switches));
        SystemTray tray(services.Services());
        services.Attach(tray);
        ASSERT_TRUE(tray.Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
        tray.mnuPopupExit_Click();
    }
    accountDialogs = 0;
    captions.clear();
    Support::SetLogonStatus(true);
    const QString shared = home.path() + QStringLiteral("/postoffice");
    AnswerAccount = [&](MailSupport::MailAccountDialog& d) {
        d.PostOffice->setChecked(true);
        d.Address->setText(QString::fromStdString(aliceAddress));
        d.DisplayName->setText(QStringLiteral("Alice Amber"));
        d.PostOfficeFolder->setText(shared);
        d.OkButton->click();
    };
    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(services.Services());
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    EXPECT_EQ(accountDialogs, 0);
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_NE(std::find(captions.begin(), captions.end(), QStringLiteral("Email logon failer")),
              captions.end());
    EXPECT_TRUE(Support::GetLogonStatus());

    tray.mnuPopupRetrieve_Click();
    EXPECT_EQ(accountDialogs, 1);
    EXPECT_FALSE(Support::Globals().Mail.MailOffline);
    EXPECT_FALSE(Support::GetLogonStatus());
    tray.mnuPopupExit_Click();
}

TEST_F(ProgramTest, CancelledAccountDialogLeavesTheProgramOffline)
{
    AnswerAccount = [](MailSupport::MailAccountDialog& d) { d.CancelButton->click(); };
    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    EXPECT_EQ(accountDialogs, 1);
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(tray.TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
    EXPECT_FALSE(SettingsAccountStore().Load().has_value());
    tray.mnuPopupExit_Click();
}

// The switch in any letter case: no sign-on is tried, and the tray offers
// to log on.
TEST_F(ProgramTest, NoNetworkSwitchStaysOfflineWithoutAskingForAnAccount)
{
    ProgramServices services(nullptr, QString::fromLatin1(Switches) + QStringLiteral(" -NoNetwork"));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    EXPECT_EQ(accountDialogs, 0);
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(tray.TrayIcon.Tip(), QStringLiteral("Marrowdale - Not connected"));
    EXPECT_EQ(services.Menu.mnuPopupRetrieve->text(), QStringLiteral("Logon / Retrieve games"));
    tray.mnuPopupExit_Click();
}

// A desktop without a notification area: the game list is the program's
// window, carries the tray state, and closing it ends the program.
TEST_F(ProgramTest, WithoutATrayClosingTheGameListEndsTheProgram)
{
    TrayIcon::PretendDesktopHasTray(false);
    AnswerAccount = [](MailSupport::MailAccountDialog& d) { d.CancelButton->click(); };
    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    Support::GameInterface* list = services.GameList.Window();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(services.GameList.GameListShown());
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Marrowdale : Not connected"));
    EXPECT_FALSE(tray.TrayIcon.IsShown());

    Support::ProgramSettings().SearchDepth = 4;
    list->close();
    // The end runs once the close has returned.
    EXPECT_TRUE(QTest::qWaitFor([] { return !Support::IsWindowLoaded(QStringLiteral("SystemTray")); }));
    EXPECT_FALSE(services.GameList.GameListShown());
    EXPECT_EQ(Registry::QueryValue(Registry::SettingsSubkey, QStringLiteral("SearchDepth")).ToNumber(),
              4);
    // This run's fallback is not kept for the next start.
    EXPECT_EQ(Registry::QueryValue(Registry::SettingsSubkey, QStringLiteral("SystrayStartup")).ToText(),
              QStringLiteral("True"));
}

TEST_F(ProgramTest, SecondCopyOnTheSameDataFolderLeavesEverythingAlone)
{
    AnswerAccount = [](MailSupport::MailAccountDialog& d) { d.CancelButton->click(); };
    ProgramServices first(nullptr, QString::fromLatin1(Switches));
    SystemTray firstTray(WithoutSplash(first));
    ASSERT_TRUE(firstTray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(firstTray));
    captions.clear();
    const QByteArray settingsBefore = [] {
        QFile f(Registry::StoreFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();

    ProgramServices second(nullptr, QString::fromLatin1(Switches));
    SystemTray secondTray(WithoutSplash(second));
    EXPECT_FALSE(secondTray.Form_Load());
    EXPECT_EQ(captions, (std::vector<QString>{QStringLiteral("Initialisation error")}));
    EXPECT_EQ(accountDialogs, 1);
    EXPECT_FALSE(secondTray.TrayIcon.IsShown());
    QFile f(Registry::StoreFilePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), settingsBefore);
}

// "Mail account..." from the tray menu: the account the user confirms is
// used at once (a retrieval from the new post office) and by the polls
// after it. The game list's File menu offers the same dialog.
TEST_F(ProgramTest, MailAccountFromTheMenusIsUsedAtOnce)
{
    const QString first = home.path() + QStringLiteral("/first office");
    const QString second = home.path() + QStringLiteral("/second office");
    Opponent bob(std::make_unique<MailSupport::PostOfficeMailService>(
        second.toStdString(), "bob@marrowdale.test", "Bob Birch"));
    bob.SendNewGame(1, "Alice Amber", aliceAddress);
    AnswerAccount = [&](MailSupport::MailAccountDialog& d) {
        d.PostOffice->setChecked(true);
        d.Address->setText(QString::fromStdString(aliceAddress));
        d.DisplayName->setText(QStringLiteral("Alice Amber"));
        d.PostOfficeFolder->setText(first);
        d.OkButton->click();
    };
    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    EXPECT_TRUE(StoredGames().empty());

    EXPECT_EQ(services.Menu.mnuPopupMailAccount->text(), QStringLiteral("&Mail account..."));
    AnswerAccount = [&](MailSupport::MailAccountDialog& d) {
        EXPECT_EQ(d.PostOfficeFolder->text(), first);
        d.PostOfficeFolder->setText(second);
        EXPECT_TRUE(d.PostOfficePathText->text().endsWith(second));
        d.OkButton->click();
    };
    services.Menu.mnuPopupMailAccount->trigger();
    EXPECT_EQ(accountDialogs, 2);
    EXPECT_EQ(StoredGames().size(), 1u);
    EXPECT_EQ(SettingsAccountStore().Load()->PostOfficeFolder, second.toStdString());
    EXPECT_FALSE(Support::Globals().ModalBusy);

    bob.SendNewGame(2, "Alice Amber", aliceAddress);
    tray.CheckTimer_Timer();
    EXPECT_EQ(StoredGames().size(), 2u);

    services.GameList.ShowGameList();
    Support::GameInterface* list = services.GameList.Window();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Menus.mnuIntFileMenu.Item(3)->text(), QStringLiteral("Mail account..."));
    AnswerAccount = [](MailSupport::MailAccountDialog& d) { d.CancelButton->click(); };
    MenuSupport::FileMenuClick(*list, 3);
    EXPECT_EQ(accountDialogs, 3);
    // Cancel changes nothing: still on-line with the second office.
    EXPECT_FALSE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(SettingsAccountStore().Load()->PostOfficeFolder, second.toStdString());
    tray.mnuPopupExit_Click();
}

class ServerProgramTest : public ProgramTest,
                          public ::testing::WithParamInterface<MailSupport::InboxProtocol> {
protected:
    MailSupport::MailAccount Account(const std::string& user, const std::string& name) const
    {
        return Servers().Account(GetParam(), user, name);
    }
    // Alice's account stored, her inbox and Bob's empty, and Bob's first
    // move of game 1 delivered to her.
    std::unique_ptr<Opponent> BobStartsAGame()
    {
        Servers().ClearInboxes();
        aliceAddress = Account("alice", "Alice Amber").Address;
        EXPECT_TRUE(SettingsAccountStore().Save(Account("alice", "Alice Amber")));
        auto bob = std::make_unique<Opponent>(
            std::make_unique<MailSupport::InternetMailService>(Account("bob", "Bob Birch")));
        bob->SendNewGame(1, "Alice Amber", aliceAddress);
        EXPECT_TRUE(WaitForFiles(Maildir("alice"), 1));
        return bob;
    }
    static fs::path Maildir(const char* user) { return Servers().NewMail(user); }
    // Started the first time a server case asks, never by the other cases.
    static ShellTesting::MailServers& Servers() { return ShellTesting::MailServers::Shared(); }
};

TEST_P(ServerProgramTest, StoredAccountFetchesTheMoveMailAtStartAndOnTheTimer)
{
    if (!Servers().Running())
        GTEST_SKIP() << "the mail servers are not available here";
    const std::unique_ptr<Opponent> bob = BobStartsAGame();
    RunProgram(*bob, [&] { ASSERT_TRUE(WaitForFiles(Maildir("alice"), 1)); });
    EXPECT_EQ(accountDialogs, 0);
}

// Alice answers on the board: Send mails her move through the servers to
// Bob, whose retrieval merges it; Resend mails the same payload again, which
// brings Bob nothing new.
TEST_P(ServerProgramTest, TheBoardsSendAndResendReachTheOpponent)
{
    if (!Servers().Running())
        GTEST_SKIP() << "the mail servers are not available here";
    const std::unique_ptr<Opponent> bob = BobStartsAGame();

    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    ASSERT_EQ(StoredGames().size(), 1u);
    const int game = StoredGames()[0].GAME_ID;

    services.Board.OpenBoard(Support::GameToOpen::Stored(game), false);
    BoardSupport::Board* board = services.Board.OpenWindow();
    ASSERT_NE(board, nullptr);
    BoardTests::DragPiece(*board, "e7", "e5");
    board->View().PlayerComment()->setText(QStringLiteral("Over to you"));
    QTest::mouseClick(board->Toolbar().Face(BoardSupport::SendButton), Qt::LeftButton);
    EXPECT_FALSE(board->isVisible());
    EXPECT_EQ(StoredGames()[0].GAME_STATUS, StatusAwaitingOpponent);
    ASSERT_TRUE(WaitForFiles(Maildir("bob"), 1));
    const std::string sent = bob->WaitingPayload();
    ASSERT_FALSE(sent.empty());
    MoveList atBob = bob->Retrieve(1);
    ASSERT_EQ(atBob.size(), 2u);
    EXPECT_EQ(atBob[1], (MoveRecord{2, "5755", "e5", "Over to you"}));

    ASSERT_TRUE(QTest::qWaitFor([&services] { return services.Board.OpenWindow() == nullptr; }));
    services.Board.OpenBoard(Support::GameToOpen::Stored(game), false);
    board = services.Board.OpenWindow();
    ASSERT_NE(board, nullptr);
    QTest::mouseClick(board->Toolbar().Face(BoardSupport::ResendButton), Qt::LeftButton);
    ASSERT_TRUE(WaitForFiles(Maildir("bob"), 1));
    EXPECT_EQ(bob->WaitingPayload(), sent);
    EXPECT_EQ(bob->Retrieve(1), atBob);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), QStringLiteral("Transmission error.")), 0);
    tray.mnuPopupExit_Click();
}

// The servers go down as Alice sends: the send fails with one message and
// the next poll finds the connection gone. Each later tick tries quietly to
// sign on again (no dialog, no message); once the servers are back the
// program is on-line by itself and the board's Resend delivers the move.
TEST_P(ServerProgramTest, AFailedSendIsResentOnceTheServersAreBack)
{
    if (!Servers().Running())
        GTEST_SKIP() << "the mail servers are not available here";
    const std::unique_ptr<Opponent> bob = BobStartsAGame();
    MailSupport::MailAccount alice = Account("alice", "Alice Amber");
    ShellTesting::ServerDoor inboxDoor(quint16(alice.InboxPort));
    ShellTesting::ServerDoor smtpDoor(quint16(alice.SmtpPort));
    ASSERT_TRUE(inboxDoor.Open() && smtpDoor.Open());
    alice.InboxServer = alice.SmtpServer = "127.0.0.1";
    alice.InboxPort = inboxDoor.Port();
    alice.SmtpPort = smtpDoor.Port();
    ASSERT_TRUE(SettingsAccountStore().Save(alice));

    ProgramServices services(nullptr, QString::fromLatin1(Switches));
    SystemTray tray(WithoutSplash(services));
    services.Attach(tray);
    ASSERT_TRUE(tray.Form_Load());
    ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(tray));
    ASSERT_FALSE(Support::Globals().Mail.MailOffline);
    ASSERT_EQ(StoredGames().size(), 1u);
    const int game = StoredGames()[0].GAME_ID;

    inboxDoor.Shut();
    smtpDoor.Shut();
    services.Board.OpenBoard(Support::GameToOpen::Stored(game), false);
    BoardSupport::Board* board = services.Board.OpenWindow();
    ASSERT_NE(board, nullptr);
    BoardTests::DragPiece(*board, "e7", "e5");
    QTest::mouseClick(board->Toolbar().Face(BoardSupport::SendButton), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&services] { return services.Board.OpenWindow() == nullptr; }));
    EXPECT_EQ(std::count(captions.begin(), captions.end(), QStringLiteral("Transmission error.")), 1);
    const std::size_t toldBefore = captions.size();

    // Down: the poll finds it, the next ones try quietly.
    for (int tick = 0; tick < 3; ++tick)
        tray.CheckTimer_Timer();
    EXPECT_TRUE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(tray.TrayIcon.Tip(), LostConnectionTip);
    EXPECT_EQ(captions.size(), toldBefore);
    EXPECT_EQ(accountDialogs, 0);

    ASSERT_TRUE(inboxDoor.Open() && smtpDoor.Open());
    tray.CheckTimer_Timer();
    EXPECT_FALSE(Support::Globals().Mail.MailOffline);
    EXPECT_EQ(services.Menu.mnuPopupRetrieve->text(), QStringLiteral("Retrieve games"));
    EXPECT_EQ(captions.size(), toldBefore);

    services.Board.OpenBoard(Support::GameToOpen::Stored(game), false);
    board = services.Board.OpenWindow();
    ASSERT_NE(board, nullptr);
    ASSERT_TRUE(board->Toolbar().Commands().Button(BoardSupport::ResendButton).enabled);
    QTest::mouseClick(board->Toolbar().Face(BoardSupport::ResendButton), Qt::LeftButton);
    ASSERT_TRUE(WaitForFiles(Maildir("bob"), 1));
    const MoveList atBob = bob->Retrieve(1);
    ASSERT_EQ(atBob.size(), 2u);
    EXPECT_EQ(atBob[1].coordinates, "5755");
    EXPECT_EQ(captions.size(), toldBefore);
    tray.mnuPopupExit_Click();
}

INSTANTIATE_TEST_SUITE_P(Servers, ServerProgramTest,
                         ::testing::Values(MailSupport::InboxProtocol::Imap,
                                           MailSupport::InboxProtocol::Pop3),
                         [](const auto& info) {
                             return info.param == MailSupport::InboxProtocol::Imap ? std::string("Imap")
                                                                                   : std::string("Pop3");
                         });

} // namespace
