#pragma once
// What the board's printout shows, as a plain value the board hands the
// program: the position at the selected row turned as it is viewed, the
// game it belongs to (a new game by the title and opponent it was opened
// with), and the selected row's move. The printing reads neither the
// window nor the game.

#include "game/game_controller.h"

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
    const GameInfo& info = game.Info();
    const MoveHistory& history = game.History();
    printout.squares = history.Current().squares;
    printout.blackAtBottom = info.viewColour != 0;
    printout.gameId = info.gameId;
    if (info.gameId == -1) {
        // A new game is against the opponent it was opened with.
        printout.newGameTitle = info.newGame.Title;
        printout.newGameOpponent = info.blackPlayerName;
    }
    printout.selectedRow = history.SelectedRow();
    if (printout.selectedRow >= 1 && printout.selectedRow <= history.Entries()) {
        const MoveRecord& entry = history.List()[std::size_t(printout.selectedRow - 1)];
        printout.notation = entry.notation;
        printout.comment = entry.comment;
    }
    return printout;
}

} // namespace BoardSupport
