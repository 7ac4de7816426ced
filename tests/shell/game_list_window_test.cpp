// The game list window over a fixture database, offscreen: the grid and
// its commands, opening a game on the board, deleting with the question,
// retrieving, sorting from the header and the menus, both layouts.
#include "foundation/msg_form.h"
#include "foundation/options_about_entry.h"
#include "foundation/picture_clip.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "platform/registry.h"
#include "shell/game_interface.h"
#include "shell/program_game_list.h"
#include "shell/window_place.h"
#include "store/database.h"
#include "tests/shell/shell_test_support.h"

#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace Support;

namespace {

class RecordingBoard : public SysTraySupport::BoardPort {
public:
    bool LoadChessSet() override
    {
        Calls.push_back("LoadChessSet");
        return ChessSetLoads;
    }
    void OpenBoard(const GameToOpen& game, bool returnToGameList) override
    {
        Calls.push_back("OpenBoard(" + std::to_string(game.GameId())
                        + (returnToGameList ? "" : ",no return") + ")");
        Pause.emplace();
    }
    bool BoardOpen() const override { return Open; }
    ~RecordingBoard() override
    {
        if (Pause)
            Pause->Abandon();
    }
    // As the program's board does, it holds the polling paused while open.
    std::optional<PollingHold> Pause;
    std::vector<std::string> Calls;
    bool ChessSetLoads = true;
    bool Open = false;
};

class RecordingMail : public SysTraySupport::MailPort {
public:
    void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) override
    {
        Calls.push_back("ConnectAndRetrieve(" + std::to_string(importFile) + ","
                        + std::to_string(showStatus) + "," + std::to_string(fetchAll) + ")");
        TimerDuringRetrieval = CheckTimerEnabled();
        if (Retrieval)
            Retrieval();
    }
    void RetrieveMoveMails(bool, bool) override { }
    void ImportMoveFiles(bool, bool) override { }
    void SignOff(bool) override { }
    void SetLogonStatus(bool) override { }
    std::vector<std::string> Calls;
    std::function<void()> Retrieval;
    bool TimerDuringRetrieval = true;
};

class GameListWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgramState& state = Globals();
        state.Mail.MailOffline = false;
        state.Mail.StandAloneMode = false;
        state.ModalBusy = false;
        state.Quitting = false;
        state.Mail.PendingMoveList.clear();
        state.CheckTimerEnabled = true;
        Settings& settings = ProgramSettings();
        settings.SimpleUI = false;
        settings.SystrayStartup = true;
        settings.ShowToolTips = true;
        settings.GameListPlace.reset();
        host.Script = [this](QWidget& window) { Answer(window); };
        Store(3, 2, "Alan Ash", "Rook endings", "17/11/2025");
        Store(7, 1, "Bob Birch", "Friendly 7", "01/02/2026");
        Store(12, 3, "Carol Cedar", "Spring opening", "05/03/2001");
        Store(9, 4, "Dora Damson", "Blitz by post", "28/02/2024");
    }

    void Store(int id, int status, const char* opponent, const char* title, const char* date)
    {
        GameRecord game;
        game.GAME_ID = id;
        game.GAME_STATUS = std::int16_t(status);
        game.GAME_OPPONENTS_NAME = opponent;
        game.GAME_NAME = title;
        game.GAME_DATE = date;
        ASSERT_TRUE(Database::SaveGame(Folder(), game, {}));
    }

    Database::DataFolder Folder() const
    {
        return Database::DataFolder(QFile::encodeName(folders.DataPath()).toStdString());
    }

    std::vector<int> StoredIds() const
    {
        std::vector<GameRecord> games;
        EXPECT_TRUE(Database::SelectGames(Folder(), games, "", "Game_id;A"));
        std::vector<int> ids;
        for (const GameRecord& g : games)
            ids.push_back(g.GAME_ID);
        return ids;
    }

    void Answer(QWidget& window)
    {
        auto* box = qobject_cast<MsgForm*>(&window);
        ASSERT_NE(box, nullptr);
        questions.push_back(box->FormCaption->text() + QStringLiteral(" / ") + box->Message->text());
        QTest::keyClick(box, answerYes ? Qt::Key_Return : Qt::Key_Escape);
    }

    GameListServices Services()
    {
        GameListServices services;
        services.Board = &board;
        services.Mail = &mail;
        services.StartNewGame = [this](QWidget&, const NewGameKind& kind) { started.push_back(kind); };
        services.PrintGameDiagrams = [this](int id, QWidget&) { printed.push_back(id); };
        services.PrintGameNotation = [this](int id, QWidget&) { printed.push_back(-id); };
        services.UpdateTrayState = [this] { ++trayUpdates; };
        services.PopulateTrayGameMenu = [this] { ++trayMenus; };
        services.EndProgram = [this] { ++ends; };
        return services;
    }

    std::unique_ptr<GameInterface> Load()
    {
        auto window = std::make_unique<GameInterface>(model, Services());
        EXPECT_TRUE(window->Form_Load());
        window->show();
        return window;
    }

    // The game ids down the grid, from the hidden column 0.
    static std::vector<int> GridIds(const GameInterface& list)
    {
        std::vector<int> ids;
        for (int r = 0; r < list.GameList->rowCount(); ++r)
            ids.push_back(list.GameList->item(r, ColumnGameId)->text().toInt());
        return ids;
    }

    static int CurrentId(const GameInterface& list)
    {
        return list.GameList->item(list.GameList->currentRow(), ColumnGameId)->text().toInt();
    }

    static QPoint RowCentre(const GameInterface& list, int row)
    {
        return QPoint(list.GameList->columnViewportPosition(ColumnTitle) + 10,
                      list.GameList->rowViewportPosition(row) + 5);
    }

    QAction* Item(QMenu& menu, int index, GameInterface& list) { return list.Menus.Item(menu, index); }

    ShellTesting::ShellFolders folders;
    TestSupport::ScriptedHost host;
    GameListModel model;
    RecordingBoard board;
    RecordingMail mail;
    bool answerYes = true;
    std::vector<QString> questions;
    std::vector<NewGameKind> started;
    std::vector<int> printed;
    int trayUpdates = 0;
    int trayMenus = 0;
    int ends = 0;
};

TEST_F(GameListWindowTest, LoadFillsTheGridByStatusWithTheCommandsEnabled)
{
    Globals().Mail.PendingMoveList = "9;7;";
    auto list = Load();
    EXPECT_TRUE(list->Loaded());
    EXPECT_EQ(trayUpdates, 1);
    EXPECT_EQ(GridIds(*list), (std::vector<int>{7, 3, 12, 9}));
    EXPECT_EQ(CurrentId(*list), 9);
    EXPECT_EQ(list->GameList->item(0, ColumnOpponent)->text(), QStringLiteral("Bob Birch"));
    EXPECT_FALSE(list->GameList->item(0, ColumnStatus)->icon().isNull());
    EXPECT_TRUE(list->GameList->isColumnHidden(ColumnGameId));
    EXPECT_TRUE(list->GameList->isColumnHidden(ColumnOpponentsId));
    const QHeaderView* header = list->GameList->horizontalHeader();
    EXPECT_EQ(header->sortIndicatorSection(), ColumnStatus);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(list->GameList->horizontalHeaderItem(ColumnDateStarted)->text(),
              QStringLiteral("Date started"));
    for (int item : {0, 1, 3, 4})
        EXPECT_TRUE(Item(list->Menus.mnuIntGameMenu, item, *list)->isEnabled()) << item;
    for (int index = 1; index <= 4; ++index)
        EXPECT_TRUE(list->Toolbar1[std::size_t(index - 1)]->isEnabled()) << index;
    EXPECT_TRUE(Item(list->Menus.mnuIntSortMenu, 0, *list)->isChecked());
    EXPECT_TRUE(Item(list->Menus.mnuIntSortMenu, 5, *list)->isChecked());
    EXPECT_EQ(list->GameList->toolTip(), QStringLiteral("All the chess games held in the database"));
}

TEST_F(GameListWindowTest, OfflineOrEmptyListsDisableTheCommandsTheyCannotServe)
{
    Globals().Mail.MailOffline = true;
    auto list = Load();
    for (int item : {0, 1})
        EXPECT_FALSE(Item(list->Menus.mnuIntGameMenu, item, *list)->isEnabled());
    EXPECT_FALSE(list->Toolbar1[ToolbarNewEmailGame - 1]->isEnabled());
    EXPECT_FALSE(list->Toolbar1[ToolbarNewSetupGame - 1]->isEnabled());
    EXPECT_TRUE(list->Toolbar1[ToolbarNewComputerGame - 1]->isEnabled());
    EXPECT_TRUE(list->Toolbar1[ToolbarPlay - 1]->isEnabled());

    for (int id : {3, 7, 12, 9})
        ASSERT_TRUE(Database::DeleteGame(Folder(), id));
    Globals().Mail.StandAloneMode = true;
    list->Refill();
    EXPECT_EQ(list->GameList->rowCount(), 0);
    EXPECT_FALSE(list->Toolbar1[ToolbarPlay - 1]->isEnabled());
    for (int item : {3, 4})
        EXPECT_FALSE(Item(list->Menus.mnuIntGameMenu, item, *list)->isEnabled());
    for (int item : {6, 7})
        EXPECT_FALSE(Item(list->Menus.mnuIntFileMenu, item, *list)->isEnabled());
    // Moves travel as files: new games may start.
    EXPECT_TRUE(list->Toolbar1[ToolbarNewEmailGame - 1]->isEnabled());
    // Nothing to open, delete or pop up.
    list->PlayCurrentGame();
    QTest::mouseClick(list->GameList->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    list->DeleteGame();
    EXPECT_TRUE(board.Calls.empty());
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(trayUpdates, 2);
}

TEST_F(GameListWindowTest, OpeningAGameHandsItToTheBoardAndHidesTheList)
{
    auto list = Load();
    // A double-click on the header opens nothing.
    QTest::mouseDClick(list->GameList->horizontalHeader()->viewport(), Qt::LeftButton, {},
                       QPoint(60, 5));
    EXPECT_TRUE(board.Calls.empty());
    const QPoint third = RowCentre(*list, 2);
    QTest::mouseClick(list->GameList->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->GameList->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(board.Calls, (std::vector<std::string>{"LoadChessSet", "OpenBoard(12)"}));
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(Globals().ModalBusy);
    EXPECT_FALSE(CheckTimerEnabled());
}

TEST_F(GameListWindowTest, NoChessSetLeavesTheListAndPollingAsTheyWere)
{
    auto list = Load();
    board.ChessSetLoads = false;
    list->Toolbar1_Click(ToolbarPlay);
    EXPECT_EQ(board.Calls, std::vector<std::string>{"LoadChessSet"});
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(Globals().ModalBusy);
    EXPECT_TRUE(CheckTimerEnabled());
    EXPECT_TRUE(questions.empty());
}

TEST_F(GameListWindowTest, DeleteAsksByTitleAndOnlyYesDeletes)
{
    auto list = Load();
    list->GameList->setCurrentCell(1, ColumnStatus); // game 3, "Rook endings"
    answerYes = false;
    QTest::keyClick(list->GameList, Qt::Key_Delete);
    EXPECT_EQ(StoredIds(), (std::vector<int>{3, 7, 9, 12}));
    // Refilled without a game to select: the first row.
    EXPECT_EQ(CurrentId(*list), 7);

    list->GameList->setCurrentCell(1, ColumnStatus);
    answerYes = true;
    QTest::keyClick(list->GameList, Qt::Key_Backspace);
    EXPECT_EQ(StoredIds(), (std::vector<int>{7, 9, 12}));
    EXPECT_EQ(GridIds(*list), (std::vector<int>{7, 12, 9}));
    ASSERT_EQ(questions.size(), 2u);
    for (const QString& q : questions)
        EXPECT_EQ(q,
                  QStringLiteral(
                      "Delete game. / Are you sure you wish to delete the game titled Rook endings?"));
    EXPECT_EQ(trayUpdates, 3);
}

// A right-click acts on the row under the pointer, never on the one
// selected before: the question and the delete name the same game.
TEST_F(GameListWindowTest, RightClickSelectsTheRowUnderThePointerBeforeThePopup)
{
    auto list = Load();
    QMenu* shown = nullptr;
    QObject::connect(list.get(), &GameInterface::MenuShown, [&shown](QMenu* m) { shown = m; });
    list->GameList->setCurrentCell(0, ColumnStatus); // game 7
    QTest::mouseClick(list->GameList->viewport(), Qt::RightButton, {}, RowCentre(*list, 3));
    ASSERT_EQ(shown, &list->Menus.mnuIntGameListPopupMenu);
    shown->hide();
    EXPECT_EQ(CurrentId(*list), 9);
    Item(list->Menus.mnuIntGameListPopupMenu, 3, *list)->trigger();
    EXPECT_EQ(printed, std::vector<int>{9});
    Item(list->Menus.mnuIntGameListPopupMenu, 1, *list)->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].endsWith(QStringLiteral("titled Blitz by post?")));
    EXPECT_EQ(StoredIds(), (std::vector<int>{3, 7, 12}));
}

TEST_F(GameListWindowTest, RetrievingKeepsTheSelectedGameWhereverItSorts)
{
    auto list = Load();
    list->GameList->setCurrentCell(0, ColumnStatus); // game 7, the user's move
    mail.Retrieval = [this] {
        Store(2, 1, "Aaron Alder", "Arrived first", "02/02/2026");
        Store(1, 1, "Aaron Alder", "Arrived second", "03/02/2026");
    };
    Item(list->Menus.mnuIntFileMenu, 0, *list)->trigger();
    EXPECT_EQ(mail.Calls, std::vector<std::string>{"ConnectAndRetrieve(0,1,1)"});
    EXPECT_FALSE(mail.TimerDuringRetrieval);
    EXPECT_TRUE(CheckTimerEnabled());
    EXPECT_EQ(GridIds(*list), (std::vector<int>{7, 2, 1, 3, 12, 9}));
    EXPECT_EQ(CurrentId(*list), 7);

    Item(list->Menus.mnuIntFileMenu, 1, *list)->trigger();
    EXPECT_EQ(mail.Calls.back(), "ConnectAndRetrieve(1,1,1)");
    EXPECT_EQ(CurrentId(*list), 7);
}

TEST_F(GameListWindowTest, RetrievingGivesThePollingBackAsItFoundIt)
{
    auto list = Load();
    struct Case {
        bool timerBefore, busyBefore, boardOpenedMeanwhile;
        bool timerAfter, busyAfter;
    };
    for (const Case c : {Case{true, false, false, true, false}, Case{false, false, false, false, false},
                         Case{false, true, false, false, true}, Case{true, false, true, false, true}}) {
        SCOPED_TRACE(std::to_string(c.timerBefore) + std::to_string(c.busyBefore)
                     + std::to_string(c.boardOpenedMeanwhile));
        SetCheckTimer(c.timerBefore);
        Globals().ModalBusy = c.busyBefore;
        board.Open = false;
        bool busyDuringRetrieval = false;
        mail.Retrieval = [&] {
            busyDuringRetrieval = Globals().ModalBusy;
            board.Open = c.boardOpenedMeanwhile;
        };
        Item(list->Menus.mnuIntFileMenu, 0, *list)->trigger();
        EXPECT_FALSE(mail.TimerDuringRetrieval);
        EXPECT_TRUE(busyDuringRetrieval);
        EXPECT_EQ(CheckTimerEnabled(), c.timerAfter);
        EXPECT_EQ(Globals().ModalBusy, c.busyAfter);
    }
}

TEST_F(GameListWindowTest, HeaderClicksAndTheSortMenuSortAndMoveTheChecks)
{
    auto list = Load();
    QHeaderView* header = list->GameList->horizontalHeader();
    const QPoint opponent(header->sectionViewportPosition(ColumnOpponent) + 10, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, opponent);
    EXPECT_EQ(GridIds(*list), (std::vector<int>{3, 7, 12, 9}));
    QTest::mouseClick(header->viewport(), Qt::RightButton, {}, opponent);
    EXPECT_EQ(GridIds(*list), (std::vector<int>{9, 12, 7, 3}));
    EXPECT_EQ(header->sortIndicatorSection(), ColumnOpponent);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_TRUE(Item(list->Menus.mnuIntSortMenu, 1, *list)->isChecked());
    EXPECT_FALSE(Item(list->Menus.mnuIntSortMenu, 0, *list)->isChecked());
    EXPECT_TRUE(Item(list->Menus.mnuIntSortMenu, 6, *list)->isChecked());

    // "Game title", then "Ascending".
    Item(list->Menus.mnuIntSortMenu, 2, *list)->trigger();
    EXPECT_EQ(GridIds(*list), (std::vector<int>{12, 3, 7, 9}));
    Item(list->Menus.mnuIntSortMenu, 5, *list)->trigger();
    EXPECT_EQ(GridIds(*list), (std::vector<int>{9, 7, 3, 12}));
    EXPECT_EQ(model.SortColumn(), SortByTitle);
    // The sort lasts beyond this window.
    list.reset();
    auto again = Load();
    EXPECT_EQ(GridIds(*again), (std::vector<int>{9, 7, 3, 12}));
}

TEST_F(GameListWindowTest, ToolbarAndGameMenuStartTheirKindsOfGame)
{
    auto list = Load();
    list->Toolbar1_Click(ToolbarNewComputerGame);
    list->Toolbar1S[ToolbarNewSetupGame - 1]->click();
    QTest::mouseClick(list->Toolbar1[ToolbarNewEmailGame - 1], Qt::LeftButton);
    Item(list->Menus.mnuIntGameMenu, 1, *list)->trigger();
    Item(list->Menus.mnuIntGameMenu, 0, *list)->trigger();
    ASSERT_EQ(started.size(), 5u);
    const std::pair<bool, bool> kinds[] = {
        {true, true}, {false, true}, {false, false}, {false, true}, {false, false}};
    for (std::size_t i = 0; i < started.size(); ++i) {
        EXPECT_EQ(started[i].ComputerGame, kinds[i].first) << i;
        EXPECT_EQ(started[i].NewGameSetup, kinds[i].second) << i;
    }
    Item(list->Menus.mnuIntFileMenu, 7, *list)->trigger();
    EXPECT_EQ(printed, std::vector<int>{-7});
}

TEST_F(GameListWindowTest, ClosingEndsTheProgramOnlyWithoutATrayIcon)
{
    auto list = Load();
    list->HideButton->Click();
    EXPECT_FALSE(list->Loaded());
    EXPECT_EQ(trayUpdates, 2);
    EXPECT_EQ(trayMenus, 1);
    EXPECT_EQ(ends, 0);

    ProgramSettings().SystrayStartup = false;
    auto main = Load();
    EXPECT_FALSE(Item(main->Menus.mnuIntFileMenu, 9, *main)->isVisible());
    main->close();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(trayUpdates, 3);
    EXPECT_EQ(trayMenus, 2);
}

// The list stands where the user left it: after a board opened from it has
// closed, after it was closed and opened again, and in the next run.
TEST_F(GameListWindowTest, TheListKeepsItsPlaceAcrossBoardsAndRuns)
{
    ASSERT_TRUE(Registry::CreateNewKey(Registry::SettingsKeyPath));
    ProgramSettings().GameListPlace.reset();
    SysTraySupport::ProgramGameList programList;
    programList.SetServices(Services());
    programList.ShowGameList();
    ASSERT_NE(programList.Window(), nullptr);
    const QPoint left(140, 90);
    programList.Window()->move(left); // the user drags it
    EXPECT_EQ(ProgramSettings().GameListPlace, left);

    programList.Window()->PlayCurrentGame();
    EXPECT_FALSE(programList.Window()->isVisible());
    programList.ShowGameList(); // the board has closed
    EXPECT_EQ(programList.Window()->pos(), left);

    programList.Window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(programList.Window(), nullptr);
    programList.ShowGameList();
    ASSERT_NE(programList.Window(), nullptr);
    EXPECT_EQ(programList.Window()->pos(), left);

    ASSERT_TRUE(SaveSettings());
    Settings nextRun;
    LoadSettings(nextRun);
    EXPECT_EQ(nextRun.GameListPlace, left);
    programList.Window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A kept place counts only while the window's top band can still be reached
// on a screen.
TEST(WindowPlace, AKeptPlaceOffEveryScreenIsLeftToTheWindowManager)
{
    const QList<QRect> screens = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1024, 768)};
    const QSize list(700, 320);
    struct Case {
        std::optional<QPoint> kept;
        bool used;
    } cases[] = {
        {std::nullopt, false},      {QPoint(100, 100), true},
        {QPoint(1500, 200), true},  // on the second screen
        {QPoint(-660, 10), true},   // its right end still on the first
        {QPoint(-670, 10), false},  // only 30 pixels left on it
        {QPoint(300, 795), false},  // its top band below the screen
        {QPoint(3000, 100), false}, // a screen gone since
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept ? QString::number(c.kept->x()).toStdString() : "none");
        EXPECT_EQ(PlaceOnScreen(c.kept, list, screens), c.used ? c.kept : std::nullopt);
    }
}

TEST_F(GameListWindowTest, PlainLayoutShowsTheTextMenusAndPlainButtonsOnly)
{
    ProgramSettings().SimpleUI = true;
    ProgramSettings().ShowToolTips = false;
    Globals().Mail.MailOffline = true;
    auto list = Load();
    EXPECT_EQ(list->size(), QSize(600, 270));
    EXPECT_EQ(list->GameList->pos(), QPoint(7, 73));
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{list->FileMenuButton, list->HelpButton, list->HideButton,
                                         list->Toolbar1[0], list->Toolbar1[3]})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(list->FileMenu_L->isVisible());
    EXPECT_TRUE(list->Toolbar1S[0]->isVisible());
    // Each caption stands whole on its button.
    for (QPushButton* button : list->Toolbar1S)
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    // Only the plain buttons follow the states; no picture is painted.
    EXPECT_FALSE(list->Toolbar1S[ToolbarNewEmailGame - 1]->isEnabled());
    EXPECT_TRUE(list->Toolbar1S[ToolbarNewComputerGame - 1]->isEnabled());
    EXPECT_TRUE(list->Toolbar1[ToolbarNewEmailGame - 1]->pixmap().isNull());
    EXPECT_TRUE(Item(list->Menus.mnuIntHelpMenu, 2, *list)->isVisible());
    for (QWidget* w : list->findChildren<QWidget*>())
        EXPECT_TRUE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    QTest::keyClick(list->GameList, Qt::Key_Escape);
    EXPECT_TRUE(list->isMinimized());
}

TEST_F(GameListWindowTest, SkinnedLayoutPaintsTheToolbarFacesAndAScreenshot)
{
    auto list = Load();
    EXPECT_EQ(list->size(), QSize(700, 320));
    EXPECT_FALSE(list->FileMenu_L->isVisible());
    EXPECT_TRUE(list->FileMenuButton->isVisible());
    EXPECT_FALSE(Item(list->Menus.mnuIntHelpMenu, 2, *list)->isVisible());
    const QImage up = list->Toolbar1[0]->pixmap().toImage();
    EXPECT_EQ(up, list->InterfaceButtons->GraphicCell(0).toImage());
    QTest::mousePress(list->Toolbar1[0], Qt::LeftButton);
    EXPECT_EQ(list->Toolbar1[0]->pixmap().toImage(), list->InterfaceButtons->GraphicCell(1).toImage());
    QTest::mouseRelease(list->Toolbar1[0], Qt::LeftButton);
    EXPECT_EQ(list->Toolbar1[0]->pixmap().toImage(), up);
    EXPECT_EQ(board.Calls, (std::vector<std::string>{"LoadChessSet", "OpenBoard(7)"}));
    Globals().Mail.MailOffline = true;
    list->Refill();
    EXPECT_EQ(list->Toolbar1[ToolbarNewSetupGame - 1]->pixmap().toImage(),
              list->InterfaceButtons->GraphicCell(8).toImage());
}

} // namespace

namespace {

// The longest dates (a Wednesday in September) show whole in their column,
// with and without the scroll bar, in both layouts.
TEST_F(GameListWindowTest, EveryDateStandsWholeInBothLayouts)
{
    Store(20, 1, "Erin Elm", "A title long enough to be shortened in its column", "30/09/2026");
    for (const int more : {0, 8}) {
        for (int i = 0; i < more; ++i)
            Store(30 + i, 2, "Fred Fir", "Club match", "27/09/2028");
        for (bool plain : {false, true}) {
            SCOPED_TRACE(plain ? "plain" : "skinned");
            ProgramSettings().SimpleUI = plain;
            auto list = Load();
            const QFontMetrics metrics(list->GameList->font());
            for (int r = 0; r < list->GameList->rowCount(); ++r) {
                const QTableWidgetItem* date = list->GameList->item(r, ColumnDateStarted);
                EXPECT_GE(list->GameList->visualItemRect(date).width(),
                          metrics.horizontalAdvance(date->text()) + 6)
                    << date->text().toStdString();
            }
            EXPECT_FALSE(list->GameList->horizontalScrollBar()->isVisible());
            if (more == 8)
                std::printf("screenshot: %s\n",
                            qPrintable(ShellTesting::SaveScreenshot(
                                *list, plain ? QStringLiteral("game-list-long-dates-plain")
                                             : QStringLiteral("game-list-long-dates-skinned"))));
        }
    }
}

// Two games of every status the list pictures, and one it does not.
TEST_F(GameListWindowTest, EveryStatusShowsItsPictureInBothLayouts)
{
    const char* opponents[] = {"Erin Elm", "Fred Fir", "Gina Gorse", "Hal Hazel"};
    for (int i = 0; i < 9; ++i)
        Store(40 + i, 1 + i % 6, opponents[i % 4], ("Club match " + std::to_string(i + 1)).c_str(),
              ("0" + std::to_string(1 + i) + "/0" + std::to_string(1 + i % 9) + "/2025").c_str());
    Store(60, 0, "Ivy Ivy", "Not yet begun & named", "not a date");
    for (bool plain : {false, true}) {
        ProgramSettings().SimpleUI = plain;
        auto list = Load();
        ASSERT_EQ(list->GameList->rowCount(), 14);
        const std::map<int, int> iconOfStatus = {{1, 0}, {2, 1}, {5, 1}, {3, 2}, {4, 3}, {6, 4}};
        std::vector<GameRecord> games;
        ASSERT_TRUE(Database::SelectGames(Folder(), games, "", ""));
        for (int r = 0; r < list->GameList->rowCount(); ++r) {
            const int id = list->GameList->item(r, ColumnGameId)->text().toInt();
            const auto game = std::find_if(games.begin(), games.end(),
                                           [id](const GameRecord& g) { return g.GAME_ID == id; });
            const QIcon icon = list->GameList->item(r, ColumnStatus)->icon();
            const auto picture = iconOfStatus.find(game->GAME_STATUS);
            if (picture == iconOfStatus.end()) {
                EXPECT_TRUE(icon.isNull()) << id;
                EXPECT_EQ(list->GameList->item(r, ColumnDateStarted)->text(),
                          QStringLiteral("not a date"));
            } else {
                EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                          list->StatusIcons.at(picture->second)
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32))
                    << id;
            }
        }
        // Fourteen games need the scroll bar: the columns leave it room.
        int columns = 0;
        for (int column = 0; column < list->GameList->columnCount(); ++column)
            columns += list->GameList->isColumnHidden(column) ? 0 : list->GameList->columnWidth(column);
        EXPECT_EQ(columns, 577 - 15);
        std::printf("screenshot: %s\n", qPrintable(ShellTesting::SaveScreenshot(
                                            *list, plain ? QStringLiteral("game-list-plain")
                                                         : QStringLiteral("game-list-skinned"))));
    }
}

} // namespace
