#pragma once
// What the board window needs of the program above it. The shell
// implements it; tests record it.

#include "board/board_printout.h"

#include <QPixmap>

class QWidget;

namespace BoardSupport {

// Where the board's pictures come from: the chosen chess set's 32 cells
// and its 12 drag cursors.
class BoardPictures {
public:
    virtual ~BoardPictures() = default;
    virtual QPixmap ChessSetCell(int cell) = 0;
    // Image 1..12: White rook, knight, bishop, queen, king, pawn, then Black.
    virtual QPixmap DragIcon(int image) = 0;
};

// The tray's action that draws its icon again in place.
inline constexpr int TrayIconModified = 1;

class BoardHost {
public:
    virtual ~BoardHost() = default;
    virtual BoardPictures& Pictures() = 0;
    // Closing back to the game list: it is refilled with this game
    // selected and shown.
    virtual void ReturnToGameList(int currentGameId) = 0;
    // Closing without the game list: the tray's games menu is rebuilt, the
    // game list closed and the tray menu's Open and New game items enabled.
    virtual void LeaveGameList() = 0;
    // The board is closing: the pause on the mail polling, taken where it
    // was opened, is given back there.
    virtual void BoardClosed() = 0;
    // The tray icon and its tip brought up to the program's state; the
    // action as the tray takes it (TrayIconModified: the icon in place).
    virtual void UpdateTrayState(int action) = 0;
    // New moves arrived while the board was open: the notification runs.
    virtual void NotifyNewMoves() = 0;
    // The stored game travels to its opponent as a move mail, or as the
    // next move file in stand-alone mode. Both tell the user themselves
    // when they fail and answer false; the game stays stored either way.
    // The window stays responsive while they run.
    virtual bool SendMoveMail(int gameId) = 0;
    virtual bool ExportMoveFile(int gameId) = 0;
    // The chess set and board the settings name, loaded again after the
    // options window closed; false (the user told why) when they could not
    // be, and the board closes.
    virtual bool LoadChessSet() = 0;
    // The print options dialog, then the board as it is shown; failures are
    // reported to the user there.
    virtual void PrintCurrentBoardState(const BoardPrintout& printout, QWidget& owner) = 0;
    // The scrolling credits, modal over the board.
    virtual void ShowCredits() = 0;
    // The computer began or ended its search: the program keeps its own
    // commands (the options window) from pulling the chess set or the
    // settings away under it.
    virtual void ComputerThinking(bool thinking) = 0;
};

} // namespace BoardSupport
