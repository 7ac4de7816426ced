#pragma once
// What the tray window asks of the rest of the program, one interface per
// neighbour: the start-up checks and settings, the mail, the game list, the
// tray menu, the new-move notification and the board, the splash screen,
// and the end of the program. The program puts its real services in place
// (program_services.h); a test puts recorders there and reads the order of
// the calls.

#include "shell/game_to_open.h"
#include "store/message_sink.h"

#include <QIcon>
#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

namespace SysTraySupport {

// The new-move notification's answer.
enum NotifyChoice : int { NotifyPlay = 1, NotifyGameList = 2, NotifyLater = 3, NotifyNext = 4 };

class StartupPort {
public:
    virtual ~StartupPort() = default;
    virtual void SetupGlobalVariables() = 0;
    virtual bool CheckDisplaySettings() = 0;
    virtual void UpgradeSettings() = 0;
    virtual void LoadSettings() = 0;
    virtual bool ApplySkin(QWidget& tray) = 0;
    virtual void CheckColourDepth() = 0;
    // False when another copy of the program holds the data folder, or
    // the folder cannot be written (UnwritableDataFolder tells which).
    virtual bool TakeInstanceLock() = 0;
    // Gives the data folder free again at the end of the run, before
    // anything that could still hold the process up.
    virtual void ReleaseInstanceLock() = 0;
    // The data folder exists and this user may create files in it; empty
    // when it does, else the folder's path.
    virtual QString UnwritableDataFolder() { return {}; }
    virtual void CheckRunBefore() = 0;
    // Sets damaged lines of the game database aside, once the data folder
    // is this copy's and before anything backs the database up.
    virtual void CheckDatabase() { }
    // The program's message box with an OK button only.
    virtual void ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                             const QString& okCaption, Support::SoundCue sound) = 0;
};

class MailPort {
public:
    virtual ~MailPort() = default;
    virtual void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) = 0;
    virtual void RetrieveMoveMails(bool showStatus, bool fetchAll) = 0;
    virtual void ImportMoveFiles(bool showStatus, bool pickFile) = 0;
    virtual void SignOff(bool showStatus) = 0;
    virtual void SetLogonStatus(bool status) = 0;
    // A mail operation is under way (the windows go on meanwhile).
    virtual bool Busy() const { return false; }
    // Off-line after a failure: tries quietly to get back on-line (and
    // retrieves then); false when nothing was tried.
    virtual bool Reconnect() { return false; }
};

class GameListPort {
public:
    virtual ~GameListPort() = default;
    // Opens the game list (modeless) or brings it up.
    virtual void ShowGameList() = 0;
    // Whether the game list window is loaded.
    virtual bool GameListShown() const = 0;
    // Loaded but minimised: Open, the icon's double-click and a new move
    // bring it back.
    virtual bool GameListMinimised() const { return false; }
    // Hides the open list while a board opened for it is up (the board's
    // closing shows it again).
    virtual void HideGameList() { }
    // Refills the open list, keeping the given game selected.
    virtual void FillGameList(std::optional<int> selectGameId) = 0;
    // The game of the list's selected row, when a game row is selected.
    virtual std::optional<int> SelectedGameId() = 0;
    // Without a tray icon the list shows the tray state as its own icon
    // and caption.
    virtual void ShowTrayState(const QIcon& icon, const QString& caption) = 0;
    // The Help menu's "Help" item, shown in the plain-window mode.
    virtual void ShowPlainHelpItem() = 0;
    // The File menu's separator and "Hide interface", hidden when there is
    // no tray icon to hide to.
    virtual void HideHideInterfaceItems() = 0;
};

class TrayMenuPort {
public:
    virtual ~TrayMenuPort() = default;
    // The items for on-line or off-line work.
    virtual void SetMenuOptions() = 0;
    // The games submenu, from the stored games.
    virtual void PopulateTrayGameMenu() = 0;
    // Shows the tray popup at the point and returns when it has closed.
    virtual void PopupMenu(const QPoint& at) = 0;
    // Whether the "&Open" item is enabled (not while the game list is open).
    virtual bool OpenItemEnabled() = 0;
    // "O&ptions..." is off while the board's computer thinks.
    virtual void FollowComputerThinking(bool thinking) = 0;
};

class NotificationPort {
public:
    virtual ~NotificationPort() = default;
    // The sound of a new move (a WAV file path).
    virtual void PlaySound(const QString& path) = 0;
    // Shows the notification for the first pending game; a NotifyChoice.
    virtual int ShowNotification() = 0;
};

class BoardPort {
public:
    virtual ~BoardPort() = default;
    // The chosen chess set into the picture stores; False: no board.
    virtual bool LoadChessSet() = 0;
    // Opens the board on the stored game or the new game, modeless, and
    // brings it to the top; with returnToGameList the game list opens when
    // it closes.
    virtual void OpenBoard(const Support::GameToOpen& game, bool returnToGameList) = 0;
    // A board window is open and not on its way out: no notification may
    // open over it, and nothing may replace it (it may hold an unsent move).
    virtual bool BoardOpen() const { return false; }
};

class SplashPort {
public:
    virtual ~SplashPort() = default;
    // Shows the splash screen; True when it is up and will run the
    // start-up tail itself when it closes.
    virtual bool ShowSplash() = 0;
};

class ShutdownPort {
public:
    virtual ~ShutdownPort() = default;
    virtual void BackupDatabase() = 0;
    virtual void CloseHelp(QWidget& tray) = 0;
    virtual void CloseDown(bool saveSettings) = 0;
    // Leaves the event loop; the program ends.
    virtual void EndProgram(int exitCode) = 0;
    // Brings a window to the top and sounds the platform's beep: the
    // answer to tray clicks while a modal window is open.
    virtual void RefuseTrayClick(bool messageBox) = 0;
};

struct TrayServices {
    StartupPort* Startup = nullptr;
    MailPort* Mail = nullptr;
    GameListPort* GameList = nullptr;
    TrayMenuPort* Menu = nullptr;
    NotificationPort* Notification = nullptr;
    BoardPort* Board = nullptr;
    SplashPort* Splash = nullptr;
    ShutdownPort* Shutdown = nullptr;
};

} // namespace SysTraySupport
