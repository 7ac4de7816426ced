#pragma once
// What the board's printout shows, as a plain value the board hands the
// program: the position at the selected row turned as it is viewed, the
// game it belongs to (a new game by the title and opponent it was opened
// with), and the selected row's move. The printing reads neither the
// window nor the game.

#include "board/game_controller.h"

#include <string>

namespace BoardSupport {

struct BoardPrintout {
    BoardSquares squares;
    bool blackAtBottom = false; // the view turned to Black's side
    int gameId = -1;            // -1: a new game not stored yet
    std::string newGameTitle;   // such a game's title and opponent
    std::string newGameOpponent;
    int selectedRow = 0;  // the move list's current row
    std::string notation; // its move and comment
    std::string comment;
};

inline BoardPrintout PrintoutOf(const GameController& game)
{
    BoardPrintout printout;
    printout.squares = game.CurrentPosition().squares;
    printout.blackAtBottom = game.ViewColour() != 0;
    printout.gameId = game.GameId();
    if (game.GameId() == -1) {
        // A new game is against the opponent it was opened with.
        printout.newGameTitle = game.NewGameName();
        printout.newGameOpponent = game.BlackPlayerName();
    }
    printout.selectedRow = game.SelectedRow();
    if (printout.selectedRow >= 1 && printout.selectedRow <= game.Entries()) {
        const MoveRecord& entry = game.Moves()[std::size_t(printout.selectedRow - 1)];
        printout.notation = entry.notation;
        printout.comment = entry.comment;
    }
    return printout;
}

} // namespace BoardSupport
