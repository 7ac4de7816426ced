// The board window's set-up mode on the offscreen platform: a position
// built by mouse from the palette, refusals, the warnings dialog answered
// every way, and the first move made from the set-up position.
#include "board/board_view.h"
#include "board/board_window.h"
#include "board/piece_palette.h"
#include "board/setup_warning_form.h"
#include "foundation/msg_form.h"
#include "foundation/program_state.h"

#include "../foundation/widget_test_support.h"
#include "board_mouse.h"
#include "board_test_support.h"
#include "recording_board_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

using namespace BoardSupport;
using namespace MoveValidation;
using namespace BoardTests;

namespace {

class SetupWindowTest : public ::testing::Test {
protected:
    SetupWindowTest()
    {
        Support::Globals().Mail.PendingMoveList.clear();
        Support::Globals().Quitting = false;
        // Every message box is read and answered OK.
        modal.Script = [this](QWidget& window) {
            if (auto* box = dynamic_cast<Support::MsgForm*>(&window)) {
                messages << box->Message->text();
                box->OkButtonFace_Click();
            }
        };
    }

    ~SetupWindowTest() override
    {
        if (board) {
            Support::Globals().Quitting = true;
            board->close();
            Support::Globals().Quitting = false;
        }
    }

    void OpenSetup(bool simpleUI = false)
    {
        board = std::make_unique<Board>(host, data.Folder());
        BoardOptions options;
        options.request.gameId = -1;
        options.request.newGame = NewGameRequest{{false, true}, "", "Bob", ""};
        options.simpleUI = simpleUI;
        ASSERT_TRUE(board->Form_Load(options));
        board->show();
    }

    int PieceOn(const std::string& square) const
    {
        const Square at = SquareNamed(square);
        return board->Game().History().Current().squares(at.column, at.row);
    }

    TestSupport::QtApp app;
    TestSupport::ProgramFolder program;
    TestSupport::ScriptedHost modal;
    TempDataFolder data;
    RecordingBoardHost host;
    std::unique_ptr<Board> board;
    QStringList messages;
};

TEST_F(SetupWindowTest, APositionBuiltByMouseFromThePaletteAndTheTrash)
{
    OpenSetup();
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Setting up board..."));
    EXPECT_EQ(board->View().PlayersTag()->text(), QStringLiteral("Please setup the board state."));
    EXPECT_TRUE(board->Setup().Palette()->isVisible());
    EXPECT_TRUE(board->Setup().Trash()->isVisible());
    EXPECT_FALSE(board->View().MoveList()->isVisible());
    EXPECT_FALSE(board->View().PlayerComment()->isVisible());
    EXPECT_TRUE(board->Setup().Palette()->ItemMarked(WhiteKing)
                && board->Setup().Palette()->ItemMarked(BlackKing));
    EXPECT_TRUE(board->Setup().SetupPlayEnabled());

    BuildByMouse(*board, "Ke1 ke8 Qd1 pa7 Pb2 Pc2 rh8");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(PieceOn("e1"), WhiteKing);
    EXPECT_EQ(PieceOn("d1"), WhiteQueen);
    EXPECT_EQ(PieceOn("a7"), BlackPawn);
    EXPECT_TRUE(board->Setup().Palette()->ItemMarked(WhiteKing));
    EXPECT_FALSE(board->Setup().Palette()->ItemEnabled(BlackKing));
    EXPECT_TRUE(board->Setup().SetupPlayEnabled());

    // A marked king is not taken from the palette again.
    PaletteToSquare(*board, WhiteKing, "h4");
    EXPECT_EQ(PieceOn("h4"), Empty);
    // Board to board, board to trash, board back onto the palette; a
    // palette piece dropped on the palette goes nowhere.
    SquareTo(*board, "d1", SquareCentre(*board, "d4"));
    EXPECT_EQ(PieceOn("d4"), WhiteQueen);
    SquareTo(*board, "d4", TrashIn(*board, board->View().Squares()));
    EXPECT_EQ(PieceOn("d4"), Empty);
    SquareTo(
        *board, "a7",
        board->View().Squares()->mapFrom(board.get(), board->Setup().Palette()->geometry().center()));
    EXPECT_EQ(PieceOn("a7"), Empty);
    DragFromPalette(*board, WhiteQueen, board->Setup().Palette()->ItemRect(BlackQueen).center());
    EXPECT_EQ(board->Game().History().Current().squares, TestBoards::Squares("Ke1 ke8 Pb2 Pc2 rh8"));

    // The palette menu on a pawn removes every pawn of that colour; a king
    // has no menu.
    QTest::mousePress(board->Setup().Palette(), Qt::RightButton, {},
                      board->Setup().Palette()->ItemRect(WhitePawn).center());
    EXPECT_EQ(board->Setup().PalettePiece(), WhitePawn);
    board->Setup().PaletteMenu()->close();
    board->Setup().PaletteMenu()->actions().front()->trigger();
    EXPECT_EQ(board->Game().History().Current().squares, TestBoards::Squares("Ke1 ke8 rh8"));
    EXPECT_TRUE(board->Setup().SetupPlayEnabled());
    // The White king dragged to the trash frees its palette picture.
    SquareTo(*board, "e1", TrashIn(*board, board->View().Squares()));
    EXPECT_TRUE(board->Setup().Palette()->ItemEnabled(WhiteKing));
    EXPECT_FALSE(board->Setup().Palette()->ItemMarked(WhiteKing));
    EXPECT_FALSE(board->Setup().SetupPlayEnabled());
    QTest::mousePress(board->Setup().Palette(), Qt::RightButton, {},
                      board->Setup().Palette()->ItemRect(WhiteKing).center());
    EXPECT_EQ(board->Setup().PalettePiece(), WhitePawn);
    EXPECT_TRUE(messages.isEmpty());
}

// Every refusal shows one "Invalid setup" message and leaves the board as
// it was, in set-up mode.
TEST_F(SetupWindowTest, EachRefusalByTable)
{
    struct Case {
        const char* what;
        const char* board;
        int dropPiece; // 0: ask to play instead
        const char* dropOn;
        const char* message;
    };
    const Case cases[] = {
        {"checkmate", "Ke6 ke8", WhiteQueen, "e7",
         "Checkmate.  Placing that piece there will result in checkmate which is not a valid starting state."},
        {"stalemate", "Kf7 kh8", WhiteQueen, "g6",
         "Stalemate.  Placing that piece there will result in a stalemate which is not a valid starting state."},
        {"both kings in check", "Ke1 ke8 Qe4", BlackRook, "a1",
         "Putting that piece there will result in both kings being in check, which is impossible in chess."},
        {"no White king", "ke8 Qd1 Pa2", 0, "",
         "The White king must stand on the board before the game can begin."},
        {"no Black king", "Ke1 qd8 pa7", 0, "",
         "The Black king must stand on the board before the game can begin."},
        {"a pawn on the last row", "Ke1 ke6 Pa8", 0, "",
         "A pawn stands on the first or the last row of the board, where no pawn can be.  Move it before the "
         "game can begin."},
        {"the side not to move in check", "Ke1 ke8 Qe4", 0, "",
         "The Black king is in check, but White moves first.  A game cannot begin with the king of the side not "
         "to move in check."},
        {"a forced draw", "Ke1 ke8 Nb1", 0, "",
         "Forced draw.  Placing that piece there will force a draw because you cannot checkmate with only a "
         "knight or a bishop."},
    };
    OpenSetup();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BuildByMouse(*board, c.board);
        ASSERT_TRUE(messages.isEmpty());
        const BoardSquares before = board->Game().History().Current().squares;
        if (c.dropPiece)
            PaletteToSquare(*board, c.dropPiece, c.dropOn);
        else
            EXPECT_FALSE(board->Setup().SetupPlay());
        EXPECT_EQ(messages, QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(board->Game().History().Current().squares, before);
        EXPECT_TRUE(board->Game().Setup().Active());
        EXPECT_TRUE(board->Setup().Palette()->isVisible());
        messages.clear();
    }
}

// Nine White pawns: the warnings dialog, answered by each of its ways in
// both layouts; only OK begins the game, from which the first move is made.
TEST_F(SetupWindowTest, WarningsAnsweredEveryWayThenPlayed)
{
    struct Answer {
        const char* how;
        bool simpleUI;
        std::function<void(SetupWarningForm&)> answer;
        bool plays;
    };
    const Answer answers[] = {
        {"Cancel", false,
         [](SetupWarningForm& d) { QTest::mouseClick(d.CancelButton.face, Qt::LeftButton); }, false},
        {"the close box", false, [](SetupWarningForm& d) { d.close(); }, false},
        {"Escape", false, [](SetupWarningForm& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false},
        {"plain Cancel", true, [](SetupWarningForm& d) { d.CancelButtonS->click(); }, false},
        {"plain OK", true, [](SetupWarningForm& d) { d.OKButtonS->click(); }, true},
        {"Enter", false, [](SetupWarningForm& d) { QTest::keyClick(&d, Qt::Key_Return); }, true},
        {"OK", false, [](SetupWarningForm& d) { QTest::mouseClick(d.OkButton.face, Qt::LeftButton); },
         true},
    };
    for (const Answer& a : answers) {
        SCOPED_TRACE(a.how);
        OpenSetup(a.simpleUI);
        BuildByMouse(*board, "Ke1 ke8 Pa3 Pa2 Pb2 Pc2 Pd2 Pe2 Pf2 Pg2 Ph2");
        const std::string setUp = FormatPositionString(board->Game().History().Current().squares);
        QString shown;
        bool iconShown = false;
        modal.Script = [&](QWidget& window) {
            auto& dialog = dynamic_cast<SetupWarningForm&>(window);
            shown = dialog.WarningMessage->text();
            iconShown = dialog.MessageIcon->isVisible();
            a.answer(dialog);
        };
        EXPECT_EQ(board->Setup().SetupPlay(), a.plays);
        EXPECT_EQ(modal.ModalRuns, 1);
        EXPECT_FALSE(modal.LeftOpen);
        modal.ModalRuns = 0;
        EXPECT_EQ(shown, QStringLiteral("White warnings\n      To many pawns"));
        EXPECT_EQ(iconShown, !a.simpleUI);
        EXPECT_EQ(board->Game().Setup().Active(), !a.plays);
        EXPECT_EQ(board->Setup().Palette()->isVisible(), !a.plays);
        EXPECT_EQ(board->View().MoveList()->isVisible(), a.plays);
        if (!a.plays)
            continue;
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
        EXPECT_EQ(board->Game().Info().initialBoardState, setUp);
        SquareTo(*board, "e2", SquareCentre(*board, "e4"));
        ASSERT_EQ(board->View().MoveList()->rowCount(), 1);
        EXPECT_EQ(board->View().MoveList()->item(0, 2)->text(), QStringLiteral("e4"));
        // The unsent first move leaves the caption of the player's turn.
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Marrowdale - Awaiting your move"));
    }
}

} // namespace
