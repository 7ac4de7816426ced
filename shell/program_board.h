#pragma once
// The board behind the tray's board port: it loads the chess set, opens
// the one board window on the game it is given, and gives the board what it needs
// of the program (the pictures, the game list, the tray state).

#include "board/board_host.h"
#include "board/board_window.h"
#include "dialogs/print_request.h"
#include "foundation/polling_pause.h"
#include "shell/tray_services.h"

#include <QPointer>

#include <functional>
#include <optional>

namespace MailSupport {
struct Transport;
}

namespace SysTraySupport {

class ProgramMail;

// The chess set's pictures from the program's picture stores.
class TrayPictures : public BoardSupport::BoardPictures {
public:
    QPixmap ChessSetCell(int cell) override;
    QPixmap DragIcon(int image) override;
};

// The board as its window shows it, for the current-board printout: the
// position at the selected row, the view, the selected row's move, and a
// new game's title and opponent, all as the board handed them over.
Printing::BoardToPrint CurrentBoardToPrint(const BoardSupport::BoardPrintout& printout);

class ProgramBoard : public BoardPort, public BoardSupport::BoardHost {
public:
    ProgramBoard(GameListPort& gameList, TrayMenuPort& menu);
    ~ProgramBoard() override;

    // ---- for the tray ----
    bool LoadChessSet() override;
    void OpenBoard(const Support::GameToOpen& game, bool returnToGameList) override;
    bool BoardOpen() const override;

    // ---- for the board ----
    BoardSupport::BoardPictures& Pictures() override { return pictures_; }
    void ReturnToGameList(int currentGameId) override;
    void LeaveGameList() override;
    void BoardClosed() override;
    void UpdateTrayState(int action) override;
    void NotifyNewMoves() override;
    void PrintCurrentBoardState(const BoardSupport::BoardPrintout& printout, QWidget& owner) override;
    void ShowCredits() override;
    void ComputerThinking(bool thinking) override;
    // Both run on the mail thread, after any mail operation under way,
    // over the program's mail session and mail state.
    bool SendMoveMail(int gameId) override;
    bool ExportMoveFile(int gameId) override;

    // The mail the board's moves go through.
    void AttachMail(ProgramMail* mail) { mail_ = mail; }

    // The open board window, if any (BoardOpen).
    BoardSupport::Board* OpenWindow() const { return window_.data(); }

private:
    bool RunOnMail(std::function<bool(MailSupport::Transport&)> call);

    GameListPort& gameList_;
    TrayMenuPort& menu_;
    TrayPictures pictures_;
    ProgramMail* mail_ = nullptr;
    QPointer<BoardSupport::Board> window_;
    QMetaObject::Connection forgetOnDestroy_;
    // The polling stays paused for the open board's lifetime; its closing
    // gives back what its opener found.
    std::optional<Support::PollingHold> pause_;
};

} // namespace SysTraySupport
