// The board window over its controller, on the offscreen platform.
#include "board/board_view.h"
#include "board/board_window.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"

#include "board_test_support.h"
#include "recording_board_host.h"
#include "../foundation/widget_test_support.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace BoardSupport;
using namespace BoardTests;

namespace {

class BoardWindowTest : public ::testing::Test {
protected:
    BoardWindowTest()
    {
        data.CopyFixture();
        Support::Globals().PendingMoveList.clear();
        Support::Globals().Quitting = false;
    }

    std::unique_ptr<Board> Open(int gameId, bool simpleUI, bool returnToGameList = true)
    {
        auto board = std::make_unique<Board>(host, data.Folder());
        BoardOptions options;
        options.request.gameId = gameId;
        options.simpleUI = simpleUI;
        options.returnToGameList = returnToGameList;
        loaded = board->Form_Load(options);
        return board;
    }

    TestSupport::QtApp app;
    TestSupport::ProgramFolder program;
    TestSupport::ScriptedHost modal;
    TempDataFolder data;
    RecordingBoardHost host;
    bool loaded = false;
};

TEST_F(BoardWindowTest, OpensAStoredGameSkinnedAndPlain)
{
    struct Case { bool simpleUI; QSize window; QRect board; };
    const Case cases[] = {
        {false, QSize(720, 520), QRect(122, 37, 400, 400)},
        {true, QSize(603, 463), QRect(76, 26, 400, 400)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.simpleUI);
        const std::unique_ptr<Board> board = Open(1, c.simpleUI);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(board->size(), c.window);
        EXPECT_EQ(board->CBoard->geometry(), c.board);
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
        EXPECT_EQ(board->PlayersTag->text(), QStringLiteral("You are playing Bob"));
        ASSERT_EQ(board->MoveList->rowCount(), 4);
        EXPECT_EQ(board->MoveList->item(1, 2)->text(), QStringLiteral("e5"));
        EXPECT_EQ(board->MoveList->item(3, 1)->text(), QStringLiteral("4"));
        EXPECT_TRUE(board->MoveList->isColumnHidden(0));
        EXPECT_TRUE(board->MoveList->isColumnHidden(3));
        // The bottom-left square is a1 in White's view: a dark square with a rook.
        EXPECT_EQ(board->CBoard->SquareAt(QPoint(10, 390)), (Square{1, 1}));
        EXPECT_EQ(board->Game().CellAt(Square{1, 1}), 9);
    }
}

TEST_F(BoardWindowTest, TheMoveListSelectionReplaysAndAPressRemovesTheMarks)
{
    const std::unique_ptr<Board> board = Open(1, false);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(board->Game().Marks().empty());
    board->MoveList->selectRow(1);
    EXPECT_EQ(board->Game().SelectedRow(), 2);
    EXPECT_EQ(board->OpponentComment->text(), QStringLiteral("Bob said: Your move"));
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting Bob's move"));
    EXPECT_EQ(board->Game().CurrentPosition().squares(7, 1), MoveValidation::WhiteKnight);
    QTest::mousePress(board->CBoard, Qt::LeftButton, {}, QPoint(25, 25));
    QTest::mouseRelease(board->CBoard, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_TRUE(board->Game().Marks().empty());
    EXPECT_FALSE(board->Game().HilightShown());
    board->SelectLastMove();
    EXPECT_EQ(board->Game().SelectedRow(), 4);
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
}

TEST_F(BoardWindowTest, TheFlippedViewPutsH8BottomLeft)
{
    const std::unique_ptr<Board> board = Open(2, false);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(board->CBoard->SquareAt(QPoint(10, 390)), (Square{8, 8}));
    EXPECT_EQ(board->CBoard->SquareRect(Square{1, 1}), QRect(350, 0, 50, 50));
    board->ChangeView();
    EXPECT_EQ(board->CBoard->SquareAt(QPoint(10, 390)), (Square{1, 1}));
}

TEST_F(BoardWindowTest, ClosingReturnsToTheGameListAndResumesMailPolling)
{
    Support::SetCheckTimer(false);
    Support::Globals().ModalBusy = true;
    const std::unique_ptr<Board> board = Open(1, false);
    ASSERT_TRUE(loaded);
    board->show();
    board->close();
    EXPECT_TRUE(Support::CheckTimerEnabled());
    EXPECT_FALSE(Support::Globals().ModalBusy);
    EXPECT_EQ(host.calls, (std::vector<QString>{"ReturnToGameList 1", "UpdateTrayState 1"}));

    host.calls.clear();
    Support::Globals().PendingMoveList = QStringLiteral("2;");
    const std::unique_ptr<Board> again = Open(1, false, false);
    again->show();
    again->close();
    EXPECT_EQ(host.calls, (std::vector<QString>{"UpdateTrayState 1", "NotifyNewMoves"}));
    EXPECT_FALSE(again->isVisible());
}

TEST_F(BoardWindowTest, AnUnreadableHistoryClosesTheWindowWithOneMessage)
{
    {
        std::ofstream out(data.Path() / Database::DatabaseFileName, std::ios::binary | std::ios::trunc);
        out << "1|broken\n";
    }
    int messages = 0;
    modal.Script = [&messages](QWidget& window) {
        ++messages;
        window.close();
    };
    const std::unique_ptr<Board> board = Open(1, false);
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(board->QuitRequest());
    EXPECT_EQ(messages, 1);
}

} // namespace
