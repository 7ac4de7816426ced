#include "tests/shell/recording_services.h"

#include "foundation/program_state.h"

#include <algorithm>
#include <stdexcept>

namespace ShellTesting {

namespace {

std::string Flags(std::initializer_list<bool> flags)
{
    std::string text = "(";
    for (bool f : flags)
        text += (text.size() > 1 ? "," : "") + std::string(f ? "1" : "0");
    return text + ")";
}

} // namespace

SysTraySupport::TrayServices RecordingServices::Services()
{
    return {&Startup, &Mail, &GameList, &Menu, &Notification, &Board, &Splash, &Shutdown};
}

bool CallLog::Called(const std::string& name) const
{
    return std::find(Calls.begin(), Calls.end(), name) != Calls.end();
}

bool CallLog::Log(const std::string& name)
{
    Calls.push_back(name);
    if (OnCall)
        OnCall(name);
    return name == FailAt;
}

void CallLog::LogOrThrow(const std::string& name)
{
    if (Log(name))
        throw std::runtime_error("failed on purpose: " + name);
}

void StartupRecorder::SetupGlobalVariables()
{
    log_.LogOrThrow("SetupGlobalVariables");
    Support::ProgramState& state = Support::Globals();
    state.Mail.MailOffline = true;
    state.ModalBusy = false;
    state.StartupDone = false;
    state.Quitting = false;
    gameList_.ListShown = false;
    state.Mail.NewMovesArrived = false;
}

bool StartupRecorder::CheckDisplaySettings()
{
    log_.LogOrThrow("CheckDisplaySettings");
    return true;
}

void StartupRecorder::UpgradeSettings()
{
    log_.LogOrThrow("UpgradeSettings");
}

void StartupRecorder::LoadSettings()
{
    log_.LogOrThrow("LoadSettings");
    if (Settings)
        Settings();
}

bool StartupRecorder::ApplySkin(QWidget&)
{
    return !log_.Log("ApplySkin");
}
void StartupRecorder::CheckColourDepth()
{
    log_.LogOrThrow("CheckColourDepth");
}

bool StartupRecorder::TakeInstanceLock()
{
    log_.Log("TakeInstanceLock");
    return !SecondCopy;
}

void StartupRecorder::ReleaseInstanceLock()
{
    log_.Log("ReleaseInstanceLock");
}

void StartupRecorder::CheckRunBefore()
{
    log_.LogOrThrow("CheckRunBefore");
}

void StartupRecorder::ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                                  const QString& okCaption, Support::SoundCue sound)
{
    // Logged by number, as the box's icon and cue files are numbered.
    log_.Log("ShowMessage(" + std::to_string(static_cast<int>(icon)) + "," + caption.toStdString() + ","
             + text.toStdString() + "," + okCaption.toStdString() + ","
             + std::to_string(static_cast<int>(sound)) + ")");
}

void MailRecorder::ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll)
{
    log_.LogOrThrow("ConnectAndRetrieve" + Flags({importFile, showStatus, fetchAll}));
    if (Retrieval)
        Retrieval();
}

void MailRecorder::RetrieveMoveMails(bool showStatus, bool fetchAll)
{
    log_.Log("RetrieveMoveMails" + Flags({showStatus, fetchAll}));
    if (Retrieval)
        Retrieval();
}

void MailRecorder::ImportMoveFiles(bool showStatus, bool pickFile)
{
    log_.Log("ImportMoveFiles" + Flags({showStatus, pickFile}));
    if (Retrieval)
        Retrieval();
}

void MailRecorder::SignOff(bool showStatus)
{
    log_.Log("SignOff" + Flags({showStatus}));
}
bool MailRecorder::Reconnect()
{
    if (!ReconnectAnswer)
        return false;
    log_.Log("Reconnect");
    return ReconnectAnswer();
}

void MailRecorder::SetLogonStatus(bool status)
{
    log_.Log("SetLogonStatus" + Flags({status}));
}

void GameListRecorder::ShowGameList()
{
    log_.LogOrThrow("ShowGameList");
    ListShown = true;
}

void GameListRecorder::HideGameList()
{
    log_.Log("HideGameList");
}

void GameListRecorder::FillGameList(std::optional<int> selectGameId)
{
    log_.Log("FillGameList(" + (selectGameId ? std::to_string(*selectGameId) : std::string("none"))
             + ")");
}

void GameListRecorder::ShowTrayState(const QIcon&, const QString& caption)
{
    log_.Log("ShowTrayState(" + caption.toStdString() + ")");
    LastStateCaption = caption;
}

void GameListRecorder::ShowPlainHelpItem()
{
    log_.Log("ShowPlainHelpItem");
}
void GameListRecorder::HideHideInterfaceItems()
{
    log_.Log("HideHideInterfaceItems");
}
void TrayMenuRecorder::SetMenuOptions()
{
    log_.LogOrThrow("SetMenuOptions");
}
void TrayMenuRecorder::PopulateTrayGameMenu()
{
    log_.LogOrThrow("PopulateTrayGameMenu");
}

void TrayMenuRecorder::PopupMenu(const QPoint&)
{
    log_.Log("PopupMenu");
    if (DuringMenu)
        DuringMenu();
}

void NotificationRecorder::PlaySound(const QString& path)
{
    log_.Log("PlaySound(" + path.toStdString() + ")");
}

int NotificationRecorder::ShowNotification()
{
    log_.LogOrThrow("ShowNotification(" + Support::Globals().Mail.PendingMoveList + ")");
    if (NotifyAnswers.empty())
        return SysTraySupport::NotifyLater;
    const int answer = NotifyAnswers.front();
    NotifyAnswers.pop_front();
    return answer;
}

bool BoardRecorder::LoadChessSet()
{
    log_.Log("LoadChessSet");
    return ChessSetLoads;
}

BoardRecorder::~BoardRecorder()
{
    // The test is over: its board's pause is no longer anyone's.
    if (BoardPause)
        BoardPause->Abandon();
}

void BoardRecorder::OpenBoard(const Support::GameToOpen& game, bool returnToGameList)
{
    log_.LogOrThrow("OpenBoard(" + std::to_string(game.GameId()) + (returnToGameList ? "" : ",no return")
                    + ")");
    BoardPause.emplace();
}

bool SplashRecorder::ShowSplash()
{
    log_.Log("ShowSplash");
    return SplashShows;
}

void ShutdownRecorder::BackupDatabase()
{
    log_.Log("BackupDatabase");
}
void ShutdownRecorder::CloseHelp(QWidget&)
{
    log_.Log("CloseHelp");
}
void ShutdownRecorder::CloseDown(bool saveSettings)
{
    log_.Log("CloseDown" + Flags({saveSettings}));
}
void ShutdownRecorder::EndProgram(int exitCode)
{
    log_.Log("EndProgram(" + std::to_string(exitCode) + ")");
}
void ShutdownRecorder::RefuseTrayClick(bool messageBox)
{
    log_.Log("RefuseTrayClick" + Flags({messageBox}));
}

} // namespace ShellTesting
