#pragma once
// The real services of the tray window: the foundation's checks and
// settings, the move-mail transport, the board, the game list, the tray
// menu, the notification, the splash screen and the end of the program.

#include "platform/password_keyring.h"
#include "shell/account_mail_service.h"
#include "shell/program_board.h"
#include "shell/program_game_list.h"
#include "shell/program_mail.h"
#include "shell/program_splash.h"
#include "shell/system_tray.h"
#include "shell/tray_menu.h"
#include "shell/tray_services.h"

#include <memory>

namespace SysTraySupport {

class ProgramStartup : public StartupPort {
public:
    // commandLine: the switches; nothing means this process's arguments.
    explicit ProgramStartup(std::optional<QString> commandLine = std::nullopt);
    void SetupGlobalVariables() override;
    bool CheckDisplaySettings() override;
    void UpgradeSettings() override;
    void LoadSettings() override;
    bool ApplySkin(QWidget& tray) override;
    void CheckColourDepth() override;
    bool TakeInstanceLock() override;
    void ReleaseInstanceLock() override;
    QString UnwritableDataFolder() override;
    void CheckRunBefore() override;
    void CheckDatabase() override;
    void ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                     const QString& okCaption, Support::SoundCue sound) override;

private:
    std::optional<QString> commandLine_;
    std::unique_ptr<InstanceLock> lock_;
};

// The sound of a new move and the notification window.
class ProgramNotification : public NotificationPort {
public:
    void PlaySound(const QString& path) override;
    int ShowNotification() override;
};

class ProgramShutdown : public ShutdownPort {
public:
    void BackupDatabase() override;
    void CloseHelp(QWidget& tray) override;
    void CloseDown(bool saveSettings) override;
    void EndProgram(int exitCode) override;
    void RefuseTrayClick(bool messageBox) override;
};

// The account the mail settings keep in the settings store, its password
// in the keyring (the desktop's unless another is given); none until the
// user has given one. Called on the mail thread: the keyring may take its
// time up to its deadline.
class SettingsAccountStore : public MailSupport::MailAccountStore {
public:
    explicit SettingsAccountStore(MailSupport::PasswordKeyring* keyring = nullptr);
    std::optional<MailSupport::MailAccount> Load() override;
    bool Save(const MailSupport::MailAccount& account) override;
    MailSupport::MailAccount NewAccount() override;

private:
    MailSupport::PasswordKeyring* keyring_;
};

// Everything together, alive for the whole run.
class ProgramServices {
public:
    // accounts: where the mail account is kept (the settings store when
    // null); commandLine as for ProgramStartup.
    explicit ProgramServices(MailSupport::MailAccountStore* accounts = nullptr,
                             std::optional<QString> commandLine = std::nullopt);
    TrayServices Services();
    // Connects the menu to the tray window, and the game list to the board,
    // the mail and the tray.
    void Attach(SystemTray& tray);
    // "Mail account...": the dialog over the kept account; what the user
    // confirms is kept and used at once (sign off, sign on, retrieve).
    void ChangeMailAccount();

    ProgramStartup Startup;
    std::unique_ptr<ProgramMail> Mail;
    ProgramGameList GameList;
    TrayMenu Menu;
    ProgramNotification Notification;
    ProgramBoard Board;
    ProgramSplash Splash;
    ProgramShutdown Shutdown;

private:
    SettingsAccountStore settingsAccounts_;
};

} // namespace SysTraySupport
