#include "shell/program_board.h"

#include "tests/shell/shell_test_support.h"

#include "store/database.h"

#include <QFile>

#include <gtest/gtest.h>

// What "Print board state..." hands to the printout: the board stepped
// back through the history and turned to Black's side, as it is shown.
TEST(ProgramBoard, ThePrintoutGetsTheBoardAsShown)
{
    ShellTesting::ShellFolders folders;
    const Database::DataFolder folder(QFile::encodeName(folders.DataPath()).toStdString());
    GameRecord game;
    game.GAME_ID = 1;
    game.GAME_HOST = true;
    game.GAME_WHITE_NAME = "Alice";
    game.GAME_BLACK_NAME = "Bob";
    game.GAME_STATUS = 1;
    const MoveList moves = {{1, "5254", "e4", ""}, {2, "5755", "e5", "Your move"}};
    ASSERT_TRUE(Database::SaveGame(folder, game, moves));

    BoardSupport::GameController controller(folder);
    BoardSupport::OpenRequest request;
    request.gameId = 1;
    ASSERT_TRUE(controller.Open(request).ok);
    controller.SelectRow(1);
    controller.ChangeView();

    const Printing::BoardToPrint board =
        SysTraySupport::CurrentBoardToPrint(BoardSupport::PrintoutOf(controller));
    EXPECT_EQ(board.squares(5, 4), MoveValidation::WhitePawn);
    EXPECT_EQ(board.squares(5, 7), MoveValidation::BlackPawn);
    EXPECT_TRUE(board.blackAtBottom);
    EXPECT_EQ(board.gameID, 1);
    EXPECT_EQ(board.selectedRow, 1);
    EXPECT_EQ(board.notation, QStringLiteral("e4"));
    EXPECT_TRUE(board.comment.isEmpty());

    controller.SelectRow(2);
    EXPECT_EQ(SysTraySupport::CurrentBoardToPrint(BoardSupport::PrintoutOf(controller)).comment,
              QStringLiteral("Your move"));
}

// A new game not stored yet is printed under the title and opponent it was
// opened with, as the board hands them over.
TEST(ProgramBoard, ANewGamesPrintoutCarriesItsTitleAndOpponent)
{
    ShellTesting::ShellFolders folders;
    const Database::DataFolder folder(QFile::encodeName(folders.DataPath()).toStdString());
    BoardSupport::GameController controller(folder);
    BoardSupport::OpenRequest request;
    request.gameId = -1;
    request.newGame = BoardSupport::NewGameRequest{{}, "Spring cup", "Bob Birch", ""};
    ASSERT_TRUE(controller.Open(request).ok);

    const Printing::BoardToPrint board =
        SysTraySupport::CurrentBoardToPrint(BoardSupport::PrintoutOf(controller));
    EXPECT_EQ(board.gameID, -1);
    EXPECT_EQ(board.newGameName, QStringLiteral("Spring cup"));
    EXPECT_EQ(board.newOpponentName, QStringLiteral("Bob Birch"));
    EXPECT_EQ(board.selectedRow, 0);
}
