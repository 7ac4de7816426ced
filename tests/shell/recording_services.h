#pragma once
// Every service of the tray window as one recorder: each call is written to
// one log, in order, so a test can read the start-up and shut-down
// sequences; a named call can be made to fail.

#include "foundation/polling_pause.h"
#include "shell/tray_services.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ShellTesting {

class RecordingServices : public SysTraySupport::StartupPort,
                          public SysTraySupport::MailPort,
                          public SysTraySupport::GameListPort,
                          public SysTraySupport::TrayMenuPort,
                          public SysTraySupport::NotificationPort,
                          public SysTraySupport::BoardPort,
                          public SysTraySupport::SplashPort,
                          public SysTraySupport::ShutdownPort {
public:
    ~RecordingServices() override;
    SysTraySupport::TrayServices Services();

    std::vector<std::string> Calls;
    // The call (by its logged name) that fails: False for those with an
    // answer, a thrown error for the others.
    std::string FailAt;
    bool SecondCopy = false;
    // What UnwritableDataFolder answers: empty for a writable folder.
    QString UnwritableFolder;
    bool SplashShows = false;
    bool ChessSetLoads = true;
    // A board window is open.
    bool BoardIsOpen = false;
    // The pause an opened board holds, as the program's board does.
    std::optional<Support::PollingHold> BoardPause;
    // The game list is loaded: set by ShowGameList and the test.
    bool ListShown = false;
    bool ListMinimised = false;
    bool OpenItemEnabledAnswer = true;
    // What the board told of its computer's search, in order.
    std::vector<bool> ComputerThinkingFollowed;
    std::deque<int> NotifyAnswers;
    // What a retrieval finds (run by ConnectAndRetrieve, RetrieveMoveMails
    // and ImportMoveFiles).
    std::function<void()> Retrieval;
    // A quiet try to get back on-line: whether it was tried (it may change
    // the mail state); unset, nothing is tried.
    std::function<bool()> ReconnectAnswer;
    // What the settings load sets.
    std::function<void()> Settings;
    // Looked at while the tray menu is up.
    std::function<void()> DuringMenu;
    QString LastStateCaption;
    // Runs as each call is logged, with its logged name.
    std::function<void(const std::string& name)> OnCall;

    bool Called(const std::string& name) const;

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

    void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) override;
    void RetrieveMoveMails(bool showStatus, bool fetchAll) override;
    void ImportMoveFiles(bool showStatus, bool pickFile) override;
    void SignOff(bool showStatus) override;
    void SetLogonStatus(bool status) override;
    // Logged as "Reconnect" only while ReconnectAnswer is set.
    bool Reconnect() override;

    void ShowGameList() override;
    bool GameListShown() const override { return ListShown; }
    bool GameListMinimised() const override { return ListMinimised; }
    void HideGameList() override;
    void FillGameList(std::optional<int> selectGameId) override;
    std::optional<int> SelectedGameId() override;
    void ShowTrayState(const QIcon& icon, const QString& caption) override;
    void ShowPlainHelpItem() override;
    void HideHideInterfaceItems() override;

    void SetMenuOptions() override;
    void PopulateTrayGameMenu() override;
    void PopupMenu(const QPoint& at) override;
    bool OpenItemEnabled() override;
    void FollowComputerThinking(bool thinking) override;

    void PlaySound(const QString& path) override;
    int ShowNotification() override;

    bool LoadChessSet() override;
    void OpenBoard(const Support::GameToOpen& game, bool returnToGameList) override;
    bool BoardOpen() const override { return BoardIsOpen; }

    bool ShowSplash() override;

    void BackupDatabase() override;
    void CloseHelp(QWidget& tray) override;
    void CloseDown(bool saveSettings) override;
    void EndProgram(int exitCode) override;
    void RefuseTrayClick(bool messageBox) override;

private:
    // Logs the call; true when it is the one that fails.
    bool Log(const std::string& name);
    void LogOrThrow(const std::string& name);
};

} // namespace ShellTesting
