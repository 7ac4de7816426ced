#pragma once
// The tray icon's popup menu: open the game list, start a new game, open a
// game that waits for a move straight on the board, retrieve, options,
// help, about and exit.

#include "shell/tray_game_menu.h"
#include "shell/tray_services.h"

#include <QMenu>

#include <functional>

namespace SysTraySupport {

class SystemTray;

class TrayMenu : public TrayMenuPort {
public:
    TrayMenu();
    // The tray window whose commands the items run.
    void AttachTray(SystemTray* tray) { tray_ = tray; }
    // The board the games submenu opens.
    void AttachBoard(BoardPort* board) { board_ = board; }
    // The game list whose being open the items follow.
    void AttachGameList(const GameListPort* gameList) { gameList_ = gameList; }
    // The new-game dialog for a game of the kind given, with no owner window.
    std::function<void(const Support::NewGameKind& kind)> StartNewGame;
    // The mail account dialog, applied at once.
    std::function<void()> ChangeMailAccount;

    void SetMenuOptions() override;
    void PopulateTrayGameMenu() override;
    void PopupMenu(const QPoint& at) override;
    bool OpenItemEnabled() override;
    void FollowComputerThinking(bool thinking) override;

    // The items that follow the game list: while it is open "&Open" and
    // "&New game..." are off and "&Games" is hidden.
    void FollowGameList();

    void mnuPopupNewGame_Click();
    void mnuPopupGameListItem_Click(int gameId);
    void StandAlone_Click(bool on);

    QMenu mnuPopup;
    QAction* mnuPopupOpen;
    QAction* mnuPopupNewGame;
    QMenu mnuPopupGameListMenu;
    QAction* mnuPopupGameList;
    QAction* mnuPopupRetrieve;
    QAction* mnuPopupOptions;
    QAction* mnuPopupMailAccount;
    QMenu mnuPopupHelpMenu;
    QMenu mnuPopupDebuggingMenu;
    QAction* mnuPopupDebuggingSAOn;
    QAction* mnuPopupDebuggingSAOff;
    QAction* mnuPopupExit;

private:
    SystemTray* tray_ = nullptr;
    BoardPort* board_ = nullptr;
    const GameListPort* gameList_ = nullptr;

    bool GameListShown() const { return gameList_ && gameList_->GameListShown(); }
};

} // namespace SysTraySupport
