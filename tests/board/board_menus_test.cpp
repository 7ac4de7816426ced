// The board's popup menus and small window events, its plain layout and
// its tool tips, on the offscreen platform.
#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/piece_palette.h"
#include "board/plain_layout.h"
#include "foundation/help.h"
#include "foundation/options_about_entry.h"
#include "foundation/press_label.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/skin.h"
#include "foundation/skinned_button.h"
#include "foundation/toolbar_faces.h"
#include "game/command_state.h"
#include "platform/help_viewer.h"

#include "board_mouse.h"
#include "board_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace BoardTests;

namespace {

class BoardMenusTest : public BoardWindowFixture {
protected:
    BoardMenusTest()
    {
        Support::Globals().SkinRefreshPending = false;
        Support::EntryWindows().RunOptionsPage = [this] { windows.push_back("Options"); };
        Support::EntryWindows().RunAboutBox = [this] { windows.push_back("About"); };
    }
    ~BoardMenusTest() override { Support::EntryWindows() = {}; }

    // Game 1 of the fixture: the player is White and to move, four entries.
    // setup: a new game begun in set-up mode.
    std::unique_ptr<Board> Open(int gameId = 1, bool simpleUI = false, bool setup = false)
    {
        auto board = std::make_unique<Board>(host, data.Folder());
        BoardOptions options;
        options.request.gameId = gameId;
        if (setup && gameId == -1)
            options.request.newGame = NewGameRequest{{false, true}, "", "", ""};
        options.simpleUI = simpleUI;
        loaded = board->Form_Load(options);
        QObject::connect(board.get(), &Board::MenuShown, [this](QMenu* menu, QPoint at) {
            shown = menu;
            shownAt = at;
        });
        return board;
    }

    // A press that may open a menu; the menu is closed again at once.
    static void Press(QWidget* control, Qt::MouseButton button, QPoint at = QPoint())
    {
        QTest::mousePress(control, button, {}, at);
        ClosePopups();
    }
    static void ClosePopups()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }

    std::vector<QString> windows;
    QMenu* shown = nullptr;
    QPoint shownAt;
};

// Every item of the board's menus, chosen from the menu as the Game and
// History titles pop it up, and what it did to the board and the program.
TEST_F(BoardMenusTest, EveryMenuItemRunsItsCommandOnTheBoardThatShowedIt)
{
    enum MenuKind { Actions, History, Help };
    struct Case {
        MenuKind menu;
        int index;
        std::function<bool(Board&)> done;
        std::vector<QString> calls;
        std::vector<QString> windowsShown;
        bool chessSetLoads = true;
        // The options window closes the board itself: a new set failed.
        bool optionsCloseTheBoard = false;
    };
    const Case cases[] = {
        {Actions, 0, [](Board& b) { return b.Game().Info().viewColour == 1; }, {}, {}},
        {Actions, 1, [](Board& b) { return b.Game().Marks().CoordsShown(); }, {}, {}},
        {Actions,
         7,
         [](Board& b) { return b.Game().Status().surrendered && b.View().MoveList()->rowCount() == 5; },
         {},
         {}},
        {Actions,
         8,
         [](Board& b) { return b.Game().Status().drawOffered && b.View().MoveList()->rowCount() == 5; },
         {},
         {}},
        {Actions, 10, [](Board& b) { return b.isVisible(); }, {"LoadChessSet"}, {"Options"}},
        {Actions,
         10,
         [](Board& b) { return !b.isVisible(); },
         {"LoadChessSet", "ReturnToGameList 1", "UpdateTrayState 1"},
         {"Options"},
         false},
        {Actions,
         10,
         [](Board& b) { return !b.isVisible(); },
         {"ReturnToGameList 1", "UpdateTrayState 1"},
         {"Options"},
         true,
         true},
        {Actions, 11, [](Board& b) { return b.isVisible(); }, {"PrintCurrentBoardState 1"}, {}},
        {Actions,
         12,
         [](Board& b) { return !b.isVisible(); },
         {"ReturnToGameList 1", "UpdateTrayState 1"},
         {}},
        {History,
         0,
         [](Board& b) { return !b.Game().Marks().Shown() && b.Game().Marks().Squares().empty(); },
         {},
         {}},
        {History, 2, [](Board& b) { return b.Game().History().SelectedRow() == 1; }, {}, {}},
        {History, 3, [](Board& b) { return b.Game().History().SelectedRow() == 4; }, {}, {}},
        {Help, 4, [](Board& b) { return b.isVisible(); }, {}, {"About"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "menu " << c.menu << " item " << c.index);
        host.calls.clear();
        windows.clear();
        host.chessSetLoads = c.chessSetLoads;
        const std::unique_ptr<Board> board = Open();
        ASSERT_TRUE(loaded);
        board->show();
        Support::EntryWindows().RunOptionsPage = [&] {
            windows.push_back("Options");
            if (c.optionsCloseTheBoard)
                board->close();
        };
        if (c.menu == History)
            board->View().SelectRow(2);
        QWidget* title = c.menu == Actions ? static_cast<QWidget*>(board->MenuBar().GameButton())
                                           : static_cast<QWidget*>(board->MenuBar().HistoryButton());
        Support::IndexedMenu& menu = c.menu == Actions   ? board->Menus().mnuActionsMenu
                                     : c.menu == History ? board->Menus().mnuHistoryMenu
                                                         : board->Menus().mnuIntHelpMenu;
        if (c.menu == Help)
            board->MenuBar().HelpMenu_L_MouseDown(Qt::LeftButton);
        else
            Press(title, Qt::LeftButton);
        ClosePopups();
        ASSERT_EQ(shown, &menu);
        ASSERT_TRUE(menu.Item(c.index)->isEnabled());
        menu.Item(c.index)->trigger();
        EXPECT_TRUE(c.done(*board));
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(windows, c.windowsShown);
    }
}

class RefusingRename : public Database::FileSystem {
public:
    bool Rename(const std::filesystem::path&, const std::filesystem::path&) override { return false; }
};

// Undo, Send and Re-send from the Actions menu do what the toolbar does:
// a mail game's move is stored and mailed, a computer game's move is
// stored and answered, and Re-send asks the computer again without
// sending anything; a move that cannot be stored gets no answer. While
// the computer thinks no menu opens, so neither Close nor Options can pull
// the game away from under the search.
TEST_F(BoardMenusTest, UndoSendAndResendRunAsTheToolbarDoes)
{
    Support::ProgramSettings().SearchDepth = 1;
    std::vector<QString> messages;
    modal.Script = [&messages](QWidget& window) {
        if (auto* caption = window.findChild<QLabel*>(QStringLiteral("FormCaption")))
            messages.push_back(caption->text());
        window.hide();
    };
    auto choose = [this](Board& board, int index) {
        Press(board.MenuBar().GameButton(), Qt::LeftButton);
        ASSERT_EQ(shown, &board.Menus().mnuActionsMenu);
        ASSERT_TRUE(board.Menus().mnuActionsMenu.Item(index)->isEnabled()) << index;
        board.Menus().mnuActionsMenu.Item(index)->trigger();
    };
    auto openGame = [this](const Database::DataFolder& folder, int id) {
        auto board = std::make_unique<Board>(host, folder);
        BoardOptions options;
        options.request.gameId = id;
        EXPECT_TRUE(board->Form_Load(options));
        QObject::connect(board.get(), &Board::MenuShown, [this](QMenu* menu, QPoint) { shown = menu; });
        board->show();
        return board;
    };
    {
        const std::unique_ptr<Board> board = openGame(data.Folder(), 1);
        Press(board->MenuBar().GameButton(), Qt::LeftButton);
        EXPECT_FALSE(board->Menus().mnuActionsMenu.Item(ActionsSend)->isEnabled());
        DragPiece(*board, "f1", "c4");
        ASSERT_EQ(board->View().MoveList()->rowCount(), 5);
        choose(*board, ActionsUndo);
        EXPECT_EQ(board->View().MoveList()->rowCount(), 4);
        DragPiece(*board, "f1", "c4");
        choose(*board, ActionsSend);
        EXPECT_EQ(host.calls.front(), QStringLiteral("SendMoveMail 1"));
        EXPECT_FALSE(board->isVisible());
    }

    GameRecord computerGame = BoardTests::Game(5, true, "Alice", "Marrowdale", 2);
    computerGame.GAME_VS_COMPUTER = true;
    TempDataFolder computer;
    ASSERT_TRUE(Store(computer.Folder(), computerGame, Entries({{"5254", "e4"}})));
    host.calls.clear();
    {
        const std::unique_ptr<Board> board = openGame(computer.Folder(), 5);
        choose(*board, ActionsResend);
        ASSERT_TRUE(board->ComputerThinking());
        EXPECT_FALSE(board->MenuBar().GameButton()->isEnabled());
        EXPECT_FALSE(board->MenuBar().HistoryButton()->isEnabled());
        shown = nullptr;
        Press(board->MenuBar().GameButton(), Qt::LeftButton);
        EXPECT_EQ(shown, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !board->ComputerThinking(); }, 30000));
        EXPECT_EQ(board->View().MoveList()->rowCount(), 2);

        DragPiece(*board, "g1", "f3");
        if (board->View().MoveList()->rowCount() == 3) {
            choose(*board, ActionsSend);
            EXPECT_TRUE(board->ComputerThinking());
            ASSERT_TRUE(QTest::qWaitFor([&] { return !board->ComputerThinking(); }, 30000));
            EXPECT_EQ(board->View().MoveList()->rowCount(), 4);
        }
        EXPECT_TRUE(host.calls.empty());
    }

    RefusingRename disk;
    const Database::DataFolder failing(computer.Path(), &disk);
    const std::unique_ptr<Board> board = openGame(failing, 5);
    DragPiece(*board, "a2", "a3");
    ASSERT_EQ(board->Game().History().Entries() % 2, 1);
    choose(*board, ActionsSend);
    EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Database error.")});
    EXPECT_FALSE(board->ComputerThinking());
    EXPECT_TRUE(board->isVisible());
}

// A command chosen from a menu whose board has closed since, or that was
// shown on another board, reaches no game.
TEST_F(BoardMenusTest, AMenuActsOnlyOnTheOpenGameItWasShownFor)
{
    const std::unique_ptr<Board> first = Open(1);
    const std::unique_ptr<Board> second = Open(2);
    ASSERT_TRUE(loaded);
    first->show();
    second->show();
    Press(first->MenuBar().GameButton(), Qt::LeftButton);
    first->Menus().mnuActionsMenu.Item(0)->trigger();
    EXPECT_EQ(first->Game().Info().viewColour, 1);
    EXPECT_EQ(second->Game().Info().viewColour, 1); // Black's own view, untouched

    Press(second->MenuBar().GameButton(), Qt::LeftButton);
    second->close();
    ClosePopups();
    host.calls.clear();
    second->Menus().mnuActionsMenu.Item(11)->trigger();
    second->Menus().mnuActionsMenu.Item(0)->trigger();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(second->Game().Info().viewColour, 1);
}

TEST_F(BoardMenusTest, TitlesMarksAndLabelsOpenTheirMenusOrClearTheMarks)
{
    const std::unique_ptr<Board> board = Open();
    ASSERT_TRUE(loaded);
    board->show();

    // Each menu opens at the left of its title, just below it; the right
    // button opens none.
    Press(board->MenuBar().GameButton(), Qt::RightButton);
    EXPECT_EQ(shown, nullptr);
    Press(board->MenuBar().HistoryButton(), Qt::LeftButton);
    EXPECT_EQ(shown, &board->Menus().mnuHistoryMenu);
    EXPECT_EQ(shownAt, board->MenuBar().HistoryButton()->mapToGlobal(
                           QPoint(0, board->MenuBar().HistoryButton()->height())));

    // The right button on a move mark opens the Actions menu at the
    // pointer; the left one clears the marks and the coordinates and picks
    // up nothing.
    ASSERT_TRUE(board->Game().Marks().Shown());
    const QPoint mark =
        board->View().Squares()->MarkRect(board->Game().Marks().Squares().back()).center();
    shown = nullptr;
    Press(board->View().Squares(), Qt::RightButton, mark);
    EXPECT_EQ(shown, &board->Menus().mnuActionsMenu);
    EXPECT_EQ(shownAt, board->View().Squares()->mapToGlobal(mark));
    EXPECT_TRUE(board->Game().Marks().Shown());
    // So does the right button on any square, leaving the marks and the
    // piece where they are.
    const QPoint square = SquareCentre(*board, "e2");
    shown = nullptr;
    Press(board->View().Squares(), Qt::RightButton, square);
    EXPECT_EQ(shown, &board->Menus().mnuActionsMenu);
    EXPECT_EQ(shownAt, board->View().Squares()->mapToGlobal(square));
    EXPECT_TRUE(board->Game().Marks().Shown());
    EXPECT_FALSE(board->View().Squares()->Dragging());
    board->View().ToggleCoords();
    QTest::mousePress(board->View().Squares(), Qt::LeftButton, {}, mark);
    QTest::mouseRelease(board->View().Squares(), Qt::LeftButton, {}, mark);
    EXPECT_FALSE(board->Game().Marks().Shown());
    EXPECT_FALSE(board->Game().Marks().CoordsShown());
    EXPECT_FALSE(board->View().Squares()->Dragging());
    EXPECT_EQ(board->View().MoveList()->rowCount(), 4);

    // A coordinate label takes the left button only.
    board->View().ToggleCoords();
    const QPoint label = board->View().Squares()->CoordinatePlates().front().rect.center();
    QTest::mousePress(board->View().Squares(), Qt::RightButton, {}, label);
    EXPECT_TRUE(board->Game().Marks().CoordsShown());
    QTest::mousePress(board->View().Squares(), Qt::LeftButton, {}, label);
    EXPECT_FALSE(board->Game().Marks().CoordsShown());
    EXPECT_FALSE(board->View().Squares()->Dragging());

    // A click on the players' tag clears the marks.
    board->View().ToggleHighlight();
    ASSERT_TRUE(board->Game().Marks().Shown());
    QTest::mouseClick(board->View().PlayersTag(), Qt::LeftButton);
    EXPECT_FALSE(board->Game().Marks().Shown());

    QTest::mouseClick(board->MenuBar().Logo(), Qt::LeftButton);
    EXPECT_EQ(host.calls, std::vector<QString>{"ShowCredits"});
    QTest::mouseClick(board->MenuBar().MinimiseButton(), Qt::LeftButton);
    EXPECT_TRUE(board->isMinimized());
}

// In set-up mode the Game title opens the Setup menu and History opens
// nothing; the palette has its own menu.
TEST_F(BoardMenusTest, TheSetupMenusBuildThePositionAndStartTheGame)
{
    const std::unique_ptr<Board> board = Open(-1, false, true);
    ASSERT_TRUE(loaded);
    board->show();
    ASSERT_TRUE(board->Game().Setup().Active());
    EXPECT_FALSE(board->MenuBar().Logo()->isVisible());
    EXPECT_EQ(board->MenuBar().HistoryButton()->toolTip(), QStringLiteral("Piece pallete menu"));
    Press(board->MenuBar().HistoryButton(), Qt::LeftButton);
    EXPECT_EQ(shown, nullptr);

    auto choose = [&](int index) {
        Press(board->MenuBar().GameButton(), Qt::LeftButton);
        ASSERT_EQ(shown, &board->Menus().mnuSetupMenu);
        board->Menus().mnuSetupMenu.Item(index)->trigger();
    };
    const BoardSquares start = *ParsePositionString("");
    // The right button on a square opens the Setup menu at the pointer.
    Press(board->View().Squares(), Qt::RightButton, SquareCentre(*board, "e2"));
    EXPECT_EQ(shown, &board->Menus().mnuSetupMenu);
    EXPECT_FALSE(board->View().Squares()->Dragging());
    choose(4);
    EXPECT_EQ(board->Game().History().Current().squares, BoardSquares{});
    choose(3);
    EXPECT_EQ(board->Game().History().Current().squares, start);
    Press(board->Setup().Palette(), Qt::RightButton,
          board->Setup().Palette()->ItemRect(MoveValidation::WhitePawn).center());
    ASSERT_EQ(shown, &board->Menus().mnuPiecePalleteMenu);
    board->Menus().mnuPiecePalleteMenu.Item(0)->trigger();
    EXPECT_EQ(board->Game().History().Current().squares(5, 2), MoveValidation::Empty);
    choose(3);
    choose(6);
    EXPECT_FALSE(board->Game().Setup().Active());
    EXPECT_TRUE(board->MenuBar().Logo()->isVisible());
    EXPECT_EQ(board->MenuBar().HistoryButton()->toolTip(), QStringLiteral("Move history menu"));
    Press(board->MenuBar().GameButton(), Qt::LeftButton);
    EXPECT_EQ(shown, &board->Menus().mnuActionsMenu);
}

TEST_F(BoardMenusTest, HistoryOpensNothingWithoutAnEntry)
{
    const std::unique_ptr<Board> board = Open(-1);
    ASSERT_TRUE(loaded);
    board->show();
    Press(board->MenuBar().HistoryButton(), Qt::LeftButton);
    emit board->View().MoveList()->customContextMenuRequested(QPoint(5, 5));
    ClosePopups();
    EXPECT_EQ(shown, nullptr);
    Press(board->MenuBar().GameButton(), Qt::LeftButton);
    EXPECT_EQ(shown, &board->Menus().mnuActionsMenu);
}

// Activation redraws the visible skinned buttons only after a new skin,
// and closing then tells the game list to redraw its own.
TEST_F(BoardMenusTest, ActivationAfterANewSkinRedrawsTheVisibleButtons)
{
    // The button faces come with the skin of the program's hidden window.
    QWidget tray;
    tray.setObjectName(QStringLiteral("SystemTray"));
    ASSERT_TRUE(Support::ApplySkin(tray));
    const std::unique_ptr<Board> board = Open();
    ASSERT_TRUE(loaded);
    board->show();
    // Skinning the windows asked for that much already.
    board->Form_Activate();
    EXPECT_TRUE(board->SkinReapplied());
    EXPECT_FALSE(Support::Globals().SkinRefreshPending);
    board->Computer().Cancel()->Show(false);
    board->Computer().Cancel()->SetEnabled(false);
    QLabel* picture = board->findChild<QLabel*>(QStringLiteral("CancelSearch"));
    const qint64 released = picture->pixmap().cacheKey();

    board->Form_Activate();
    EXPECT_EQ(picture->pixmap().cacheKey(), released);

    Support::Globals().SkinRefreshPending = true;
    board->Form_Activate();
    EXPECT_EQ(picture->pixmap().toImage(), Support::ButtonFaceCell(1).toImage());
    EXPECT_FALSE(Support::Globals().SkinRefreshPending);
    board->close();
    EXPECT_TRUE(Support::Globals().SkinRefreshPending);
}

// Every control the plain layout moves, against the skinned layout: the
// right-hand column 1285 twips left and 150 up, the comment area 625 right
// and 475 up.
TEST_F(BoardMenusTest, ThePlainLayoutMovesEachControlByItsShift)
{
    struct Case {
        const char* control;
        int right;
        int down;
    };
    const Case cases[] = {
        {"MoveList", -1285, -150},      {"MDLogo", -1285, -150},        {"DrawLogo", -1285, -150},
        {"AcceptDrawS", -1285, -150},   {"DeclineDrawS", -1285, -150},  {"PlayersTag", 625, -475},
        {"OpponentComment", 625, -475}, {"PlayerComment_L", 625, -475}, {"PlayerComment", 625, -475},
        {"SearchProgress", 625, -475},  {"CancelSearchS", 625, -475},   {"LabelBoarder_L", 625, -475},
        {"PiecePallete", -1285, -150},  {"Trash", -1285, -150},
    };
    const std::unique_ptr<Board> skinned = Open(1, false);
    const std::unique_ptr<Board> plain = Open(1, true);
    ASSERT_TRUE(loaded);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const QWidget* before = skinned->findChild<QWidget*>(QLatin1String(c.control));
        const QWidget* after = plain->findChild<QWidget*>(QLatin1String(c.control));
        ASSERT_TRUE(before && after);
        const QPoint moved = after->pos() - before->pos();
        EXPECT_EQ(moved.x(), c.right < 0 ? -Px(-c.right) : Px(c.right));
        EXPECT_EQ(moved.y(), -Px(-c.down));
        // Every moved control stays inside the smaller window.
        EXPECT_TRUE(QRect(QPoint(), plain->size()).contains(after->geometry()));
    }
    // 475 lower, keeping the comment area its room below.
    EXPECT_EQ(plain->size(), QSize(Px(10800 - 1750), Px(7800 - 475)));
    plain->show();
    skinned->show();
    for (QWidget* control : {static_cast<QWidget*>(plain->MenuBar().GameTitle()),
                             static_cast<QWidget*>(plain->MenuBar().HelpTitle()),
                             static_cast<QWidget*>(plain->View().CommentFrame()),
                             static_cast<QWidget*>(skinned->MenuBar().GameButton()),
                             static_cast<QWidget*>(skinned->MenuBar().HelpButton())})
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    for (QWidget* control : {static_cast<QWidget*>(plain->MenuBar().GameButton()),
                             static_cast<QWidget*>(plain->MenuBar().MinimiseButton()),
                             static_cast<QWidget*>(plain->MenuBar().HelpButton()),
                             static_cast<QWidget*>(skinned->MenuBar().GameTitle()),
                             static_cast<QWidget*>(skinned->View().CommentFrame())})
        EXPECT_FALSE(control->isVisible()) << control->objectName().toStdString();
    EXPECT_TRUE(plain->Menus().mnuIntHelpMenu.Item(2)->isVisible());
    EXPECT_FALSE(skinned->Menus().mnuIntHelpMenu.Item(2)->isVisible());
}

// F1 opens the board's own help topic from any control, in both layouts.
TEST_F(BoardMenusTest, F1OpensTheBoardsHelp)
{
    for (const bool simpleUI : {false, true}) {
        SCOPED_TRACE(simpleUI ? "plain" : "skinned");
        const std::unique_ptr<Board> board = Open(1, simpleUI);
        ASSERT_TRUE(loaded);
        board->show();
        board->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board.get()));
        for (QWidget* focus : {static_cast<QWidget*>(board->View().MoveList()),
                               static_cast<QWidget*>(board->View().PlayerComment())}) {
            SCOPED_TRACE(focus->objectName().toStdString());
            Support::CloseHelp(board.get());
            ASSERT_EQ(Platform::ProgramHelpViewer().Find(board.get()), nullptr);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_F1);
            EXPECT_NE(Platform::ProgramHelpViewer().Find(board.get()), nullptr);
        }
        Support::CloseHelp(board.get());
    }
}

// One word for giving up: the skinned faces, the plain button, the menu
// item and the tool tip all say "Surrender".
TEST_F(BoardMenusTest, SurrenderIsOneWordEverywhere)
{
    for (std::size_t cell : {10u, 11u, 19u})
        EXPECT_STREQ(WindowNames::BoardToolbarFaces[cell], "Surrender") << cell;
    const std::unique_ptr<Board> plain = Open(1, true);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(plain->Toolbar().Button(6)->text().remove(QLatin1Char('&')), QStringLiteral("Surrender"));
    EXPECT_EQ(plain->Menus().mnuActionsMenu.Item(7)->text(), QStringLiteral("Surrender game"));
}

TEST_F(BoardMenusTest, ToolTipsFollowTheSettingAndTheMode)
{
    std::unique_ptr<Board> board = std::make_unique<Board>(host, data.Folder());
    BoardOptions options;
    options.request.gameId = 1;
    ASSERT_TRUE(board->Form_Load(options));
    EXPECT_EQ(board->MenuBar().HistoryButton()->toolTip(), QStringLiteral("Move history menu"));
    EXPECT_EQ(board->MenuBar().Logo()->toolTip(),
              QStringLiteral("Marrowdale v") + Support::GetVersionString());
    EXPECT_EQ(board->Computer().CancelPlain()->toolTip(),
              QStringLiteral("Stop the computer from taking its next move"));
    EXPECT_EQ(board->GameEnd().AcceptDrawPlain()->toolTip(), QStringLiteral("Accept the offered draw"));
    EXPECT_EQ(board->GameEnd().AcceptDraw()->face->toolTip(), QStringLiteral("Accept the offered draw"));
    EXPECT_EQ(board->View().MoveList()->toolTip(), QStringLiteral("History of previous moves"));

    options.showToolTips = false;
    board = std::make_unique<Board>(host, data.Folder());
    ASSERT_TRUE(board->Form_Load(options));
    for (const bool setupMode : {false, true})
        for (const ControlTip& tip : BoardToolTips(setupMode, QString())) {
            if (const QWidget* control = board->findChild<QWidget*>(tip.control)) {
                EXPECT_TRUE(control->toolTip().isEmpty()) << tip.control.toStdString();
            }
        }

    // Entering set-up mode and leaving it by Play changes the tips of
    // buttons 4 to 6 and of the second menu button.
    options.showToolTips = true;
    options.request.gameId = -1;
    options.request.newGame = NewGameRequest{{false, true}, "", "", ""};
    board = std::make_unique<Board>(host, data.Folder());
    ASSERT_TRUE(board->Form_Load(options));
    auto tipOf = [&board](const char* control) {
        return board->findChild<QWidget*>(QLatin1String(control))->toolTip();
    };
    EXPECT_EQ(tipOf("Toolbar1S_4"),
              QStringLiteral("RESET - Configure the board for a standard chess opening"));
    EXPECT_EQ(tipOf("Toolbar1Face_5"), QStringLiteral("CLEAR - Remove all the pieces from the board"));
    EXPECT_EQ(tipOf("Toolbar1_6"), QStringLiteral("PLAY - Play the current board setup"));
    EXPECT_EQ(tipOf("Menu2Button"), QStringLiteral("Piece pallete menu"));
    ASSERT_TRUE(board->Setup().SetupPlay());
    EXPECT_EQ(tipOf("Toolbar1S_4"), QStringLiteral("SEND - Send the move to your opponent"));
    EXPECT_EQ(tipOf("Toolbar1Face_5"),
              QStringLiteral("RESEND - Send your last move to your opponent again"));
    EXPECT_EQ(tipOf("Toolbar1_6"), QStringLiteral("SURRENDER - Surrender the game"));
    EXPECT_EQ(tipOf("Toolbar1Face_7"), QStringLiteral("CLOSE - Close the form"));
}

} // namespace
