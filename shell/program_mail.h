#pragma once
// The tray's mail service over the move-mail transport. Every operation
// runs on a mail thread (mail_worker.h) while the windows stay responsive;
// the transport works on the program's one mail state (off-line, pending
// moves), the sign-on guard is the LogonStatus setting, and the
// transport's messages, status texts and database work reach the window
// thread.

#include "platform/mail_wait.h"
#include "shell/account_mail_service.h"
#include "shell/mail_worker.h"
#include "shell/reconnect_policy.h"
#include "shell/tray_services.h"
#include "store/mail_support.h"
#include "store/message_sink.h"

#include <functional>
#include <memory>

namespace SysTraySupport {

// The program's message box for the layers that know no windows, shown on
// the window thread whichever thread asks.
class ProgramMessageSink : public Support::MessageSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override;
    void ShowSystemMessage(std::string_view text) override;
};

class ProgramMail : public MailPort {
public:
    // mail: the service to sign on through; populateMenu rebuilds the
    // tray's games menu after games arrived; wait: what the service's
    // connections wait for and obey (the status window shows it and offers
    // its Cancel).
    ProgramMail(std::unique_ptr<MailSupport::MailService> mail, std::function<void()> populateMenu,
                std::shared_ptr<MailSupport::MailWait> wait = nullptr);
    ~ProgramMail() override;

    void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) override;
    void RetrieveMoveMails(bool showStatus, bool fetchAll) override;
    void ImportMoveFiles(bool showStatus, bool pickFile) override;
    // Signs off; while an operation hangs, abandons it instead, so that
    // the program can end at once.
    void SignOff(bool showStatus) override;
    void SetLogonStatus(bool status) override;
    bool Busy() const override { return worker_.Busy(); }
    // The user's Cancel: the operation under way gives up at once and the
    // program is off-line; nothing it has not finished is lost.
    void Cancel();
    // Off-line after a failure: one quiet sign-on, and a retrieval when it
    // succeeds. False when the policy tries nothing now.
    bool Reconnect() override;

    // The account the next sign-on uses (an empty one when none is kept).
    MailSupport::MailAccount CurrentAccount();
    // Keeps the account, signs off and signs on with it, and retrieves,
    // the status shown. False when the account could not be kept.
    bool ApplyAccount(const MailSupport::MailAccount& account);

    MailSupport::MailService& Service();

    // Runs one transport call (sending a move, say) on the mail thread,
    // over the program's mail session and mail state, after any operation
    // under way. False when it did not run to its end: the program is
    // ending.
    bool Run(std::function<void(MailSupport::Transport&)> call);

    // An abandoned operation is still running: the process should end
    // without tearing down what it may still use.
    bool LeftRunning() const { return worker_.LeftRunning(); }

private:
    // The import of one picked move file asks the program's file chooser.
    class PickedMoveFile : public MailSupport::MoveFileChooser {
    public:
        std::string PickMoveFile() override;
    };

    struct Session;
    std::shared_ptr<Session> session_;
    std::shared_ptr<MailSupport::MailWait> wait_;
    // The service behind the session, when it is the account's.
    MailSupport::AccountMailService* accounts_ = nullptr;
    ReconnectPolicy reconnect_;
    MailWorker worker_;
};

} // namespace SysTraySupport
