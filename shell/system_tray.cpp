#include "shell/system_tray.h"

#include "foundation/picture_stores.h"
#include "foundation/polling_pause.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "foundation/shutdown.h"
#include "foundation/window_names.h"
#include "shell/tray_state.h"

#include <QDir>
#include <QFile>
#include <QPointer>

#include <exception>

namespace SysTraySupport {

namespace {

const QString InitialisationError = QStringLiteral("Initialisation error");
const QString SecondCopyText = QStringLiteral(
    "You already have Marrowdale running.||You cannot have more than one copy of Marrowdale running at any one time.");
const QString UnwritableFolderText = QStringLiteral(
    "Marrowdale cannot write to its data folder %1.||Make that folder writable for your user "
    "(and see that its disk has room), then start Marrowdale again.");
const QString UnknownErrorText = QStringLiteral(
    "An unknown error caused Marrowdale to fail to load.||If this persists, try reinstalling.");
constexpr Support::SoundCue RefusedCue = Support::SoundCue::Refused;
const QString TrayWindowName = QLatin1String(WindowNames::SystemTray);

} // namespace

SystemTray::SystemTray(TrayServices services) : services_(services)
{
    setObjectName(TrayWindowName);
    setWindowTitle(QStringLiteral("Marrowdale"));
    Support::LoadTrayIconSets(Support::Pictures());
    CheckTimer.setObjectName(QStringLiteral("CheckTimer"));
    CheckTimer.setInterval(20000);
    connect(&CheckTimer, &QTimer::timeout, this, &SystemTray::CheckTimer_Timer);
    connect(&TrayIcon, &TrayIcon::DoubleClicked, this, &SystemTray::TrayIcon_DoubleClick);
    connect(&TrayIcon, &TrayIcon::RightButtonReleased, this, &SystemTray::TrayIcon_RightRelease);
}

SystemTray::~SystemTray()
{
    if (!unloaded_ && Running() == this)
        Support::ForgetWindow(TrayWindowName);
    ReleaseGlobals();
}

SystemTray* SystemTray::Running()
{
    return qobject_cast<SystemTray*>(Support::Globals().TrayForm);
}

void SystemTray::SwitchCheckTimer(bool enabled)
{
    const int interval = Support::ProgramSettings().CheckInterval;
    if (!enabled || interval <= 0) {
        CheckTimer.stop();
        return;
    }
    CheckTimer.start(interval);
}

bool SystemTray::Form_Load()
{
    bool loaded = false;
    try {
        loaded = RunLoad();
    } catch (...) {
        services_.Startup->ShowMessage(Support::MsgIcon::Warning, InitialisationError, UnknownErrorText,
                                       QStringLiteral("Ok"), RefusedCue);
        loaded = false;
    }
    if (!loaded)
        FailureEnd();
    return loaded;
}

bool SystemTray::RunLoad()
{
    Support::ProgramState& state = Support::Globals();
    Support::Settings& settings = Support::ProgramSettings();

    state.TrayForm = this;
    state.CheckTimerSwitched = [this](bool enabled) { SwitchCheckTimer(enabled); };
    // A fatal failure elsewhere (a skin that cannot be loaded) ends the run
    // without saving the settings.
    state.EndProgram = [this] {
        Support::Globals().Quitting = true;
        TrayIcon.Delete();
        if (mailTried_)
            services_.Mail->SignOff(false);
        // Closing down unloads this window, which releases this very
        // handler: nothing of it may be read afterwards.
        ShutdownPort* shutdown = services_.Shutdown;
        StartupPort* startup = services_.Startup;
        shutdown->CloseDown(false);
        startup->ReleaseInstanceLock();
        shutdown->EndProgram(1);
    };
    Support::RegisterWindow(TrayWindowName, {[this] { Form_Unload(); }, {}});

    services_.Startup->SetupGlobalVariables();
    services_.Startup->CheckDisplaySettings();
    services_.Startup->UpgradeSettings();
    services_.Startup->LoadSettings();
    // A desktop without a notification area gets the game list as the main
    // window for this run; the setting itself stays as it was.
    if (settings.SystrayStartup && !TrayIcon::DesktopHasTray())
        settings.SystrayStartup = false;
    SwitchCheckTimer(Support::CheckTimerEnabled());

    if (!services_.Startup->ApplySkin(*this))
        return false;
    services_.Startup->CheckColourDepth();
    if (settings.SimpleUI)
        services_.GameList->ShowPlainHelpItem();

    if (!services_.Startup->TakeInstanceLock()) {
        const QString unwritable = services_.Startup->UnwritableDataFolder();
        services_.Startup->ShowMessage(Support::MsgIcon::Warning, InitialisationError,
                                       unwritable.isEmpty() ? SecondCopyText
                                                            : UnwritableFolderText.arg(unwritable),
                                       QStringLiteral("Ok"), RefusedCue);
        return false;
    }
    // A sign-on mark left set is the last run's sign-on that never came
    // back: the first sign-on says so and leaves this run off-line.
    services_.Startup->CheckRunBefore();
    services_.Startup->CheckDatabase();

    // A fatal failure in a window shown so far (an unusable skin) has
    // already ended the run.
    if (state.Quitting)
        return false;
    Support::PausePolling();

    const bool splashShown = settings.DisplaySplash && services_.Splash->ShowSplash();

    // The start never waits for the mail: the menus begin off-line, and the
    // first sign-on and retrieval follow the start-up tail (RunFirstRetrieval).
    services_.Menu->SetMenuOptions();
    services_.Menu->PopulateTrayGameMenu();

    if (!splashShown)
        RunStartupTail();
    if (!settings.SystrayStartup)
        services_.GameList->HideHideInterfaceItems();
    state.StartupDone = true;
    return true;
}

void SystemTray::RunStartupTail()
{
    if (!Support::ProgramSettings().SystrayStartup)
        ShowGameList();
    UpdateTrayState(TrayAdd);
    // The list or the icon is up: the mail goes on behind it, once this
    // step (inside the start-up or the splash's closing) has returned.
    if (!firstPassQueued_) {
        firstPassQueued_ = true;
        QTimer::singleShot(0, this, &SystemTray::RunFirstRetrieval);
    }
}

void SystemTray::RunFirstRetrieval()
{
    if (firstPassStarted_)
        return;
    firstPassStarted_ = true;
    Support::ProgramState& state = Support::Globals();
    // Ended before the pass could begin.
    if (unloaded_ || state.Quitting) {
        firstPassOver_ = true;
        return;
    }
    // ModalBusy (set since before the splash) and the stopped timer keep
    // the polling and the tray's clicks out for the whole pass, as for a
    // poll; the windows go on meanwhile.
    Support::BeginMailPass();
    mailTried_ = true;
    try {
        services_.Mail->ConnectAndRetrieve(false, true, true);
    } catch (const std::exception&) {
        // The program is running by now: a pass that failed leaves it
        // off-line, and the tray's Retrieve tries again.
        state.Mail.MailOffline = true;
    }
    firstPassOver_ = true;
    // Ended meanwhile: by a fatal failure, or by the user.
    if (state.Quitting || unloaded_)
        return;
    services_.Menu->SetMenuOptions();
    services_.Menu->PopulateTrayGameMenu();
    if (services_.GameList->GameListShown())
        services_.GameList->FillGameList(services_.GameList->SelectedGameId());
    UpdateTrayState(TrayModify);
    // A board opened from the list meanwhile keeps the program busy and
    // the timer off until it closes.
    Support::EndStartupPause(services_.Board->BoardOpen());
    NotifyNewMoves();
}

void SystemTray::FailureEnd()
{
    Support::Globals().Quitting = true;
    // A failed start leaves no mail session and no icon behind.
    if (mailTried_)
        services_.Mail->SignOff(false);
    TrayIcon.Delete();
    Support::StopPolling();
    Support::ForgetWindow(TrayWindowName);
    Form_Unload();
}

void SystemTray::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Support::ForgetWindow(TrayWindowName);
    services_.Shutdown->CloseHelp(*this);
    // The sign-off's status window lets timer events through; no
    // retrieval may start while the program ends.
    CheckTimer.stop();
    if (!Support::Globals().Quitting) {
        SetTrayIcon(TrayDelete, NothingNew, QString());
        services_.Mail->SignOff(true);
        services_.Shutdown->CloseDown(Support::Globals().StartupDone);
        services_.Startup->ReleaseInstanceLock();
    }
    ReleaseGlobals();
}

void SystemTray::mnuPopupExit_Click()
{
    services_.Shutdown->BackupDatabase();
    Form_Unload();
    services_.Shutdown->EndProgram(0);
}

void SystemTray::RequestExit(bool closeOpenWindows)
{
    QPointer<SystemTray> self(this);
    const bool queued = Support::QueueExit(
        [self] {
            if (self && !self->unloaded_)
                self->mnuPopupExit_Click();
        },
        closeOpenWindows);
    // Asked again to end while an exit waits for a window: close it now.
    if (!queued && closeOpenWindows)
        Support::CloseOpenLoops();
}

void SystemTray::ReleaseGlobals()
{
    Support::ProgramState& state = Support::Globals();
    if (state.TrayForm == this) {
        state.TrayForm = nullptr;
        state.CheckTimerSwitched = nullptr;
        state.EndProgram = nullptr;
    }
}

InstanceLock::InstanceLock(const QString& dataPath) : lock_(QDir(dataPath).filePath(LockFileName()))
{
    // A lock is stale only when the process that took it is gone.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::TryLock()
{
    if (!lock_.tryLock(0))
        return false;
    // Like every other file of the data folder, the lock is its owner's
    // alone (it names this process and this computer).
    QFile::setPermissions(lock_.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

void InstanceLock::Unlock()
{
    lock_.unlock();
}

} // namespace SysTraySupport
