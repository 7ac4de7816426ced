#pragma once
// The tray window's services as one recorder per port, all writing to one
// call log, in order, so a test can read the start-up and shut-down
// sequences; a named call can be made to fail.

#include "foundation/polling_pause.h"
#include "shell/tray_services.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ShellTesting {

// The one log every recorder writes to.
class CallLog {
public:
    std::vector<std::string> Calls;
    // The call (by its logged name) that fails: False for those with an
    // answer, a thrown error for the others.
    std::string FailAt;
    // Runs as each call is logged, with its logged name.
    std::function<void(const std::string& name)> OnCall;

    bool Called(const std::string& name) const;
    // Logs the call; true when it is the one that fails.
    bool Log(const std::string& name);
    void LogOrThrow(const std::string& name);
};

class GameListRecorder : public SysTraySupport::GameListPort {
public:
    explicit GameListRecorder(CallLog& log) : log_(log) { }

    // The game list is loaded: set by ShowGameList and the test.
    bool ListShown = false;
    bool ListMinimised = false;
    QString LastStateCaption;

    void ShowGameList() override;
    bool GameListShown() const override { return ListShown; }
    bool GameListMinimised() const override { return ListMinimised; }
    void HideGameList() override;
    void FillGameList(std::optional<int> selectGameId) override;
    std::optional<int> SelectedGameId() override { return 4; }
    void ShowTrayState(const QIcon& icon, const QString& caption) override;
    void ShowPlainHelpItem() override;
    void HideHideInterfaceItems() override;

private:
    CallLog& log_;
};

class StartupRecorder : public SysTraySupport::StartupPort {
public:
    StartupRecorder(CallLog& log, GameListRecorder& gameList) : log_(log), gameList_(gameList) { }

    bool SecondCopy = false;
    // What UnwritableDataFolder answers: empty for a writable folder.
    QString UnwritableFolder;
    // What the settings load sets.
    std::function<void()> Settings;

    void SetupGlobalVariables() override;
    bool CheckDisplaySettings() override;
    void UpgradeSettings() override;
    void LoadSettings() override;
    bool ApplySkin(QWidget& tray) override;
    void CheckColourDepth() override;
    bool TakeInstanceLock() override;
    QString UnwritableDataFolder() override { return UnwritableFolder; }
    void ReleaseInstanceLock() override;
    void CheckRunBefore() override;
    void ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                     const QString& okCaption, Support::SoundCue sound) override;

protected:
    CallLog& log_;

private:
    GameListRecorder& gameList_;
};

class MailRecorder : public SysTraySupport::MailPort {
public:
    explicit MailRecorder(CallLog& log) : log_(log) { }

    // What a retrieval finds (run by ConnectAndRetrieve, RetrieveMoveMails
    // and ImportMoveFiles).
    std::function<void()> Retrieval;
    // A quiet try to get back on-line: whether it was tried (it may change
    // the mail state); unset, nothing is tried.
    std::function<bool()> ReconnectAnswer;

    void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) override;
    void RetrieveMoveMails(bool showStatus, bool fetchAll) override;
    void ImportMoveFiles(bool showStatus, bool pickFile) override;
    void SignOff(bool showStatus) override;
    void SetLogonStatus(bool status) override;
    // Logged as "Reconnect" only while ReconnectAnswer is set.
    bool Reconnect() override;

private:
    CallLog& log_;
};

class TrayMenuRecorder : public SysTraySupport::TrayMenuPort {
public:
    explicit TrayMenuRecorder(CallLog& log) : log_(log) { }

    bool OpenItemEnabledAnswer = true;
    // What the board told of its computer's search, in order.
    std::vector<bool> ComputerThinkingFollowed;
    // Looked at while the tray menu is up.
    std::function<void()> DuringMenu;

    void SetMenuOptions() override;
    void PopulateTrayGameMenu() override;
    void PopupMenu(const QPoint& at) override;
    bool OpenItemEnabled() override { return OpenItemEnabledAnswer; }
    void FollowComputerThinking(bool thinking) override { ComputerThinkingFollowed.push_back(thinking); }

private:
    CallLog& log_;
};

class NotificationRecorder : public SysTraySupport::NotificationPort {
public:
    explicit NotificationRecorder(CallLog& log) : log_(log) { }

    std::deque<int> NotifyAnswers;

    void PlaySound(const QString& path) override;
    int ShowNotification() override;

private:
    CallLog& log_;
};

class BoardRecorder : public SysTraySupport::BoardPort {
public:
    explicit BoardRecorder(CallLog& log) : log_(log) { }
    ~BoardRecorder() override;

    bool ChessSetLoads = true;
    // A board window is open.
    bool BoardIsOpen = false;
    // The pause an opened board holds, as the program's board does.
    std::optional<Support::PollingHold> BoardPause;

    bool LoadChessSet() override;
    void OpenBoard(const Support::GameToOpen& game, bool returnToGameList) override;
    bool BoardOpen() const override { return BoardIsOpen; }

private:
    CallLog& log_;
};

class SplashRecorder : public SysTraySupport::SplashPort {
public:
    explicit SplashRecorder(CallLog& log) : log_(log) { }

    bool SplashShows = false;

    bool ShowSplash() override;

private:
    CallLog& log_;
};

class ShutdownRecorder : public SysTraySupport::ShutdownPort {
public:
    explicit ShutdownRecorder(CallLog& log) : log_(log) { }

    void BackupDatabase() override;
    void CloseHelp(QWidget& tray) override;
    void CloseDown(bool saveSettings) override;
    void EndProgram(int exitCode) override;
    void RefuseTrayClick(bool messageBox) override;

private:
    CallLog& log_;
};

// Every port's recorder over the one log.
class RecordingServices : public CallLog {
public:
    SysTraySupport::TrayServices Services();

    GameListRecorder GameList{*this};
    StartupRecorder Startup{*this, GameList};
    MailRecorder Mail{*this};
    TrayMenuRecorder Menu{*this};
    NotificationRecorder Notification{*this};
    BoardRecorder Board{*this};
    SplashRecorder Splash{*this};
    ShutdownRecorder Shutdown{*this};
};

} // namespace ShellTesting
