#include "shell/program_services.h"

#include "dialogs/print_start.h"
#include "foundation/cursor_guard.h"
#include "foundation/global_setup.h"
#include "foundation/help.h"
#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/options_about_entry.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/skin.h"
#include "foundation/sound_cues.h"
#include "foundation/startup_checks.h"
#include "foundation/window_names.h"
#include "platform/mail_account_settings.h"
#include "platform/mail_address_book.h"
#include "shell/mail_account_dialog.h"
#include "shell/new_game_form.h"
#include "shell/notify_form.h"
#include "shell/program_mail.h"
#include "shell/status_window.h"
#include "shell/tray_state.h"
#include "store/backup.h"
#include "store/database.h"
#include "store/database_aside.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace SysTraySupport {

ProgramStartup::ProgramStartup(std::optional<QString> commandLine) : commandLine_(std::move(commandLine))
{
}

void ProgramStartup::SetupGlobalVariables()
{
    if (commandLine_)
        Support::SetupGlobalVariables(*commandLine_);
    else
        Support::SetupGlobalVariables();
}

bool ProgramStartup::CheckDisplaySettings()
{
    return Support::CheckDisplaySettings();
}

void ProgramStartup::UpgradeSettings()
{
    Support::UpgradeProgress progress;
    progress.Show = [](const QString& text) { Support::ShowStatus(true, text); };
    progress.Hide = [] { Support::ShowStatus(false); };
    Support::UpgradeSettings(Support::ProgramSettings(), Support::Globals().SimpleUIForced, progress);
}

void ProgramStartup::LoadSettings()
{
    Support::LoadSettings();
}

bool ProgramStartup::ApplySkin(QWidget& tray)
{
    return Support::ApplySkin(tray);
}

void ProgramStartup::CheckColourDepth()
{
    Support::CheckColourDepth();
}

bool ProgramStartup::TakeInstanceLock()
{
    lock_ = std::make_unique<InstanceLock>(Support::Globals().DataPath);
    return lock_->TryLock();
}

void ProgramStartup::ReleaseInstanceLock()
{
    if (lock_)
        lock_->Unlock();
}

QString ProgramStartup::UnwritableDataFolder()
{
    const QString folder = Support::Globals().DataPath;
    const QByteArray path = QFile::encodeName(folder);
    if (QFileInfo(folder).isDir() && ::access(path.constData(), W_OK | X_OK) == 0)
        return {};
    return QDir::toNativeSeparators(folder);
}

void ProgramStartup::CheckRunBefore()
{
    Support::CheckRunBefore();
}

void ProgramStartup::CheckDatabase()
{
    ProgramMessageSink sink;
    Database::CheckDatabaseAtStart(
        Support::ProgramDataFolder(&sink),
        QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
}

void ProgramStartup::ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                                 const QString& okCaption, Support::SoundCue sound)
{
    Support::ShowMessage(icon, caption, text, okCaption, QString(), false, sound);
}

void ProgramNotification::PlaySound(const QString& path)
{
    Support::PlaySound(path);
}

int ProgramNotification::ShowNotification()
{
    return Support::ShowNotification();
}

void ProgramShutdown::BackupDatabase()
{
    Database::BackupDatabase(Support::ProgramDataFolder(), false);
}

void ProgramShutdown::CloseHelp(QWidget& tray)
{
    Support::CloseHelp(&tray);
}

void ProgramShutdown::CloseDown(bool saveSettings)
{
    Support::CloseDown(saveSettings);
}

void ProgramShutdown::EndProgram(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

void ProgramShutdown::RefuseTrayClick(bool messageBox)
{
    QWidget* window = QApplication::activeWindow();
    if (messageBox)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(WindowNames::MsgForm) && w->isVisible())
                window = w;
    Support::BringToTop(window);
    QApplication::beep();
}

ProgramServices::ProgramServices(MailSupport::MailAccountStore* accounts,
                                 std::optional<QString> commandLine)
    : Startup(std::move(commandLine)), Board(GameList, Menu)
{
    MailSupport::MailAccountStore& store = accounts ? *accounts : settingsAccounts_;
    // One wait for every connection the account opens: the status window
    // shows it and cancels through it.
    auto wait = std::make_shared<MailSupport::MailWait>();
    Mail = std::make_unique<ProgramMail>(
        std::make_unique<MailSupport::AccountMailService>(
            store, MailSupport::AccountMailService::AskAccount{},
            [wait](const MailSupport::MailAccount& account) {
                return MailSupport::CreateMailService(account, wait);
            }),
        [this] { Menu.PopulateTrayGameMenu(); }, wait);
    Board.AttachMail(Mail.get());
    Menu.AttachGameList(&GameList);
}

TrayServices ProgramServices::Services()
{
    return TrayServices{&Startup,      Mail.get(), &GameList, &Menu,
                        &Notification, &Board,     &Splash,   &Shutdown};
}

void ProgramServices::Attach(SystemTray& tray)
{
    Menu.AttachTray(&tray);
    Menu.AttachBoard(&Board);
    Menu.AttachGameList(&GameList);
    Menu.StartNewGame = [this](const Support::NewGameKind& kind) {
        MailSupport::GameAddressBook book(Support::ProgramDataFolder());
        Support::StartNewGame(nullptr, kind, Board, &book);
    };
    Menu.ChangeMailAccount = [this] { ChangeMailAccount(); };
    Splash.StartupTail = [&tray] { tray.RunStartupTail(); };
    Support::GameListServices list;
    list.Board = &Board;
    list.Mail = Mail.get();
    list.UpdateTrayState = [] { SysTraySupport::UpdateTrayState(TrayModify); };
    list.PopulateTrayGameMenu = [] { SysTraySupport::PopulateTrayGameMenu(); };
    list.EndProgram = [] { Support::RequestExitProgram(); };
    list.ChangeMailAccount = [this] { ChangeMailAccount(); };
    list.StartNewGame = [this](QWidget& owner, const Support::NewGameKind& kind) {
        MailSupport::GameAddressBook book(Support::ProgramDataFolder());
        Support::StartNewGame(&owner, kind, Board, &book);
    };
    list.PrintGameDiagrams = [](int gameId, QWidget& owner) {
        PrintSupport::PrintGameDiagrams(gameId, &owner);
    };
    list.PrintGameNotation = [](int gameId, QWidget& owner) {
        PrintSupport::PrintGameNotation(gameId, &owner);
    };
    GameList.SetServices(std::move(list));
}

void ProgramServices::ChangeMailAccount()
{
    {
        // No poll while the dialog is open or the new account signs on.
        Support::PollingPause polling;
        const std::optional<MailSupport::MailAccount> account =
            MailSupport::AskForMailAccount(Mail->CurrentAccount());
        if (!account)
            return;
        bool kept = false;
        {
            Support::CursorGuard hourglass;
            kept = Mail->ApplyAccount(*account);
        }
        if (!kept) {
            Support::ShowMessage(Support::MsgIcon::Transmission, QStringLiteral("Mail account"),
                                 QStringLiteral("Marrowdale could not keep the mail account in its "
                                                "settings.||Nothing has changed."),
                                 QStringLiteral("OK"), QString(), false);
            return;
        }
        Menu.SetMenuOptions();
        SysTraySupport::UpdateTrayState(TrayModify);
        if (GameList.GameListShown())
            GameList.FillGameList(GameList.SelectedGameId());
    }
    Support::NotifyNewMoves();
}

} // namespace SysTraySupport
