#pragma once
// The tray's mail service over the move-mail transport: the program-wide
// mail state (off-line, pending moves) goes in and comes back out around
// each call, the sign-on guard is the LogonStatus setting, and the
// transport's messages and status texts reach the program's windows.

#include "shell/account_mail_service.h"
#include "shell/tray_services.h"
#include "store/mail_support.h"
#include "store/message_sink.h"

#include <functional>
#include <memory>

namespace SysTraySupport {

// The program's message box for the layers that know no windows.
class ProgramMessageSink : public Support::MessageSink {
public:
    bool ShowMessage(const Support::MessageBoxCall& call) override;
    void ShowSystemMessage(std::string_view text) override;
};

class ProgramMail : public MailPort,
                    private MailSupport::LogonGuard,
                    private MailSupport::TransportWindows {
public:
    // mail: the service to sign on through; populateMenu rebuilds the
    // tray's games menu after games arrived.
    ProgramMail(std::unique_ptr<MailSupport::MailService> mail, std::function<void()> populateMenu);

    void ConnectAndRetrieve(bool importFile, bool showStatus, bool fetchAll) override;
    void RetrieveMoveMails(bool showStatus, bool fetchAll) override;
    void ImportMoveFiles(bool showStatus, bool pickFile) override;
    void SignOff(bool showStatus) override;
    void SetLogonStatus(bool status) override;

    MailSupport::MailService& Service() { return *mail_; }

    // Runs one transport call (sending a move, say) on the program's mail
    // session, with the program's state handed in and back.
    void Run(const std::function<void(MailSupport::Transport&)>& call);

private:
    bool GetLogonStatus() override;
    void ShowStatus(bool visible, const std::string& text) override;
    void PopulateTrayGameMenu() override;

    // The import of one picked move file asks the program's file chooser.
    class PickedMoveFile : public MailSupport::MoveFileChooser {
    public:
        std::string PickMoveFile() override;
    };

    std::unique_ptr<MailSupport::MailService> mail_;
    std::function<void()> populateMenu_;
    PickedMoveFile chooser_;
    ProgramMessageSink sink_;
    MailSupport::TransportState state_;
};

} // namespace SysTraySupport
