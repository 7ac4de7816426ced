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
    return {this, this, this, this, this, this, this, this};
}

bool RecordingServices::Called(const std::string& name) const
{
    return std::find(Calls.begin(), Calls.end(), name) != Calls.end();
}

bool RecordingServices::Log(const std::string& name)
{
    Calls.push_back(name);
    if (OnCall)
        OnCall(name);
    return name == FailAt;
}

void RecordingServices::LogOrThrow(const std::string& name)
{
    if (Log(name))
        throw std::runtime_error("failed on purpose: " + name);
}

void RecordingServices::SetupGlobalVariables()
{
    LogOrThrow("SetupGlobalVariables");
    Support::ProgramState& state = Support::Globals();
    state.Mail.MailOffline = true;
    state.ModalBusy = false;
    state.StartupDone = false;
    state.Quitting = false;
    ListShown = false;
    state.Mail.NewMovesArrived = false;
}

bool RecordingServices::CheckDisplaySettings()
{
    LogOrThrow("CheckDisplaySettings");
    return true;
}

void RecordingServices::UpgradeSettings()
{
    LogOrThrow("UpgradeSettings");
}

void RecordingServices::LoadSettings()
{
    LogOrThrow("LoadSettings");
    if (Settings)
        Settings();
}

bool RecordingServices::ApplySkin(QWidget&)
{
    return !Log("ApplySkin");
}
void RecordingServices::CheckColourDepth()
{
    LogOrThrow("CheckColourDepth");
}

bool RecordingServices::TakeInstanceLock()
{
    Log("TakeInstanceLock");
    return !SecondCopy;
}

void RecordingServices::ReleaseInstanceLock()
{
    Log("ReleaseInstanceLock");
}

void RecordingServices::CheckRunBefore()
{
    LogOrThrow("CheckRunBefore");
}

void RecordingServices::ShowMessage(Support::MsgIcon icon, const QString& caption, const QString& text,
                                    const QString& okCaption, Support::SoundCue sound)
{
    // Logged by number, as the box's icon and cue files are numbered.
    Log("ShowMessage(" + std::to_string(static_cast<int>(icon)) + "," + caption.toStdString() + ","
        + text.toStdString() + "," + okCaption.toStdString() + ","
        + std::to_string(static_cast<int>(sound)) + ")");
}

void RecordingServices::ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll)
{
    LogOrThrow("ConnectAndRetrieve" + Flags({importFile, showStatus, fetchAll}));
    if (Retrieval)
        Retrieval();
}

void RecordingServices::RetrieveMoveMails(bool showStatus, bool fetchAll)
{
    Log("RetrieveMoveMails" + Flags({showStatus, fetchAll}));
    if (Retrieval)
        Retrieval();
}

void RecordingServices::ImportMoveFiles(bool showStatus, bool pickFile)
{
    Log("ImportMoveFiles" + Flags({showStatus, pickFile}));
    if (Retrieval)
        Retrieval();
}

void RecordingServices::SignOff(bool showStatus)
{
    Log("SignOff" + Flags({showStatus}));
}
bool RecordingServices::Reconnect()
{
    if (!ReconnectAnswer)
        return false;
    Log("Reconnect");
    return ReconnectAnswer();
}

void RecordingServices::SetLogonStatus(bool status)
{
    Log("SetLogonStatus" + Flags({status}));
}

void RecordingServices::ShowGameList()
{
    LogOrThrow("ShowGameList");
    ListShown = true;
}

void RecordingServices::HideGameList()
{
    Log("HideGameList");
}

void RecordingServices::FillGameList(std::optional<int> selectGameId)
{
    Log("FillGameList(" + (selectGameId ? std::to_string(*selectGameId) : std::string("none")) + ")");
}

std::optional<int> RecordingServices::SelectedGameId()
{
    return 4;
}

void RecordingServices::ShowTrayState(const QIcon&, const QString& caption)
{
    Log("ShowTrayState(" + caption.toStdString() + ")");
    LastStateCaption = caption;
}

void RecordingServices::ShowPlainHelpItem()
{
    Log("ShowPlainHelpItem");
}
void RecordingServices::HideHideInterfaceItems()
{
    Log("HideHideInterfaceItems");
}
void RecordingServices::SetMenuOptions()
{
    LogOrThrow("SetMenuOptions");
}
void RecordingServices::PopulateTrayGameMenu()
{
    LogOrThrow("PopulateTrayGameMenu");
}

void RecordingServices::PopupMenu(const QPoint&)
{
    Log("PopupMenu");
    if (DuringMenu)
        DuringMenu();
}

void RecordingServices::FollowComputerThinking(bool thinking)
{
    ComputerThinkingFollowed.push_back(thinking);
}

bool RecordingServices::OpenItemEnabled()
{
    return OpenItemEnabledAnswer;
}

void RecordingServices::PlaySound(const QString& path)
{
    Log("PlaySound(" + path.toStdString() + ")");
}

int RecordingServices::ShowNotification()
{
    LogOrThrow("ShowNotification(" + Support::Globals().Mail.PendingMoveList + ")");
    if (NotifyAnswers.empty())
        return SysTraySupport::NotifyLater;
    const int answer = NotifyAnswers.front();
    NotifyAnswers.pop_front();
    return answer;
}

bool RecordingServices::LoadChessSet()
{
    Log("LoadChessSet");
    return ChessSetLoads;
}

RecordingServices::~RecordingServices()
{
    // The test is over: its board's pause is no longer anyone's.
    if (BoardPause)
        BoardPause->Abandon();
}

void RecordingServices::OpenBoard(const Support::GameToOpen& game, bool returnToGameList)
{
    LogOrThrow("OpenBoard(" + std::to_string(game.GameId()) + (returnToGameList ? "" : ",no return") + ")");
    BoardPause.emplace();
}

bool RecordingServices::ShowSplash()
{
    Log("ShowSplash");
    return SplashShows;
}

void RecordingServices::BackupDatabase()
{
    Log("BackupDatabase");
}
void RecordingServices::CloseHelp(QWidget&)
{
    Log("CloseHelp");
}
void RecordingServices::CloseDown(bool saveSettings)
{
    Log("CloseDown" + Flags({saveSettings}));
}
void RecordingServices::EndProgram(int exitCode)
{
    Log("EndProgram(" + std::to_string(exitCode) + ")");
}
void RecordingServices::RefuseTrayClick(bool messageBox)
{
    Log("RefuseTrayClick" + Flags({messageBox}));
}

} // namespace ShellTesting
