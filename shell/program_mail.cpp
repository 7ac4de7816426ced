#include "shell/program_mail.h"

#include "foundation/message_box.h"
#include "foundation/modal_host.h"
#include "foundation/options_about_entry.h"
#include "foundation/program_state.h"
#include "foundation/qt_text.h"
#include "foundation/settings.h"
#include "platform/mail_account_settings.h"
#include "shell/status_window.h"
#include "store/move_files.h"

#include <QFile>

namespace SysTraySupport {

using Support::Q;

bool ProgramMessageSink::ShowMessage(const Support::MessageBoxCall& call)
{
    return OnWindowThread([&call] {
        // A message in the middle of a pass never lies under its status
        // window, which stays on top of every other window.
        const Support::StatusStepsAside aside;
        return Support::ShowMessage(call);
    });
}

void ProgramMessageSink::ShowSystemMessage(std::string_view text)
{
    OnWindowThread([text] {
        Support::CurrentModalHost().SystemMessage(Support::SystemMessageIcon::Warning,
                                                  QStringLiteral("Marrowdale"), Q(text));
    });
}

// What a mail thread works with; shared with it, as an abandoned operation
// may outlive the wait for it.
struct ProgramMail::Session : MailSupport::LogonGuard, MailSupport::TransportWindows {
    std::unique_ptr<MailSupport::MailService> mail;
    std::function<void()> populateMenu;
    ProgramMessageSink sink;
    PickedMoveFile chooser;

    bool GetLogonStatus() override
    {
        return OnWindowThread([] { return Support::GetLogonStatus(); });
    }
    void SetLogonStatus(bool status) override
    {
        OnWindowThread([status] { Support::SetLogonStatus(status); });
    }
    void ShowStatus(bool visible, const std::string& text) override
    {
        OnWindowThread([visible, &text] { Support::ShowStatus(visible, Q(text)); });
    }
    void PopulateTrayGameMenu() override
    {
        OnWindowThread([this] {
            if (populateMenu)
                populateMenu();
        });
    }
    // The windows write the game database too (the board saving a move):
    // never both at once.
    void WithDatabase(const std::function<void()>& work) override
    {
        OnWindowThread([&work] { work(); });
    }
};

ProgramMail::ProgramMail(std::unique_ptr<MailSupport::MailService> mail,
                         std::function<void()> populateMenu, std::shared_ptr<MailSupport::MailWait> wait)
    : session_(std::make_shared<Session>()),
      wait_(wait ? std::move(wait) : std::make_shared<MailSupport::MailWait>())
{
    accounts_ = dynamic_cast<MailSupport::AccountMailService*>(mail.get());
    session_->mail = std::move(mail);
    session_->populateMenu = std::move(populateMenu);
    Support::SetStatusMailHooks({[this] { return worker_.Busy(); },
                                 [wait = wait_] { return QString::fromStdString(wait->Describe()); },
                                 [this] { Cancel(); }});
}

ProgramMail::~ProgramMail()
{
    Support::SetStatusMailHooks({});
}

void ProgramMail::Cancel()
{
    if (worker_.Busy())
        wait_->Cancel();
}

bool ProgramMail::Reconnect()
{
    const bool declined = accounts_ && accounts_->Declined();
    if (worker_.Busy()
        || !reconnect_.TryOnTick(Support::Globals().Mail, Support::GetLogonStatus(), declined))
        return false;
    MailSupport::AccountMailService* accounts = accounts_;
    Run([accounts](MailSupport::Transport& t) {
        if (accounts)
            accounts->SetQuiet(true);
        MailSupport::ConnectAndRetrieve(t, false, false, false);
        if (accounts)
            accounts->SetQuiet(false);
    });
    return true;
}

MailSupport::MailAccount ProgramMail::CurrentAccount()
{
    MailSupport::MailAccount account;
    MailSupport::AccountMailService* accounts = accounts_;
    if (accounts)
        Run([accounts, &account](MailSupport::Transport&) { account = accounts->CurrentAccount(); });
    return account;
}

bool ProgramMail::ApplyAccount(const MailSupport::MailAccount& account)
{
    bool kept = false;
    MailSupport::AccountMailService* accounts = accounts_;
    // The user asked for this sign-on: an old mark must not block it.
    Support::SetLogonStatus(false);
    Run([accounts, account, &kept](MailSupport::Transport& t) {
        kept = accounts && accounts->ChangeAccount(account);
        if (kept)
            MailSupport::ConnectAndRetrieve(t, false, true, true);
    });
    return kept;
}

std::string ProgramMail::PickedMoveFile::PickMoveFile()
{
    // A window: on the window thread.
    return OnWindowThread([] {
        const auto& pick = Support::EntryWindows().PickMoveFile;
        return pick ? QFile::encodeName(pick()).toStdString() : std::string();
    });
}

MailSupport::MailService& ProgramMail::Service()
{
    return *session_->mail;
}

bool ProgramMail::Run(std::function<void(MailSupport::Transport&)> call)
{
    const std::shared_ptr<Session> session = session_;
    const std::string dataPath = QFile::encodeName(Support::Globals().DataPath).toStdString();
    return worker_.Run([session, dataPath, wait = wait_, call = std::move(call)] {
        // A Cancel given to an earlier operation is no Cancel of this one.
        wait->Begin();
        MailSupport::Transport transport{*session->mail,
                                         Database::DataFolder(dataPath, nullptr, &session->sink),
                                         Support::Globals().Mail,
                                         *session,
                                         *session,
                                         &session->chooser};
        // A game that arrives new names the player as a game started here
        // does: by the name the player's mails carry.
        transport.OwnName = [] {
            return OnWindowThread(
                [] { return MailSupport::OwnDisplayName(MailSupport::LoadMailAccount()); });
        };
        call(transport);
        wait->Enter(MailSupport::MailWait::Stage::Idle, std::string());
    });
}

void ProgramMail::ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll)
{
    Run([=](MailSupport::Transport& t) {
        MailSupport::ConnectAndRetrieve(t, importFile, showStatus, fetchAll);
    });
}

void ProgramMail::RetrieveMoveMails(bool showStatus, bool fetchAll)
{
    Run([=](MailSupport::Transport& t) { MailSupport::RetrieveMoveMails(t, showStatus, fetchAll); });
}

void ProgramMail::ImportMoveFiles(bool showStatus, bool pickFile)
{
    Run([=](MailSupport::Transport& t) { MailSupport::ImportMoveFiles(t, showStatus, pickFile); });
}

void ProgramMail::SignOff(bool showStatus)
{
    if (worker_.Busy()) {
        // A hung operation is no crash of the sign-on: the next start need
        // not speak of one.
        worker_.Abandon();
        Support::SetLogonStatus(false);
        return;
    }
    Run([=](MailSupport::Transport& t) { MailSupport::SignOff(t, showStatus); });
}

void ProgramMail::SetLogonStatus(bool status)
{
    Support::SetLogonStatus(status);
}

} // namespace SysTraySupport
