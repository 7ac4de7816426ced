// Two people playing each other by e-mail, each with a copy of the program
// of their own: own data and settings folders, own account on the mail
// tests' servers (Alice reads her mail over IMAP, Bob over POP3). Every move
// is dragged on the mover's board window, sent, fetched by the other
// program's mail timer, announced by its notification and opened with Play.
//
// Both copies run in this one process, each with its own tray window and
// mail session; only the program-wide state (its variables, its settings,
// the user's folders) is one, so it is handed over whenever the other
// player takes their turn, and the program that waits keeps its mail timer
// stopped meanwhile.
#include "board/board_window.h"
#include "foundation/msg_form.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skinned_button.h"
#include "platform/mail_account_settings.h"
#include "platform/mail_address_book.h"
#include "platform/mail_post_office.h"
#include "platform/qt_keychain_passwords.h"
#include "platform/registry.h"
#include "platform/tray_icon.h"
#include "shell/mail_account_dialog.h"
#include "shell/new_game_form.h"
#include "shell/notify_form.h"
#include "shell/opponent_book.h"
#include "shell/program_services.h"
#include "shell/system_tray.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_files.h"
#include "store/move_payload.h"
#include "tests/board/board_mouse.h"
#include "tests/shell/mail_servers.h"
#include "tests/shell/shell_test_support.h"

#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

using namespace SysTraySupport;
using BoardSupport::Board;
using BoardTests::DragPiece;
using MailSupport::InboxProtocol;

namespace {

const char* const Switches = "-nodpi -nores -nobpp -nosound";
// The programs poll often, so that a sent move is found soon after it arrives.
constexpr int PollMilliseconds = 200;
// Sending, delivery and the next poll together.
constexpr int ArrivalTimeoutMilliseconds = 30000;

// One person at their computer: the program's folders, its running copy of
// the program, and what it told them.
// The settings' mail account, counting every time the program reads it.
struct CountingAccounts : SettingsAccountStore {
    std::optional<MailSupport::MailAccount> Load() override
    {
        ++Loads;
        return SettingsAccountStore::Load();
    }
    int Loads = 0;
};

struct Player {
    Player(std::string user, std::string displayName, InboxProtocol protocol)
        : User(std::move(user)), Name(std::move(displayName)), Protocol(protocol),
          State(Support::Globals())
    {
    }
    std::string Address() const
    {
        return ShellTesting::MailServers::Shared().Account(Protocol, User, Name).Address;
    }
    Board* OpenBoard() const
    {
        Board* board = Services ? Services->Board.OpenWindow() : nullptr;
        return board && board->isVisible() ? board : nullptr;
    }

    std::string User;
    std::string Name;
    InboxProtocol Protocol;
    QTemporaryDir Home;
    QString DataPath;
    // The program-wide state and settings of this copy while the other one runs.
    Support::ProgramState State;
    Support::Settings Settings;
    std::unique_ptr<ProgramServices> Services;
    std::unique_ptr<SystemTray> Tray;
    // The notification's button the player clicks.
    const char* NotificationAnswer = "PlayButton";
    // What each notification showed (title, comment, whether Next was
    // offered), and the captions of the messages.
    std::vector<QString> Announced;
    std::vector<QString> Comments;
    std::vector<bool> NextOffered;
    std::vector<QString> Messages;
    std::vector<QString> MessageTexts;
    CountingAccounts Accounts;
    // The move files of the player's data folder already passed on.
    std::set<std::filesystem::path> PassedOn;
    // The captions of the questions the player answers No.
    std::set<QString> AnswersNo;
};

struct StoredGame {
    GameRecord Record;
    MoveList Moves;
};

class TwoPlayersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TrayIcon::PretendDesktopHasTray(true);
        host.Script = [this](QWidget& window) { Answer(window); };
    }
    void TearDown() override
    {
        TrayIcon::PretendDesktopHasTray(std::nullopt);
        Support::EntryWindows().PickMoveFile = nullptr;
    }

    // The player whose program has the program-wide state from now on.
    void Sit(Player& player)
    {
        if (atDesk == &player)
            return;
        if (atDesk) {
            if (atDesk->Tray)
                atDesk->Tray->CheckTimer.stop();
            atDesk->State = Support::Globals();
            atDesk->Settings = Support::ProgramSettings();
        }
        atDesk = &player;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(player.Home.path() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(player.Home.path() + QStringLiteral("/data")));
        Support::Globals() = player.State;
        Support::ProgramSettings() = player.Settings;
        if (player.Tray)
            player.Tray->SwitchCheckTimer(Support::CheckTimerEnabled());
    }

    // The player's mail password is in the tests' keyring and nowhere in
    // their settings file.
    static void ExpectPasswordInKeyring(const Player& player)
    {
        const MailSupport::MailAccount given =
            Servers().Account(player.Protocol, player.User, player.Name);
        const MailSupport::MailAccount account = MailSupport::LoadMailAccount();
        EXPECT_EQ(account.UserName, given.UserName);
        EXPECT_TRUE(account.Password.empty()) << "the settings file holds the password";
        const std::string& expected = given.Password;
        std::string kept;
        ASSERT_EQ(MailSupport::DesktopKeyring().Read(MailSupport::PasswordKeyFor(account), kept),
                  MailSupport::KeyringAnswer::Done);
        EXPECT_EQ(kept, expected);
        QFile file(Registry::StoreFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_FALSE(file.readAll().contains(QByteArray("Password=sz:") + expected.c_str()));
    }

    // Starts the player's program on their stored mail account; in
    // stand-alone mode the account stays stored and unused.
    void StartProgram(Player& player, bool standAlone = false)
    {
        Sit(player);
        MailSupport::MailAccount account;
        if (Servers().Running() || !standAlone) {
            account = Servers().Account(player.Protocol, player.User, player.Name);
        } else {
            account.InboxServer = account.SmtpServer = "127.0.0.1";
            account.Address = player.User + "@marrowdale.test";
        }
        ASSERT_TRUE(player.Accounts.Save(account));
        if (Servers().Running() && !standAlone) {
            ASSERT_NO_FATAL_FAILURE(ExpectPasswordInKeyring(player));
        }
        QString switches = QString::fromLatin1(Switches);
        if (standAlone)
            switches += QStringLiteral(" -testingmode");
        player.Services = std::make_unique<ProgramServices>(&player.Accounts, switches);
        TrayServices services = player.Services->Services();
        services.Splash = &noSplash;
        player.Tray = std::make_unique<SystemTray>(services);
        player.Services->Attach(*player.Tray);
        ASSERT_TRUE(player.Tray->Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*player.Tray));
        ASSERT_EQ(Support::Globals().Mail.MailOffline, standAlone);
        player.DataPath = Support::Globals().DataPath;
        Support::ProgramSettings().CheckInterval = PollMilliseconds;
        player.Tray->SwitchCheckTimer(Support::CheckTimerEnabled());
    }

    // Starts a copy that has never run: the mail log-on dialog asks for
    // the account (answered by AnswerAccount).
    void StartFreshProgram(Player& player)
    {
        Sit(player);
        player.Services = std::make_unique<ProgramServices>(nullptr, QString::fromLatin1(Switches));
        TrayServices services = player.Services->Services();
        services.Splash = &noSplash;
        player.Tray = std::make_unique<SystemTray>(services);
        player.Services->Attach(*player.Tray);
        ASSERT_TRUE(player.Tray->Form_Load());
        ASSERT_TRUE(ShellTesting::FinishFirstRetrieval(*player.Tray));
        ASSERT_FALSE(Support::Globals().Mail.MailOffline);
        player.DataPath = Support::Globals().DataPath;
        Support::ProgramSettings().CheckInterval = PollMilliseconds;
        player.Tray->SwitchCheckTimer(Support::CheckTimerEnabled());
    }

    // A contacts file in the player's data folder.
    static void KnowEachOther(const Player& player, const std::string& lines)
    {
        std::ofstream contacts(QFile::encodeName(player.DataPath).toStdString()
                               + MailSupport::ContactsFileName);
        contacts << lines;
    }

    // The tray menu's "New game..."; the dialogs are answered by the given
    // steps. The new game's board is open afterwards.
    Board* StartGame(Player& player, std::function<void(Support::NewGameInfo&)> fill,
                     std::function<void(Support::OpponentBook&)> choose = {})
    {
        Sit(player);
        FillNewGame = std::move(fill);
        ChooseOpponent = std::move(choose);
        player.Services->Menu.mnuPopupNewGame->trigger();
        Board* board = player.OpenBoard();
        EXPECT_NE(board, nullptr);
        return board;
    }

    // Drags a piece on the player's open board; the move list grows by one row.
    static void Move(Player& player, const char* from, const char* to, const char* comment = "")
    {
        Board* board = player.OpenBoard();
        ASSERT_NE(board, nullptr);
        const int rows = board->View().MoveList()->rowCount();
        board->View().PlayerComment()->setText(QString::fromLatin1(comment));
        DragPiece(*board, from, to);
        ASSERT_EQ(board->View().MoveList()->rowCount(), rows + 1) << from << "-" << to;
    }

    // A click on a button of the player's board toolbar.
    static void Click(Player& player, BoardSupport::BoardToolbarButton button)
    {
        Board* board = player.OpenBoard();
        ASSERT_NE(board, nullptr);
        ASSERT_TRUE(board->Toolbar().Commands().Button(button).enabled) << button;
        QTest::mouseClick(board->Toolbar().Face(button), Qt::LeftButton);
    }

    // An item of the board's Actions menu, popped up by its menu button.
    static void ChooseAction(Player& player, BoardSupport::ActionsItem item)
    {
        Board* board = player.OpenBoard();
        ASSERT_NE(board, nullptr);
        QTest::mousePress(board->MenuBar().GameButton(), Qt::LeftButton);
        Support::IndexedMenu& menu = board->Menus().mnuActionsMenu;
        ASSERT_TRUE(menu.isVisible());
        ASSERT_TRUE(menu.Item(item)->isEnabled()) << item;
        menu.Item(item)->trigger();
        menu.close();
    }

    // The toolbar's Send: the board stores the row, mails the game and closes.
    static void Send(Player& player)
    {
        const QPointer<Board> board = player.OpenBoard();
        ASSERT_NO_FATAL_FAILURE(Click(player, BoardSupport::SendButton));
        EXPECT_TRUE(!board || !board->isVisible());
    }

    // The player's program finds the opponent's move on its mail timer,
    // announces it, and Play opens it on the board.
    Board* Receive(Player& player)
    {
        Sit(player);
        const std::size_t announced = player.Announced.size();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return player.Announced.size() > announced && player.OpenBoard(); },
                            ArrivalTimeoutMilliseconds))
            << player.Name << " was told of no move";
        return player.OpenBoard();
    }

    // One move dragged on the mover's board and sent; the opponent's
    // program announces it and opens it.
    void Ply(Player& mover, Player& opponent, const char* from, const char* to, const char* comment = "")
    {
        ASSERT_NO_FATAL_FAILURE(Move(mover, from, to, comment));
        ASSERT_NO_FATAL_FAILURE(Send(mover));
        ASSERT_TRUE(Receive(opponent));
    }

    // The game's last entry sent: the opponent's board opens on how the
    // game ended, tells it, and is closed.
    void SendLastEntry(Player& mover, Player& opponent, const char* notice)
    {
        ASSERT_NO_FATAL_FAILURE(Send(mover));
        ASSERT_TRUE(Receive(opponent));
        EXPECT_TRUE(WaitForMessage(opponent, notice));
        ASSERT_NO_FATAL_FAILURE(Click(opponent, BoardSupport::CloseButton));
        EXPECT_EQ(opponent.OpenBoard(), nullptr);
    }

    // A new game whose opponent is found from the typed name once the name
    // box is left and the dialog's timer ticks.
    void StartGameWith(Player& player, const char* title, const char* typedName, const Player& opponent)
    {
        StartGame(player, [&](Support::NewGameInfo& d) {
            Type(d.Game_name, title);
            Type(d.Game_opponents_name, typedName);
            QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(d.Game_opponents_name, &left);
            d.Timer1_Timer();
            EXPECT_EQ(d.Game_opponents_name->text().toStdString(), opponent.Name);
            EXPECT_EQ(d.Game_opponents_email->text().toStdString(), opponent.Address());
            ClickButton(d, "OkButton");
        });
    }

    // A left click on a skinned button's face, found by name as the skin finds it.
    static void ClickButton(QWidget& window, const char* button)
    {
        auto* face =
            window.findChild<Support::ButtonFace*>(QLatin1String(button) + QStringLiteral("Face"));
        ASSERT_NE(face, nullptr) << button;
        QTest::mouseClick(face, Qt::LeftButton);
    }

    static void Type(QLineEdit* field, const char* text)
    {
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    // The board's timer shows its notice.
    static bool WaitForMessage(Player& player, const char* caption)
    {
        return QTest::qWaitFor(
            [&] {
                return std::find(player.Messages.begin(), player.Messages.end(), QLatin1String(caption))
                       != player.Messages.end();
            },
            5000);
    }

    void Answer(QWidget& window)
    {
        Player& player = *atDesk;
        if (auto* notice = qobject_cast<Support::NotifyForm*>(&window)) {
            player.Announced.push_back(notice->GameName->text());
            player.Comments.push_back(notice->MoveComment->text());
            player.NextOffered.push_back(
                window.findChild<Support::ButtonFace*>(QStringLiteral("NextButtonFace"))->isEnabled());
            EXPECT_EQ(player.Tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - New move arrived"));
            Shot(window, "notification");
            ClickButton(window, player.NotificationAnswer);
        } else if (auto* dialog = qobject_cast<Support::NewGameInfo*>(&window)) {
            ASSERT_TRUE(FillNewGame);
            FillNewGame(*dialog);
        } else if (auto* chooser = qobject_cast<Support::OpponentBook*>(&window)) {
            ASSERT_TRUE(ChooseOpponent);
            Shot(window, "opponent-book");
            ChooseOpponent(*chooser);
        } else if (auto* box = qobject_cast<Support::MsgForm*>(&window)) {
            player.Messages.push_back(box->FormCaption->text());
            player.MessageTexts.push_back(box->Message->text());
            QTest::keyClick(box, player.AnswersNo.count(box->FormCaption->text()) ? Qt::Key_Escape
                                                                                  : Qt::Key_Return);
        } else if (auto* account = qobject_cast<MailSupport::MailAccountDialog*>(&window)) {
            ASSERT_TRUE(AnswerAccount);
            AnswerAccount(player, *account);
        } else {
            ADD_FAILURE() << "unexpected window " << window.objectName().toStdString();
            window.hide();
        }
    }

    // A picture of each kind of window, once, for review.
    void Shot(QWidget& window, const char* name)
    {
        if (shots.insert(name).second)
            ShellTesting::SaveScreenshot(window, QStringLiteral("duo-") + QLatin1String(name));
    }

    static std::map<std::string, StoredGame> StoredGames(const Player& player)
    {
        const Database::DataFolder folder(QFile::encodeName(player.DataPath).toStdString());
        std::vector<GameRecord> records;
        EXPECT_TRUE(Database::SelectGames(folder, records, "", ""));
        std::map<std::string, StoredGame> games;
        for (const GameRecord& record : records) {
            MoveList moves;
            EXPECT_TRUE(Database::LoadGameMoves(folder, moves, record.GAME_ID));
            games[record.GAME_NAME] = {record, moves};
        }
        return games;
    }

    static std::filesystem::path DataFolderOf(const Player& player)
    {
        return QFile::encodeName(player.DataPath).toStdString();
    }

    static std::string ReadFile(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::size_t GameCount(const Player& player)
    {
        std::vector<GameRecord> records;
        EXPECT_TRUE(Database::SelectGames(Database::DataFolder(DataFolderOf(player)), records, "", ""));
        return records.size();
    }

    // A stand-alone game: the opponent is typed in, name and address.
    void StartStandAloneGame(Player& player, const char* title, const Player& opponent)
    {
        StartGame(player, [&](Support::NewGameInfo& d) {
            Type(d.Game_name, title);
            Type(d.Game_opponents_name, opponent.Name.c_str());
            Type(d.Game_opponents_email, (opponent.User + "@marrowdale.test").c_str());
            ClickButton(d, "OkButton");
        });
    }

    // How a move file gets from one player to the other.
    enum class Passing { Carried, Picked };

    // The player's last send wrote one move file, named with its folder in
    // the message that followed; the sender's copy then polls, on demand
    // and on its timer, and leaves the file and its games as they were.
    // Then the file reaches the opponent: carried into the opponent's data
    // folder, where the polling finds it, or picked there with File >
    // Import game, and the game is opened from the list.
    Board* PassOn(Player& mover, Player& opponent, Passing how)
    {
        Sit(mover);
        std::vector<std::filesystem::path> written;
        for (const auto& file : MailSupport::ListMoveFiles(DataFolderOf(mover)))
            if (!mover.PassedOn.count(file))
                written.push_back(file);
        EXPECT_EQ(written.size(), 1u)
            << mover.Name << " "
            << ::testing::PrintToString(MailSupport::ListMoveFiles(DataFolderOf(mover)));
        if (written.size() != 1)
            return nullptr;
        const std::filesystem::path file = written[0];
        EXPECT_EQ(mover.Messages.back(), QStringLiteral("Move file written"));
        EXPECT_TRUE(mover.MessageTexts.back().contains(QString::fromStdString(
            file.filename().string() + " in the folder " + file.parent_path().string())))
            << mover.MessageTexts.back().toStdString();

        const std::string text = ReadFile(file);
        const std::map<std::string, StoredGame> games = StoredGames(mover);
        const std::size_t count = GameCount(mover);
        EXPECT_FALSE(Support::Globals().ModalBusy);
        mover.Tray->CheckTimer_Timer();
        QTest::qWait(3 * PollMilliseconds);
        EXPECT_EQ(ReadFile(file), text) << "the sender's poll took its own move file";
        EXPECT_EQ(GameCount(mover), count);
        for (const auto& [name, game] : StoredGames(mover)) {
            EXPECT_EQ(game.Record, games.at(name).Record) << name;
            EXPECT_EQ(game.Moves, games.at(name).Moves) << name;
        }

        if (how == Passing::Carried) {
            std::filesystem::rename(file, DataFolderOf(opponent) / file.filename());
            return Receive(opponent);
        }
        // A picked file stays where it is.
        mover.PassedOn.insert(file);
        Sit(opponent);
        Support::EntryWindows().PickMoveFile = [file] { return QString::fromStdString(file.string()); };
        ProgramGameList& list = opponent.Services->GameList;
        list.ShowGameList();
        Support::GameInterface* window = list.Window();
        EXPECT_NE(window, nullptr);
        if (!window)
            return nullptr;
        const std::size_t messages = opponent.Messages.size();
        window->Menus.Item(window->Menus.mnuIntFileMenu, 1)->trigger();
        EXPECT_EQ(opponent.Messages.size(), messages + 1);
        EXPECT_EQ(opponent.Messages.back(), QStringLiteral("Game import"));
        std::vector<GameRecord> arrived;
        EXPECT_TRUE(Database::SelectGames(Database::DataFolder(DataFolderOf(opponent)), arrived,
                                          "Game_status;1", ""));
        EXPECT_EQ(arrived.size(), 1u);
        if (arrived.size() != 1)
            return nullptr;
        window->Refill(arrived[0].GAME_ID);
        window->PlayCurrentGame();
        return opponent.OpenBoard();
    }

    // One move of a stand-alone game: made, sent and its file passed on.
    void MoveAndPassOn(Player& mover, Player& opponent, const char* from, const char* to, Passing how)
    {
        ASSERT_NO_FATAL_FAILURE(Move(mover, from, to));
        ASSERT_NO_FATAL_FAILURE(Send(mover));
        ASSERT_TRUE(PassOn(mover, opponent, how));
    }

    // The fool's mate, then a game Bob starts and Alice ends by accepting
    // his offer of a draw, every move passed on as a move file.
    // With aliceHasAnOlderGame her copies of the two games carry other
    // numbers than Bob's.
    void PlayByMoveFiles(Passing how, bool aliceHasAnOlderGame)
    {
        ASSERT_NO_FATAL_FAILURE(StartProgram(alice, true));
        ASSERT_NO_FATAL_FAILURE(StartProgram(bob, true));
        if (aliceHasAnOlderGame) {
            GameRecord old;
            old.GAME_ID = old.GAME_OPPONENTS_ID = 1;
            old.GAME_DATESTAMP = "010120260900";
            old.GAME_NAME = "Old game";
            old.GAME_DATE = "01/01/2026";
            old.GAME_HOST = old.GAME_VS_COMPUTER = true;
            old.GAME_STATUS = StatusWon;
            ASSERT_TRUE(Database::SaveGame(Database::DataFolder(DataFolderOf(alice)), old,
                                           {{1, "5254", "e4", ""}}));
        }

        StartStandAloneGame(alice, "Spring match", bob);
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(alice, bob, "f2", "f3", how));
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(bob, alice, "e7", "e5", how));
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(alice, bob, "g2", "g4", how));
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(bob, alice, "d8", "h4", how));
        EXPECT_TRUE(WaitForMessage(alice, "CHECKMATE!"));
        ASSERT_NO_FATAL_FAILURE(Click(alice, BoardSupport::CloseButton));

        StartStandAloneGame(bob, "Return match", alice);
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(bob, alice, "e2", "e4", how));
        ASSERT_NO_FATAL_FAILURE(MoveAndPassOn(alice, bob, "e7", "e5", how));
        ASSERT_NO_FATAL_FAILURE(ChooseAction(bob, BoardSupport::ActionsOfferDraw));
        ASSERT_NO_FATAL_FAILURE(Send(bob));
        Board* board = PassOn(bob, alice, how);
        ASSERT_TRUE(board);
        EXPECT_TRUE(WaitForMessage(alice, "Offer of a draw"));
        ASSERT_TRUE(board->GameEnd().AcceptDraw()->face->isVisible());
        ClickButton(*board, "AcceptDraw");
        ASSERT_NO_FATAL_FAILURE(Send(alice));
        ASSERT_TRUE(PassOn(alice, bob, how));
        EXPECT_TRUE(WaitForMessage(bob, "DRAW!"));
        ASSERT_NO_FATAL_FAILURE(Click(bob, BoardSupport::CloseButton));

        // Both databases hold the same two games and results, and nothing
        // else: no game appeared in which a player answers himself.
        const std::map<std::string, StoredGame> alicesGames = StoredGames(alice);
        const std::map<std::string, StoredGame> bobsGames = StoredGames(bob);
        struct Outcome {
            const char* game;
            std::size_t entries;
            const char* lastEntry;
            GameStatus alice;
            GameStatus bob;
        };
        const Outcome outcomes[] = {
            {"Spring match", 4, "Qh4++", StatusLost, StatusWon},
            {"Return match", 4, "1/2-1/2", StatusDrawn, StatusDrawn},
        };
        for (const Outcome& o : outcomes) {
            SCOPED_TRACE(o.game);
            ASSERT_EQ(alicesGames.count(o.game), 1u);
            ASSERT_EQ(bobsGames.count(o.game), 1u);
            const StoredGame& a = alicesGames.at(o.game);
            const StoredGame& b = bobsGames.at(o.game);
            EXPECT_EQ(a.Moves, b.Moves);
            ASSERT_EQ(a.Moves.size(), o.entries);
            EXPECT_EQ(a.Moves.back().notation, o.lastEntry);
            EXPECT_EQ(a.Record.GAME_STATUS, o.alice);
            EXPECT_EQ(b.Record.GAME_STATUS, o.bob);
        }
        EXPECT_EQ(GameCount(bob), 2u);
        EXPECT_EQ(GameCount(alice), aliceHasAnOlderGame ? 3u : 2u);
        EXPECT_EQ(alicesGames.at("Spring match").Record.GAME_ID, aliceHasAnOlderGame ? 2 : 1);
        EXPECT_EQ(bobsGames.at("Spring match").Record.GAME_ID, 1);

        for (Player* player : {&alice, &bob}) {
            Sit(*player);
            // A mail account is stored, but stand-alone mode never read it,
            // never signed on and never asked for one.
            EXPECT_EQ(player->Accounts.Loads, 0) << player->Name;
            EXPECT_FALSE(player->Services->Mail->Service().IsSignedOn());
            EXPECT_TRUE(Support::Globals().Mail.MailOffline);
            player->Tray->mnuPopupExit_Click();
        }
    }

    static ShellTesting::MailServers& Servers() { return ShellTesting::MailServers::Shared(); }

    // Each case starts from the program-wide state of a program not yet run.
    struct FreshState {
        FreshState() { Support::ResetGlobals(); }
    } fresh;
    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    struct NoSplash : SplashPort {
        bool ShowSplash() override { return false; }
    } noSplash;
    Player alice{"alice", "Alice Amber", InboxProtocol::Imap};
    Player bob{"bob", "Bob Birch", InboxProtocol::Pop3};
    Player* atDesk = nullptr;
    std::function<void(Support::NewGameInfo&)> FillNewGame;
    std::function<void(Support::OpponentBook&)> ChooseOpponent;
    std::function<void(Player&, MailSupport::MailAccountDialog&)> AnswerAccount;
    std::set<std::string> shots;
};

// Two copies that never ran, on one computer: each player gives the one
// post office and an own address in the log-on dialog (the first to do so
// agrees to make its folder).
class PostOfficePlayersTest : public TwoPlayersTest {
protected:
    void StartBothOnThePostOffice()
    {
        AnswerAccount = [this](Player& player, MailSupport::MailAccountDialog& d) {
            d.PostOffice->setChecked(true);
            QTest::keyClicks(d.DisplayName, QString::fromStdString(player.Name));
            QTest::keyClicks(d.Address, QString::fromStdString(addresses.at(player.User)));
            QTest::keyClicks(d.PostOfficeFolder, office);
            EXPECT_TRUE(d.PostOfficePathText->text().endsWith(office));
            Shot(d, "mail-account");
            d.OkButton->click();
        };
        ASSERT_NO_FATAL_FAILURE(StartFreshProgram(alice));
        ASSERT_NO_FATAL_FAILURE(StartFreshProgram(bob));
        EXPECT_EQ(
            std::count(alice.Messages.begin(), alice.Messages.end(), QStringLiteral("New post office")),
            1);
        EXPECT_EQ(
            std::count(bob.Messages.begin(), bob.Messages.end(), QStringLiteral("New post office")), 0);
        EXPECT_NE(alice.Home.path(), bob.Home.path());
    }

    // Alice types Bob's address as the opponent's name.
    void AliceStartsByTypingTheAddress()
    {
        StartGame(alice, [&](Support::NewGameInfo& d) {
            Type(d.Game_name, "Our first game");
            Type(d.Game_opponents_name, addresses.at("bob").c_str());
            EXPECT_EQ(d.Game_opponents_email->text().toStdString(), addresses.at("bob"));
            Shot(d, "new-game-typed-address");
            ClickButton(d, "OkButton");
        });
    }

    // How often the player was asked whether a move was his own.
    static long Asked(const Player& player)
    {
        return std::count(player.Messages.begin(), player.Messages.end(),
                          QStringLiteral("Your own move?"));
    }

    QTemporaryDir shared;
    const QString office = shared.path() + QStringLiteral("/Chess post");
    const std::map<std::string, std::string> addresses = {{"alice", "alice@chess.home"},
                                                          {"bob", "bob@chess.home"}};
};

// Alice types Bob's address as the opponent's name and the game is played
// to mate. Nothing is put on the disk by hand.
TEST_F(PostOfficePlayersTest, FirstGameOverThePostOfficeByTypingTheAddress)
{
    ASSERT_NO_FATAL_FAILURE(StartBothOnThePostOffice());
    AliceStartsByTypingTheAddress();
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "f2", "f3", "Hello Bob"));
    EXPECT_EQ(bob.Comments.back(), QStringLiteral("Hello Bob"));
    ASSERT_NO_FATAL_FAILURE(Ply(bob, alice, "e7", "e5"));
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "g2", "g4"));
    ASSERT_NO_FATAL_FAILURE(Move(bob, "d8", "h4"));
    ASSERT_NO_FATAL_FAILURE(SendLastEntry(bob, alice, "CHECKMATE!"));

    const auto atAlice = StoredGames(alice);
    const auto atBob = StoredGames(bob);
    ASSERT_EQ(atAlice.count("Our first game"), 1u);
    ASSERT_EQ(atBob.count("Our first game"), 1u);
    EXPECT_EQ(atAlice.at("Our first game").Record.GAME_OPPONENTS_EMAIL, addresses.at("bob"));
    // Typed as an address, Bob was "bob" until his first reply named him;
    // his own copy names him as his account does from the first move on.
    for (const auto* games : {&atAlice, &atBob}) {
        const GameRecord& record = games->at("Our first game").Record;
        EXPECT_EQ(record.GAME_WHITE_NAME, "Alice Amber");
        EXPECT_EQ(record.GAME_BLACK_NAME, "Bob Birch");
    }
    EXPECT_EQ(atAlice.at("Our first game").Record.GAME_OPPONENTS_NAME, "Bob Birch");
    EXPECT_EQ(atBob.at("Our first game").Record.GAME_OPPONENTS_EMAIL, addresses.at("alice"));
    EXPECT_EQ(atBob.at("Our first game").Record.GAME_OPPONENTS_NAME, "Alice Amber");
    EXPECT_EQ(atAlice.at("Our first game").Moves.size(), 4u);
    EXPECT_EQ(atAlice.at("Our first game").Record.GAME_STATUS, StatusLost);
    EXPECT_TRUE(alice.MessageTexts.back().contains(
        QStringLiteral("Bob Birch has won the game by getting you in checkmate.")))
        << alice.MessageTexts.back().toStdString();
}

// A mail that carries a move of Alice's own side besides Bob's is put to
// her before anything is stored; she answers No, and the honest game goes
// on to its end, the mail then adding nothing.
TEST_F(PostOfficePlayersTest, AMoveMadeForTheReceiverIsNotStoredWithoutTheQuestion)
{
    ASSERT_NO_FATAL_FAILURE(StartBothOnThePostOffice());
    AliceStartsByTypingTheAddress();
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "f2", "f3"));

    // Bob's game with his answer and Alice's next move, mailed as his.
    Sit(bob);
    const StoredGame atBob = StoredGames(bob).at("Our first game");
    MoveList forged = atBob.Moves;
    forged.push_back({2, "5755", "e5", ""});
    forged.push_back({3, "7274", "g4", "Played for you"});
    MailSupport::PostOfficeMailService post(office.toStdString(), addresses.at("bob"), bob.Name);
    ASSERT_TRUE(post.SignOn());
    ASSERT_TRUE(
        post.Send({addresses.at("alice"), alice.Name, MailSupport::MoveMailSubject(forged.back()),
                   MailSupport::MoveMailText(atBob.Record, forged)}));

    alice.AnswersNo.insert(QStringLiteral("Your own move?"));
    Sit(alice);
    const std::size_t announced = alice.Announced.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Asked(alice) > 0; }, ArrivalTimeoutMilliseconds));
    EXPECT_TRUE(alice.MessageTexts.back().contains(QStringLiteral("Your move 3.g4.")))
        << alice.MessageTexts.back().toStdString();
    QTest::qWait(3 * PollMilliseconds);
    EXPECT_EQ(StoredGames(alice).at("Our first game").Moves.size(), 1u);
    EXPECT_EQ(alice.Announced.size(), announced);
    EXPECT_EQ(Asked(alice), 1);

    Sit(bob);
    ASSERT_NO_FATAL_FAILURE(Ply(bob, alice, "e7", "e5"));
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "g2", "g4"));
    ASSERT_NO_FATAL_FAILURE(Move(bob, "d8", "h4"));
    ASSERT_NO_FATAL_FAILURE(SendLastEntry(bob, alice, "CHECKMATE!"));
    EXPECT_EQ(Asked(alice), 1);
    const auto atAlice = StoredGames(alice);
    EXPECT_EQ(atAlice.at("Our first game").Moves, StoredGames(bob).at("Our first game").Moves);
    EXPECT_EQ(atAlice.at("Our first game").Moves.at(2).comment, "");
    EXPECT_EQ(atAlice.at("Our first game").Record.GAME_STATUS, StatusLost);
}

TEST_F(TwoPlayersTest, ThreeGamesByMailEndInMateAnAcceptedDrawAndASurrender)
{
    if (!Servers().Running())
        GTEST_SKIP() << "the mail servers are not available here";
    Servers().ClearInboxes();
    ASSERT_NO_FATAL_FAILURE(StartProgram(alice));
    ASSERT_NO_FATAL_FAILURE(StartProgram(bob));
    // Alice knows Bob and Carol; her address book offers both.
    KnowEachOther(alice, "Bob Birch <" + bob.Address() + ">\nCarol Cedar <carol@marrowdale.test>\n");

    // The fool's mate. Alice picks Bob from her address book.
    StartGame(
        alice,
        [this](Support::NewGameInfo& d) {
            Type(d.Game_name, "Spring match");
            QTest::mouseClick(d.Resolve, Qt::LeftButton);
            EXPECT_EQ(d.Game_opponents_email->text().toStdString(), bob.Address());
            Shot(d, "new-game");
            ClickButton(d, "OkButton");
        },
        [](Support::OpponentBook& c) {
            ASSERT_EQ(c.PeopleList->count(), 2);
            const auto rows = c.PeopleList->findItems(QStringLiteral("Bob Birch"), Qt::MatchStartsWith);
            ASSERT_EQ(rows.size(), 1);
            c.PeopleList->setCurrentItem(rows.front());
            c.OkButton->click();
        });
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "f2", "f3", "Good luck!"));
    EXPECT_EQ(bob.Comments.back(), QStringLiteral("Good luck!"));
    // From the first move both databases name both players, Alice by the
    // name her mails carry.
    for (const Player* player : {&alice, &bob}) {
        const std::map<std::string, StoredGame> games = StoredGames(*player);
        const GameRecord& started = games.at("Spring match").Record;
        EXPECT_EQ(started.GAME_WHITE_NAME, "Alice Amber") << player->DataPath.toStdString();
        EXPECT_EQ(started.GAME_BLACK_NAME, "Bob Birch") << player->DataPath.toStdString();
    }
    ASSERT_NO_FATAL_FAILURE(Ply(bob, alice, "e7", "e5"));
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "g2", "g4"));
    ASSERT_NO_FATAL_FAILURE(Move(bob, "d8", "h4"));
    EXPECT_EQ(bob.OpenBoard()->View().MoveList()->item(3, 2)->text(), QStringLiteral("Qh4++"));
    ASSERT_NO_FATAL_FAILURE(SendLastEntry(bob, alice, "CHECKMATE!"));

    // A draw. Bob starts it; Alice is found from the game they played.
    StartGameWith(bob, "Return match", "Alice", alice);
    ASSERT_NO_FATAL_FAILURE(Ply(bob, alice, "e2", "e4"));
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "e7", "e5"));
    ASSERT_NO_FATAL_FAILURE(ChooseAction(bob, BoardSupport::ActionsOfferDraw));
    ASSERT_EQ(bob.OpenBoard()->View().MoveList()->rowCount(), 3);
    ASSERT_NO_FATAL_FAILURE(Send(bob));
    // Bob waits for the answer; his tray menu lists the game.
    {
        TrayMenu& menu = bob.Services->Menu;
        menu.FollowGameList();
        for (QMenu* shown : {&menu.mnuPopup, &menu.mnuPopupGameListMenu}) {
            shown->popup(QPoint(20, 20));
            Shot(*shown, shown == &menu.mnuPopup ? "tray-menu" : "tray-games");
            shown->hide();
        }
        ASSERT_GE(menu.mnuPopupGameListMenu.actions().size(), 3);
        EXPECT_EQ(menu.mnuPopupGameListMenu.actions().at(0)->text(),
                  QStringLiteral("AWAITING OPPONENTS MOVE"));
        EXPECT_EQ(menu.mnuPopupGameListMenu.actions().at(2)->text(),
                  QStringLiteral("Alice Amber\t\"Return match\""));
    }
    Board* board = Receive(alice);
    ASSERT_TRUE(board);
    EXPECT_TRUE(WaitForMessage(alice, "Offer of a draw"));
    ASSERT_TRUE(board->GameEnd().AcceptDraw()->face->isVisible());
    ClickButton(*board, "AcceptDraw");
    ASSERT_NO_FATAL_FAILURE(SendLastEntry(alice, bob, "DRAW!"));

    // A surrender. Alice types Bob's name.
    StartGameWith(alice, "Third game", "Bob", bob);
    ASSERT_NO_FATAL_FAILURE(Ply(alice, bob, "d2", "d4"));
    ASSERT_NO_FATAL_FAILURE(Ply(bob, alice, "d7", "d5"));
    alice.OpenBoard()->View().PlayerComment()->setText(QStringLiteral("Well played"));
    ASSERT_NO_FATAL_FAILURE(Click(alice, BoardSupport::SurrenderButton));
    ASSERT_NO_FATAL_FAILURE(SendLastEntry(alice, bob, "SURRENDER!"));
    EXPECT_EQ(bob.Comments.back(), QStringLiteral("Well played"));

    // Every arriving move was announced, in order.
    EXPECT_EQ(alice.Announced, (std::vector<QString>{"Spring match", "Spring match", "Return match",
                                                     "Return match", "Third game"}));
    EXPECT_EQ(bob.Announced, (std::vector<QString>{"Spring match", "Spring match", "Return match",
                                                   "Return match", "Third game", "Third game"}));

    // Both databases hold the same three games with the same moves, each
    // ended for both sides.
    const std::map<std::string, StoredGame> alicesGames = StoredGames(alice);
    const std::map<std::string, StoredGame> bobsGames = StoredGames(bob);
    struct Outcome {
        const char* game;
        std::size_t entries;
        const char* lastEntry;
        GameStatus alice;
        GameStatus bob;
    };
    const Outcome outcomes[] = {
        {"Spring match", 4, "Qh4++", StatusLost, StatusWon},
        {"Return match", 4, "1/2-1/2", StatusDrawn, StatusDrawn},
        {"Third game", 3, "0-1", StatusLost, StatusWon},
    };
    ASSERT_EQ(alicesGames.size(), 3u);
    ASSERT_EQ(bobsGames.size(), 3u);
    for (const Outcome& o : outcomes) {
        SCOPED_TRACE(o.game);
        const StoredGame& a = alicesGames.at(o.game);
        const StoredGame& b = bobsGames.at(o.game);
        EXPECT_EQ(a.Moves, b.Moves);
        ASSERT_EQ(a.Moves.size(), o.entries);
        EXPECT_EQ(a.Moves.back().notation, o.lastEntry);
        EXPECT_EQ(a.Record.GAME_STATUS, o.alice);
        EXPECT_EQ(b.Record.GAME_STATUS, o.bob);
        EXPECT_EQ(a.Record.GAME_OPPONENTS_NAME, "Bob Birch");
        EXPECT_EQ(b.Record.GAME_OPPONENTS_NAME, "Alice Amber");
    }

    for (Player* player : {&alice, &bob}) {
        Sit(*player);
        // Polling went on after the last board closed, with nothing new.
        EXPECT_FALSE(Support::Globals().ModalBusy);
        EXPECT_TRUE(Support::CheckTimerEnabled());
        EXPECT_EQ(player->Tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - Nothing new"));
        player->Tray->mnuPopupExit_Click();
        EXPECT_FALSE(player->Tray->TrayIcon.IsShown());
    }
}

// Two of Alice's games reach Bob in one poll: the notification offers Next,
// Play opens the first game, and as its board closes after Bob's reply has
// gone, the other game is announced and opened in its turn. Bob's two
// replies reach Alice in one poll too; she leaves them for later and opens
// them from the tray's games menu.
TEST_F(TwoPlayersTest, TwoGamesArrivingTogetherAreOpenedOneAfterTheOther)
{
    if (!Servers().Running())
        GTEST_SKIP() << "the mail servers are not available here";
    Servers().ClearInboxes();
    ASSERT_NO_FATAL_FAILURE(StartProgram(alice));
    ASSERT_NO_FATAL_FAILURE(StartProgram(bob));
    KnowEachOther(alice, "Bob Birch <" + bob.Address() + ">\n");
    StartGameWith(alice, "First", "Bob Birch", bob);
    ASSERT_NO_FATAL_FAILURE(Move(alice, "e2", "e4"));
    ASSERT_NO_FATAL_FAILURE(Send(alice));
    StartGameWith(alice, "Second", "Bob Birch", bob);
    ASSERT_NO_FATAL_FAILURE(Move(alice, "d2", "d4"));
    ASSERT_NO_FATAL_FAILURE(Send(alice));
    ASSERT_TRUE(ShellTesting::WaitForFiles(Servers().NewMail(bob.User), 2));

    ASSERT_TRUE(Receive(bob));
    ASSERT_NO_FATAL_FAILURE(Move(bob, "e7", "e5"));
    const QPointer<Board> first = bob.OpenBoard();
    ASSERT_NO_FATAL_FAILURE(Send(bob));
    ASSERT_TRUE(bob.OpenBoard());
    // The board whose closing opened the next game was not destroyed while
    // its own click was still being handled; it goes afterwards.
    EXPECT_TRUE(first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    ASSERT_NO_FATAL_FAILURE(Move(bob, "d7", "d5"));
    ASSERT_NO_FATAL_FAILURE(Send(bob));
    EXPECT_EQ(bob.OpenBoard(), nullptr);
    // In the order the server lists them, which need not be the order they came in.
    std::sort(bob.Announced.begin(), bob.Announced.end());
    EXPECT_EQ(bob.Announced, (std::vector<QString>{"First", "Second"}));
    EXPECT_EQ(bob.NextOffered, (std::vector<bool>{true, false}));
    ASSERT_TRUE(ShellTesting::WaitForFiles(Servers().NewMail(alice.User), 2));

    // Alice leaves both replies for later and opens each from the tray's
    // games menu.
    alice.NotificationAnswer = "LaterButton";
    Sit(alice);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alice.Announced.empty(); }, ArrivalTimeoutMilliseconds));
    EXPECT_EQ(alice.Announced.size(), 1u);
    EXPECT_EQ(alice.OpenBoard(), nullptr);
    EXPECT_EQ(alice.Tray->TrayIcon.Tip(), QStringLiteral("Marrowdale - New move arrived"));
    for (const char* game : {"First", "Second"}) {
        SCOPED_TRACE(game);
        const QList<QAction*> items = alice.Services->Menu.mnuPopupGameListMenu.actions();
        ASSERT_EQ(items.size(), 4);
        EXPECT_EQ(items[0]->text(), QStringLiteral("NEW ARRIVALS"));
        const auto item = std::find_if(items.begin(), items.end(), [game](QAction* a) {
            return a->text()
                   == QStringLiteral("Bob Birch\t\"") + QLatin1String(game) + QStringLiteral("\"");
        });
        ASSERT_NE(item, items.end());
        (*item)->trigger();
        ASSERT_TRUE(alice.OpenBoard());
        EXPECT_EQ(alice.OpenBoard()->Game().History().Entries(), 2);
        ASSERT_NO_FATAL_FAILURE(Click(alice, BoardSupport::CloseButton));
        EXPECT_EQ(alice.OpenBoard(), nullptr);
    }

    const std::map<std::string, StoredGame> alicesGames = StoredGames(alice);
    const std::map<std::string, StoredGame> bobsGames = StoredGames(bob);
    for (const char* game : {"First", "Second"}) {
        SCOPED_TRACE(game);
        ASSERT_EQ(alicesGames.count(game), 1u);
        ASSERT_EQ(bobsGames.count(game), 1u);
        EXPECT_EQ(alicesGames.at(game).Moves.size(), 2u);
        EXPECT_EQ(alicesGames.at(game).Moves, bobsGames.at(game).Moves);
    }
    for (Player* player : {&alice, &bob}) {
        Sit(*player);
        player->Tray->mnuPopupExit_Click();
    }
}

// Stand-alone mode: each sent move is a move file in the sender's data
// folder, which the players pass on themselves. Both copies keep their
// games under the same numbers.
TEST_F(TwoPlayersTest, StandAloneGamesTravelAsCarriedMoveFiles)
{
    PlayByMoveFiles(Passing::Carried, false);
    EXPECT_EQ(alice.Announced,
              (std::vector<QString>{"Spring match", "Spring match", "Return match", "Return match"}));
    EXPECT_EQ(bob.Announced,
              (std::vector<QString>{"Spring match", "Spring match", "Return match", "Return match"}));
}

// The same games with every file picked through File > Import game from
// the sender's folder, where it stays while the sender's copy goes on
// polling; the two copies keep the games under different numbers.
TEST_F(TwoPlayersTest, StandAloneGamesTravelAsPickedMoveFiles)
{
    PlayByMoveFiles(Passing::Picked, true);
    // Every file the sender wrote is still in the sender's folder.
    EXPECT_EQ(MailSupport::ListMoveFiles(DataFolderOf(alice)).size(), 4u);
    EXPECT_EQ(MailSupport::ListMoveFiles(DataFolderOf(bob)).size(), 4u);
}

} // namespace
