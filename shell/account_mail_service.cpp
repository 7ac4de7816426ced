#include "shell/account_mail_service.h"

#include "platform/mail_account_settings.h"
#include "shell/mail_account_dialog.h"
#include "shell/mail_worker.h"
#include "shell/status_window.h"

namespace MailSupport {

namespace {

// The status window stays out of the way of the log-on dialog, which is a
// window: it runs on the window thread whichever thread signs on.
std::optional<MailAccount> AskWithoutStatus(const MailAccount& current, const std::string& failure)
{
    return SysTraySupport::OnWindowThread([&] {
        Support::StatusWindow* status = Support::OpenStatusWindow();
        if (status)
            status->hide();
        std::optional<MailAccount> account = AskForMailAccount(current, QString::fromStdString(failure));
        if (status && Support::OpenStatusWindow() == status)
            status->show();
        return account;
    });
}

} // namespace

AccountMailService::AccountMailService(MailAccountStore& store, AskAccount ask, MakeService make)
    : store_(store), ask_(ask ? std::move(ask) : AskAccount(AskWithoutStatus)),
      make_(make ? std::move(make) : MakeService(CreateMailService))
{
}

MailAccount AccountMailService::CurrentAccount()
{
    return store_.Load().value_or(MailAccount{});
}

bool AccountMailService::ChangeAccount(const MailAccount& account)
{
    if (!store_.Save(account))
        return false;
    if (inner_)
        inner_->SignOff();
    inner_.reset();
    declined_ = false;
    return true;
}

bool AccountMailService::SignOn()
{
    // An earlier refusal must not stand for what goes wrong later.
    lastError_.clear();
    if (inner_)
        return SignOnAgain();
    std::optional<MailAccount> account = store_.Load();
    if (!account) {
        if (quiet_) {
            lastError_ = "No mail account was given.";
            return false;
        }
        account = ask_(MailAccount{}, std::string());
        if (!account) {
            declined_ = true;
            lastError_ = "No mail account was given.";
            return false;
        }
        store_.Save(*account);
    }
    while (true) {
        inner_ = make_(*account);
        if (inner_->SignOn()) {
            declined_ = false;
            return true;
        }
        lastError_ = inner_->LastError();
        inner_.reset();
        if (quiet_)
            return false;
        // The account that failed, offered to correct; Cancel stays off-line.
        account = ask_(*account, lastError_);
        if (!account) {
            declined_ = true;
            return false;
        }
        store_.Save(*account);
        lastError_.clear();
    }
}

bool AccountMailService::SignOnAgain()
{
    if (inner_->IsSignedOn() || inner_->SignOn())
        return true;
    // The next sign-on reads the account again.
    lastError_ = inner_->LastError();
    inner_.reset();
    return false;
}

void AccountMailService::SignOff()
{
    if (inner_)
        inner_->SignOff();
}

bool AccountMailService::IsSignedOn() const
{
    return inner_ && inner_->IsSignedOn();
}

bool AccountMailService::NotSignedOn()
{
    lastError_ = "Not signed on to the mail system.";
    return false;
}

bool AccountMailService::ListInbox(InboxScope scope, std::vector<InboxMessage>& messages)
{
    return inner_ ? inner_->ListInbox(scope, messages) : NotSignedOn();
}

bool AccountMailService::ReadBody(const std::string& id, std::string& body)
{
    return inner_ ? inner_->ReadBody(id, body) : NotSignedOn();
}

bool AccountMailService::Delete(const std::string& id)
{
    return inner_ ? inner_->Delete(id) : NotSignedOn();
}

bool AccountMailService::Send(const OutgoingMail& mail)
{
    return inner_ ? inner_->Send(mail) : NotSignedOn();
}

std::string AccountMailService::LastError() const
{
    if (!lastError_.empty() || !inner_)
        return lastError_;
    return inner_->LastError();
}

} // namespace MailSupport
