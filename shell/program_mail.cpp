#include "shell/program_mail.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/settings.h"
#include "shell/status_window.h"
#include "store/move_files.h"

#include <QFile>

namespace SysTraySupport {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

} // namespace

bool ProgramMessageSink::ShowMessage(const Support::MessageBoxCall& call)
{
    std::optional<int> sound;
    if (call.sound)
        sound = *call.sound;
    return Support::ShowMessage(call.icon, Q(call.caption), Q(call.text), Q(call.okCaption),
                                Q(call.cancelCaption), call.timeoutOn, sound);
}

void ProgramMessageSink::ShowSystemMessage(std::string_view text)
{
    Support::CurrentModalHost().SystemMessage(Support::SystemMessageIcon::Warning, QStringLiteral("Marrowdale"),
                                              Q(text));
}

ProgramMail::ProgramMail(std::unique_ptr<MailSupport::MailService> mail, std::function<void()> populateMenu)
    : mail_(std::move(mail)), populateMenu_(std::move(populateMenu))
{
}

std::string ProgramMail::PickedMoveFile::PickMoveFile()
{
    const auto& pick = Support::EntryWindows().PickMoveFile;
    return pick ? QFile::encodeName(pick()).toStdString() : std::string();
}

void ProgramMail::Run(const std::function<void(MailSupport::Transport&)>& call)
{
    Support::ProgramState& program = Support::Globals();
    state_.MailOffline = program.MailOffline;
    state_.NoNetwork = program.NoNetwork;
    state_.StandAloneMode = program.StandAloneMode;
    state_.PendingMoveList = program.PendingMoveList.toStdString();
    state_.NewMovesArrived = program.NewMovesArrived;

    MailSupport::Transport transport{*mail_,
                                     Support::ProgramDataFolder(&sink_),
                                     state_, *this, *this, &chooser_};
    call(transport);

    program.MailOffline = state_.MailOffline;
    program.PendingMoveList = Q(state_.PendingMoveList);
    program.NewMovesArrived = state_.NewMovesArrived;
}

void ProgramMail::ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll)
{
    Run([&](MailSupport::Transport& t) { MailSupport::ConnectAndRetrieve(t, importFile, showStatus, fetchAll); });
}

void ProgramMail::RetrieveMoveMails(bool showStatus, bool fetchAll)
{
    Run([&](MailSupport::Transport& t) { MailSupport::RetrieveMoveMails(t, showStatus, fetchAll); });
}

void ProgramMail::ImportMoveFiles(bool showStatus, bool pickFile)
{
    Run([&](MailSupport::Transport& t) { MailSupport::ImportMoveFiles(t, showStatus, pickFile); });
}

void ProgramMail::SignOff(bool showStatus)
{
    Run([&](MailSupport::Transport& t) { MailSupport::SignOff(t, showStatus); });
}

void ProgramMail::SetLogonStatus(bool status)
{
    Support::SetLogonStatus(status);
}

bool ProgramMail::GetLogonStatus()
{
    return Support::GetLogonStatus();
}

void ProgramMail::ShowStatus(bool visible, const std::string& text)
{
    Support::ShowStatus(visible, Q(text));
}

void ProgramMail::PopulateTrayGameMenu()
{
    if (populateMenu_)
        populateMenu_();
}

} // namespace SysTraySupport
