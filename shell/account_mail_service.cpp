#include "shell/account_mail_service.h"

#include "platform/mail_account_settings.h"
#include "shell/certificate_question.h"
#include "shell/mail_account_dialog.h"
#include "shell/mail_worker.h"
#include "shell/status_window.h"

namespace MailSupport {

namespace {

// The status window stays out of the way of the log-on dialog and the
// certificate question, which are windows: they run on the window thread
// whichever thread signs on.
std::optional<MailAccount> AskWithoutStatus(const MailAccount& current, const std::string& failure)
{
    return SysTraySupport::OnWindowThread([&] {
        Support::StatusStepsAside aside;
        return AskForMailAccount(current, QString::fromStdString(failure));
    });
}

bool AskTrustWithoutStatus(const CertificateVerdict& refused)
{
    return SysTraySupport::OnWindowThread([&] {
        Support::StatusStepsAside aside;
        return AskToTrustCertificate(refused);
    });
}

} // namespace

AccountMailService::AccountMailService(MailAccountStore& store, AskAccount ask, MakeService make,
                                       AskTrust trust)
    : store_(store), ask_(ask ? std::move(ask) : AskAccount(AskWithoutStatus)),
      make_(make ? std::move(make)
                 : MakeService([](const MailAccount& account) { return CreateMailService(account); })),
      trust_(trust ? std::move(trust) : AskTrust(AskTrustWithoutStatus))
{
}

bool AccountMailService::TrustRefusedCertificate(MailAccount& account)
{
    const auto* refusals = dynamic_cast<const CertificateRefusals*>(inner_.get());
    const std::optional<CertificateVerdict> refused =
        refusals ? refusals->RefusedCertificate() : std::nullopt;
    if (!refused || !refused->MayTrust())
        return false;
    const std::string asked = refused->Server + " " + refused->Fingerprint;
    if (declined_.count(asked))
        return false;
    if (!trust_(*refused)) {
        declined_.insert(asked);
        return false;
    }
    account.TrustedServerCertificates[refused->Server] = refused->Fingerprint;
    store_.Save(account);
    return true;
}

MailAccount AccountMailService::CurrentAccount()
{
    std::optional<MailAccount> stored = store_.Load();
    return stored ? *stored : store_.NewAccount();
}

bool AccountMailService::ChangeAccount(const MailAccount& account)
{
    if (!store_.Save(account))
        return false;
    if (inner_)
        inner_->SignOff();
    inner_.reset();
    userDeclined_ = false;
    return true;
}

bool AccountMailService::SignOn()
{
    // An earlier refusal must not stand for what goes wrong later.
    lastError_.clear();
    cancelled_ = false;
    if (inner_)
        return SignOnAgain();
    std::optional<MailAccount> account = store_.Load();
    if (!account) {
        if (quiet_) {
            lastError_ = "No mail account was given.";
            return false;
        }
        account = ask_(store_.NewAccount(), std::string());
        if (!account) {
            userDeclined_ = true;
            lastError_ = "No mail account was given.";
            return false;
        }
        store_.Save(*account);
    }
    while (true) {
        inner_ = make_(*account);
        if (inner_->SignOn()) {
            account_ = *account;
            userDeclined_ = false;
            return true;
        }
        lastError_ = inner_->LastError();
        cancelled_ = inner_->Cancelled();
        // The user broke the sign-on off: nothing to correct.
        if (cancelled_) {
            inner_.reset();
            return false;
        }
        // Tried by the program itself: no question, no dialog.
        if (quiet_) {
            inner_.reset();
            return false;
        }
        const bool trusted = TrustRefusedCertificate(*account);
        inner_.reset();
        if (trusted) {
            lastError_.clear();
            continue;
        }
        // The account that failed, offered to correct; Cancel stays off-line.
        account = ask_(*account, lastError_);
        if (!account) {
            userDeclined_ = true;
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
    cancelled_ = inner_->Cancelled();
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
    if (!inner_)
        return NotSignedOn();
    if (inner_->Send(mail))
        return true;
    // The outgoing server's certificate is first met here.
    MailAccount account = account_;
    if (!TrustRefusedCertificate(account))
        return false;
    account_ = account;
    inner_->SignOff();
    inner_ = make_(account_);
    if (!inner_->SignOn()) {
        lastError_ = inner_->LastError();
        inner_.reset();
        return false;
    }
    return inner_->Send(mail);
}

bool AccountMailService::Cancelled() const
{
    return inner_ ? inner_->Cancelled() : cancelled_;
}

std::string AccountMailService::LastError() const
{
    if (!lastError_.empty() || !inner_)
        return lastError_;
    return inner_->LastError();
}

} // namespace MailSupport
