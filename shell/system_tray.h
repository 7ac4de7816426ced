#pragma once
// The program's start-up window. It is never shown and lives for the whole
// run: it starts the program (checks, settings, one copy per data folder,
// tray icon or game list, then the first mail retrieval), polls the mail on its
// timer, keeps the tray icon and the picture stores every other window
// uses, and ends the program (tray icon removed, mail signed off, settings
// saved, every window unloaded).
//
// Everything it asks of other parts of the program goes through the
// services it is given (tray_services.h).

#include "platform/tray_icon.h"
#include "shell/tray_services.h"

#include <QLockFile>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace SysTraySupport {

class SystemTray : public QWidget {
    Q_OBJECT
public:
    explicit SystemTray(TrayServices services);
    ~SystemTray() override;

    // The start-up sequence. False when it failed: the program ends without
    // having saved settings or left a tray icon.
    bool Form_Load();
    // The shut-down sequence; skipped (but for help) after a failed start.
    void Form_Unload();

    // The last steps of the start-up, run by the start-up itself or, when
    // the splash screen is up, by the splash screen as it closes: game list
    // (without tray start-up) and tray icon; then the first mail pass is
    // queued.
    void RunStartupTail();
    // The first sign-on and retrieval, queued by the start-up tail so that
    // the start never waits for the mail: with the status window (and its
    // Cancel), busy for its whole pass; at its end the menus, the list and
    // the tray follow what it brought, the mail timer starts and the
    // notification runs. Runs once; a test may call it to run it now.
    void RunFirstRetrieval();
    // The first mail pass has ended (or the program ended before it).
    bool FirstRetrievalOver() const { return firstPassOver_; }

    // The tray menu's "E&xit": a silent backup, then the shut-down.
    void mnuPopupExit_Click();
    // What the menu item (and the desktop's request to end) asks for: the
    // exit queued to run once the menu and the tray icon's own mouse
    // handling have returned, since it deletes the icon. With
    // closeOpenWindows an open menu or modal window is closed so the exit
    // need not wait for the user.
    void RequestExit(bool closeOpenWindows = false);
    // "&Retrieve games" / "Logon / Retrieve games".
    void mnuPopupRetrieve_Click();
    // One tick of the mail timer.
    void CheckTimer_Timer();
    // The tray icon's double-click and right-button release.
    void TrayIcon_DoubleClick();
    void TrayIcon_RightRelease(const QPoint& at);

    // The tray state from the mail state and the database (action 0 adds
    // the icon, 1 modifies it).
    void UpdateTrayState(int action);
    // Adds, modifies or deletes the icon; without tray start-up the game
    // list shows the state instead.
    void SetTrayIcon(int action, int state, const QString& tip);
    // The sound and/or notification for newly arrived moves.
    void NotifyNewMoves();
    void ShowGameList();

    // The mail timer's interval follows the CheckInterval setting; 0 keeps
    // the timer stopped even when it is switched on.
    void SwitchCheckTimer(bool enabled);

    QTimer CheckTimer;
    SysTraySupport::TrayIcon TrayIcon;
    bool MenuShowing = false;

    const TrayServices& Services() const { return services_; }

    // The running program's tray window, or nullptr.
    static SystemTray* Running();

private:
    bool RunLoad();
    void FailureEnd();
    void ReleaseGlobals();

    TrayServices services_;
    bool mailTried_ = false;
    bool unloaded_ = false;
    bool firstPassQueued_ = false;
    bool firstPassStarted_ = false;
    bool firstPassOver_ = false;
};

// The instance lock of a data folder: held by the one running copy.
class InstanceLock {
public:
    explicit InstanceLock(const QString& dataPath);
    // False when another running copy holds it.
    bool TryLock();
    void Unlock();
    static QString LockFileName() { return QStringLiteral("marrowdale.lock"); }

private:
    QLockFile lock_;
};

// The running tray window's tray state and games menu, for the windows that
// change what they show (the board as it closes, the options window).
// Nothing happens while no tray window runs.
void UpdateTrayState(int action);
void SetTrayIcon(int action, int state, const QString& tip);
void PopulateTrayGameMenu();

} // namespace SysTraySupport

namespace Support {

// The running tray window's services, for the windows that call them.
void ShowGameList();
void NotifyNewMoves();

} // namespace Support
