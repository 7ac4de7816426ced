#pragma once
// Internet mail through VMime: the inbox over IMAP or POP3, sending over
// SMTP, each plain, upgraded with STARTTLS or on TLS, logging on with the
// account's user name and password.
//
// POP3 knows no read flag, so an unread-only POP3 listing is the whole
// inbox; an IMAP listing honours the server's flag. Headers are read once per
// run. Reading a body never marks the message read on the server. Every
// network wait gives up after a stall without progress, and every call at
// its deadline; connecting, the name look-up included, has a shorter time
// of its own. The user's Cancel (MailWait) ends a call at once. A failed
// call says what went wrong in words that tell apart a refused connection,
// an unknown server, a server that did not answer in time, a refused
// certificate and a refused log-on.

#include "platform/certificate_verifier.h"
#include "platform/mail_account.h"
#include "platform/mail_wait.h"
#include "store/mail_service.h"

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

namespace vmime::net {
class socketFactory;
class timeoutHandlerFactory;
class session;
class store;
class folder;
class message;
} // namespace vmime::net

namespace MailSupport {

// How long a network wait may make no progress, how long one call of the
// service (a sign-on, a listing, a read, a send) may take in all, and how
// long looking up and connecting to a server may take.
struct MailTimeouts {
    std::chrono::milliseconds Stall{30000};
    std::chrono::milliseconds Deadline{120000};
    std::chrono::milliseconds Connect{15000};
};

struct ConnectOutcome;

// The deadline of the call under way.
class OperationClock {
public:
    void Start(std::chrono::milliseconds allowed);
    std::chrono::steady_clock::time_point Deadline() const { return deadline_; }

private:
    std::atomic<std::chrono::steady_clock::time_point> deadline_{
        std::chrono::steady_clock::time_point::max()};
};

struct CertificateRefusalSlot;

class InternetMailService : public MailService, public CertificateRefusals {
public:
    // wait: what the windows show of the calls and their Cancel (one of
    // the service's own when none is given).
    explicit InternetMailService(MailAccount account, MailTimeouts timeouts = {},
                                 std::shared_ptr<MailWait> wait = nullptr);
    ~InternetMailService() override;

    bool SignOn() override;
    void SignOff() override;
    bool IsSignedOn() const override;
    bool ListInbox(InboxScope scope, std::vector<InboxMessage>& messages) override;
    bool ReadBody(const std::string& id, std::string& body) override;
    bool Delete(const std::string& id) override;
    bool Send(const OutgoingMail& mail) override;
    std::string LastError() const override { return lastError_; }
    std::optional<CertificateVerdict> RefusedCertificate() const override;
    bool Cancelled() const override { return failure_ == MailFailure::Cancelled; }

    // How the last failed call failed.
    MailFailure LastFailure() const { return failure_; }

    // How often this service has logged on to the inbox server.
    std::size_t LogOns() const { return logOns_; }
    // Every byte this service has received from its servers.
    std::uint64_t BytesReceived() const { return *received_; }

private:
    // Starts a call's clock and forgets the last failure.
    void Begin();
    bool Fail(const std::string& what);
    // Fails with the words for what went wrong with `server` in `e`; a
    // failure of no known kind reads `context` and the library's words.
    bool Fail(const std::exception& e, const std::string& server, int port, const std::string& context);
    std::shared_ptr<vmime::net::socketFactory> Sockets() const;
    std::shared_ptr<vmime::net::timeoutHandlerFactory> Timeouts() const;
    void Connect();
    void Disconnect() noexcept;
    void OpenInbox();
    std::shared_ptr<vmime::net::message> Listed(const std::string& id);
    // Appends the id and flags of every message from number `from` on.
    void FetchStates(std::size_t from);
    // Brings the IMAP states up to date over the open selection, asking
    // only for what is new unless `everything`.
    void RefreshImapStates(bool everything);

    struct MessageState {
        std::string Id;
        int Flags = 0;
        std::shared_ptr<vmime::net::message> Message;
    };

    MailAccount account_;
    MailTimeouts timeouts_;
    std::shared_ptr<MailWait> wait_;
    std::shared_ptr<ConnectOutcome> outcome_;
    std::shared_ptr<std::atomic<std::uint64_t>> received_ =
        std::make_shared<std::atomic<std::uint64_t>>(0);
    MailFailure failure_ = MailFailure::None;
    std::shared_ptr<OperationClock> clock_;
    // What the certificate verifier refused during the call under way.
    std::shared_ptr<CertificateRefusalSlot> refusals_;
    std::shared_ptr<vmime::net::session> session_;
    std::shared_ptr<vmime::net::store> store_;
    std::shared_ptr<vmime::net::folder> inbox_;
    // The last listing's messages by id (POP3 needs the message objects,
    // whose numbers only hold within one connection).
    std::map<std::string, std::shared_ptr<vmime::net::message>> listed_;
    // Every message of the inbox in its order, as the last listing saw it.
    std::vector<MessageState> inboxState_;
    bool statesValid_ = false;
    std::size_t logOns_ = 0;
    // Subject and sender of every message a listing has returned during
    // this service's life, by id (message ids hold across connections).
    std::map<std::string, InboxMessage> headers_;
    std::string lastError_;
    std::optional<CertificateVerdict> refused_;
};

} // namespace MailSupport
