#pragma once
// The mail service the program signs on through: at each sign-on it reads
// the user's account, asks for one with the mail log-on dialog when none is
// set, and opens internet mail or the local post office accordingly. When
// the sign-on with an account fails, the dialog offers that account to
// correct, as a mail system's own log-on dialog would; signing on again
// after a dropped connection asks nothing. A cancelled dialog is a refused
// sign-on: the program stays off-line; so is a sign-on the user cancelled
// in the status window, which asks nothing either.
//
// A server certificate that cannot be verified (at sign-on, or for SMTP at
// sending) is put to the user once: trusted, the account remembers exactly
// that certificate for that server and the call is made again; declined, it
// is not asked about again while the program runs.

#include "platform/certificate_verifier.h"
#include "platform/mail_account.h"
#include "store/mail_service.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace MailSupport {

// Where the account is kept between runs.
class MailAccountStore {
public:
    virtual ~MailAccountStore() = default;
    // The stored account; nothing when none was ever stored.
    virtual std::optional<MailAccount> Load() = 0;
    virtual bool Save(const MailAccount& account) = 0;
    // The account the log-on dialog starts from when none is stored yet:
    // empty, but knowing whether a keyring would keep its password.
    virtual MailAccount NewAccount() { return {}; }
};

class AccountMailService : public MailService {
public:
    // The log-on dialog over `current`; `failure` says why the last
    // sign-on with it failed (empty when none was tried).
    using AskAccount = std::function<std::optional<MailAccount>(const MailAccount& current,
                                                                const std::string& failure)>;
    using MakeService = std::function<std::unique_ptr<MailService>(const MailAccount& account)>;
    // Whether the user trusts the refused certificate.
    using AskTrust = std::function<bool(const CertificateVerdict& refused)>;

    // ask: the log-on dialog (AskForMailAccount by default); make: opens the
    // service for an account (internet or post office by default); trust:
    // the certificate question (AskToTrustCertificate by default).
    explicit AccountMailService(MailAccountStore& store, AskAccount ask = {}, MakeService make = {},
                                AskTrust trust = {});

    // The account the next sign-on uses: the stored one, or an empty one.
    MailAccount CurrentAccount();
    // Keeps the account and signs off, so that the next sign-on uses it.
    // False when it could not be kept.
    bool ChangeAccount(const MailAccount& account);
    // While quiet, a failed sign-on asks nothing: it only fails. For the
    // tries the program makes by itself to get back on-line.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // The last sign-on ended with the user's no: the log-on dialog
    // cancelled, or the sign-on broken off.
    bool Declined() const { return userDeclined_ || cancelled_; }

    bool SignOn() override;
    void SignOff() override;
    bool IsSignedOn() const override;
    bool ListInbox(InboxScope scope, std::vector<InboxMessage>& messages) override;
    bool ReadBody(const std::string& id, std::string& body) override;
    bool Delete(const std::string& id) override;
    bool Send(const OutgoingMail& mail) override;
    std::string LastError() const override;
    bool Cancelled() const override;

private:
    bool NotSignedOn();
    bool SignOnAgain();
    // After a failed call of the inner service: whether the user now trusts
    // the certificate that made it fail, `account` then remembering it.
    bool TrustRefusedCertificate(MailAccount& account);

    MailAccountStore& store_;
    AskAccount ask_;
    MakeService make_;
    AskTrust trust_;
    std::unique_ptr<MailService> inner_;
    // The account the inner service was opened with.
    MailAccount account_;
    // Server and fingerprint of every certificate the user declined.
    std::set<std::string> declined_;
    std::string lastError_;
    bool cancelled_ = false;
    bool quiet_ = false;
    bool userDeclined_ = false;
};

} // namespace MailSupport
