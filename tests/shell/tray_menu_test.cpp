// The tray menu: its games submenu built from the stored games, the items
// for on-line and off-line work, and the commands that open a game or
// start a new one.
#include "foundation/msg_form.h"
#include "foundation/options_about_entry.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/new_game_kind.h"
#include "shell/program_board.h"
#include "shell/tray_menu.h"
#include "store/database.h"
#include "tests/shell/shell_test_support.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

#include <cstdio>

using namespace SysTraySupport;

namespace {

GameRecord Game(int id, int status, const char* opponent, const char* title)
{
    GameRecord game;
    game.GAME_ID = id;
    game.GAME_STATUS = std::int16_t(status);
    game.GAME_OPPONENTS_NAME = opponent;
    game.GAME_NAME = title;
    game.GAME_DATE = "01/02/2026";
    return game;
}

std::vector<std::string> Captions(const std::vector<TrayGameMenuItem>& items)
{
    std::vector<std::string> captions;
    for (const TrayGameMenuItem& item : items)
        captions.push_back(item.Caption.toStdString() + (item.Enabled ? "" : " (off)"));
    return captions;
}

TEST(TrayGameMenu, GroupsTheGamesThatWaitForAMove)
{
    struct Case {
        const char* name;
        std::vector<GameRecord> games; // in the menu's sort
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"none", {}, {"No games available (off)"}},
        {"only finished",
         {Game(1, 3, "A", "a"), Game(2, 4, "B", "b"), Game(3, 6, "C", "c")},
         {"No games available (off)"}},
        {"only waiting",
         {Game(1, 2, "Bob", "One"), Game(2, 5, "Carol", "Two")},
         {"AWAITING OPPONENTS MOVE (off)", "-", "Bob\t\"One\"", "Carol\t\"Two\""}},
        {"one of each, a draw offer after the finished games",
         {Game(1, 1, "Ann", "New"), Game(2, 2, "Bob", "Old"), Game(3, 3, "Cy", "Won"),
          Game(4, 5, "Dee", "Draw?")},
         {"NEW ARRIVALS (off)", "-", "Ann\t\"New\"", " (off)", "AWAITING OPPONENTS MOVE (off)", "-",
          "Bob\t\"Old\"", "Dee\t\"Draw?\""}},
        {"a draw offer alone opens its group",
         {Game(1, 1, "Ann", "New"), Game(4, 5, "Dee", "Draw?")},
         {"NEW ARRIVALS (off)", "-", "Ann\t\"New\"", " (off)", "AWAITING OPPONENTS MOVE (off)", "-",
          "Dee\t\"Draw?\""}},
        {"ampersands stay ampersands",
         {Game(7, 1, "Tom & Jo", "Rock & roll")},
         {"NEW ARRIVALS (off)", "-", "Tom && Jo\t\"Rock && roll\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TrayGameMenuItem> items = TrayGameMenuItems(c.games);
        EXPECT_EQ(Captions(items), c.captions);
        for (const TrayGameMenuItem& item : items)
            EXPECT_EQ(item.GameId.has_value(), item.kind == TrayGameMenuItem::Game);
    }
    EXPECT_EQ(TrayGameMenuItems({Game(7, 1, "A", "a")}).back().GameId, 7);
}

class RecordingBoard : public BoardPort {
public:
    bool LoadChessSet() override { return true; }
    void OpenBoard(const Support::GameToOpen& game, bool returnToGameList) override
    {
        Opened.push_back(game.GameId());
        Returns.push_back(returnToGameList);
        Pause.emplace();
    }
    ~RecordingBoard() override
    {
        if (Pause)
            Pause->Abandon();
    }
    // As the program's board does, it holds the polling paused while open.
    std::optional<Support::PollingHold> Pause;
    std::vector<int> Opened;
    std::vector<bool> Returns;
};

// A game list that is open or not, as the test says.
class ShownGameList : public GameListPort {
public:
    void ShowGameList() override { }
    bool GameListShown() const override { return Shown; }
    bool GameListMinimised() const override { return Shown && Minimised; }
    void FillGameList(std::optional<int>) override { }
    std::optional<int> SelectedGameId() override { return std::nullopt; }
    void ShowTrayState(const QIcon&, const QString&) override { }
    void ShowPlainHelpItem() override { }
    void HideHideInterfaceItems() override { }
    bool Shown = false;
    bool Minimised = false;
};

class TrayMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Support::ProgramState& state = Support::Globals();
        state.Mail.MailOffline = false;
        state.Mail.StandAloneMode = false;
        state.ModalBusy = false;
        state.CheckTimerEnabled = true;
        Support::ProgramSettings().SystrayStartup = true;
        menu.AttachBoard(&board);
        menu.AttachGameList(&gameList);
        host.Script = [this](QWidget& window) {
            if (auto* box = qobject_cast<Support::MsgForm*>(&window))
                messages.push_back(box->FormCaption->text());
            window.hide();
        };
    }

    void Store(const GameRecord& game)
    {
        GameRecord copy = game;
        ASSERT_TRUE(Database::SaveGame(
            Database::DataFolder(QFile::encodeName(folders.DataPath()).toStdString()), copy, {}));
    }

    std::vector<QString> GameItems() const
    {
        std::vector<QString> texts;
        for (QAction* action : menu.mnuPopupGameListMenu.actions())
            texts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    RecordingBoard board;
    ShownGameList gameList;
    TrayMenu menu;
    std::vector<QString> messages;
};

TEST_F(TrayMenuTest, TheGamesSubmenuFollowsTheDatabaseAndShrinksAgain)
{
    Store(Game(3, 2, "Bob", "Waiting"));
    Store(Game(4, 1, "Ann", "Your move"));
    menu.PopulateTrayGameMenu();
    EXPECT_EQ(GameItems().size(), 7u);
    EXPECT_EQ(GameItems()[2], QStringLiteral("Ann\t\"Your move\""));
    ASSERT_TRUE(Database::DeleteGame(
        Database::DataFolder(QFile::encodeName(folders.DataPath()).toStdString()), 3));
    menu.PopulateTrayGameMenu();
    EXPECT_EQ(GameItems().size(), 3u);

    // Without tray start-up the submenu is left alone.
    Support::ProgramSettings().SystrayStartup = false;
    Store(Game(5, 1, "Cy", "Another"));
    menu.PopulateTrayGameMenu();
    EXPECT_EQ(GameItems().size(), 3u);
}

TEST_F(TrayMenuTest, ItemsFollowTheConnectionAndTheGameList)
{
    struct Case {
        bool offline, standAlone, listShown;
        bool open, newGame, games;
        const char* retrieve;
        bool listMinimised = false;
    };
    const Case cases[] = {
        {false, false, false, true, true, true, "Retrieve games"},
        {true, false, false, true, false, true, "Logon / Retrieve games"},
        {true, true, false, true, true, true, "Logon / Retrieve games"},
        {false, false, true, false, false, false, "Retrieve games"},
        // A minimised list can be brought back by Open.
        {false, false, true, true, false, false, "Retrieve games", true},
    };
    for (const Case& c : cases) {
        Support::Globals().Mail.MailOffline = c.offline;
        Support::Globals().Mail.StandAloneMode = c.standAlone;
        gameList.Shown = c.listShown;
        gameList.Minimised = c.listMinimised;
        menu.SetMenuOptions();
        menu.FollowGameList();
        EXPECT_EQ(menu.mnuPopupOpen->isEnabled(), c.open);
        EXPECT_EQ(menu.OpenItemEnabled(), c.open);
        EXPECT_EQ(menu.mnuPopupNewGame->isEnabled(), c.newGame);
        EXPECT_EQ(menu.mnuPopupGameList->isVisible(), c.games);
        EXPECT_EQ(menu.mnuPopupRetrieve->text(), QString::fromLatin1(c.retrieve));
    }
}

// The options window would reload the chess set and the settings under
// the board's search: its item is off while the computer thinks, and the
// board's port passes the search's start and end on to the menu.
TEST_F(TrayMenuTest, OptionsIsOffWhileTheComputerThinks)
{
    ASSERT_TRUE(menu.mnuPopupOptions->isEnabled());
    SysTraySupport::ProgramBoard program(gameList, menu);
    BoardSupport::BoardHost& port = program;
    port.ComputerThinking(true);
    EXPECT_FALSE(menu.mnuPopupOptions->isEnabled());
    port.ComputerThinking(false);
    EXPECT_TRUE(menu.mnuPopupOptions->isEnabled());
}

TEST_F(TrayMenuTest, AGameItemOpensTheBoardWithPollingPaused)
{
    Store(Game(8, 1, "Ann", "Your move"));
    menu.PopulateTrayGameMenu();
    QAction* game = menu.mnuPopupGameListMenu.actions().at(2);
    ASSERT_EQ(game->data().toInt(), 8);
    game->trigger();
    EXPECT_EQ(board.Opened, std::vector<int>{8});
    EXPECT_EQ(board.Returns, std::vector<bool>{false});
    EXPECT_TRUE(Support::Globals().ModalBusy);
    EXPECT_FALSE(Support::CheckTimerEnabled());
}

TEST_F(TrayMenuTest, NewGameStartsAnEmailGameWhateverWasLeftBefore)
{
    int starts = 0;
    menu.StartNewGame = [&starts](const Support::NewGameKind& kind) {
        ++starts;
        EXPECT_FALSE(kind.ComputerGame);
        EXPECT_FALSE(kind.NewGameSetup);
    };
    menu.mnuPopupNewGame->trigger();
    EXPECT_EQ(starts, 1);
}

} // namespace

namespace {

TEST_F(TrayMenuTest, TheMenuAndItsGamesAsShown)
{
    Store(Game(1, 1, "Ann Ash", "Spring opening"));
    Store(Game(2, 2, "Bob & Birch", "Club match"));
    Store(Game(3, 5, "Carol Cedar", "Draw offered"));
    menu.PopulateTrayGameMenu();
    menu.SetMenuOptions();
    menu.FollowGameList();
    EXPECT_EQ(menu.mnuPopup.defaultAction(), menu.mnuPopupOpen);
    for (QMenu* shown : {&menu.mnuPopup, &menu.mnuPopupGameListMenu}) {
        shown->popup(QPoint(20, 20));
        std::printf("screenshot: %s\n",
                    qPrintable(ShellTesting::SaveScreenshot(
                        *shown, shown == &menu.mnuPopup ? QStringLiteral("tray-menu")
                                                        : QStringLiteral("tray-games"))));
        shown->hide();
    }
}

} // namespace
