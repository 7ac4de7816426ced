#pragma once
// The tray icon's popup menu as far as it is built yet: open the game list,
// retrieve games (or log on again when off-line), exit. The games submenu
// and the remaining commands come with the full tray menu.

#include "shell/tray_services.h"

#include <QMenu>

namespace SysTraySupport {

class SystemTray;

class InterimTrayMenu : public TrayMenuPort {
public:
    InterimTrayMenu();
    // The tray window whose commands the items run.
    void AttachTray(SystemTray* tray) { tray_ = tray; }
    // The game list whose state the "&Open" item follows.
    void AttachGameList(const GameListPort* list) { list_ = list; }

    void SetMenuOptions() override;
    void PopulateTrayGameMenu() override {}
    void PopupMenu(const QPoint& at) override;
    bool OpenItemEnabled() override;

    QMenu mnuPopup;
    QAction* mnuPopupOpen;
    QAction* mnuPopupRetrieve;
    QAction* mnuPopupOptions;
    QAction* mnuPopupExit;

private:
    SystemTray* tray_ = nullptr;
    const GameListPort* list_ = nullptr;
};

} // namespace SysTraySupport
