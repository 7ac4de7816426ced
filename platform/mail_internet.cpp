#include "platform/mail_internet.h"

#include "platform/mail_certificate_check.h"
#include "platform/mail_socket.h"
#include "platform/mail_text.h"
#include "store/file_system.h"

#include <vmime/net/imap/IMAPFolder.hpp>
#include <vmime/platforms/posix/posixHandler.hpp>
#include <vmime/vmime.hpp>

#include <chrono>
#include <utility>

namespace MailSupport {
namespace {

// Gives up when the connection has made no progress for the stall time,
// or when the operation it serves is past its deadline (a server that
// trickles bytes makes progress for ever).
class StallTimeout : public vmime::net::timeoutHandler {
public:
    StallTimeout(std::shared_ptr<const OperationClock> clock, std::chrono::milliseconds stall,
                 std::shared_ptr<const MailWait> wait)
        : clock_(std::move(clock)), stall_(stall), wait_(std::move(wait))
    {
        resetTimeOut();
    }
    // The user's Cancel ends the wait as a time-out would.
    bool isTimeOut() override
    {
        const auto now = std::chrono::steady_clock::now();
        return now - progress_ >= stall_ || now >= clock_->Deadline() || wait_->Cancelled();
    }
    void resetTimeOut() override { progress_ = std::chrono::steady_clock::now(); }
    bool handleTimeOut() override { return false; }

private:
    std::shared_ptr<const OperationClock> clock_;
    std::chrono::milliseconds stall_;
    std::shared_ptr<const MailWait> wait_;
    std::chrono::steady_clock::time_point progress_;
};

class StallTimeoutFactory : public vmime::net::timeoutHandlerFactory {
public:
    StallTimeoutFactory(std::shared_ptr<const OperationClock> clock, std::chrono::milliseconds stall,
                        std::shared_ptr<const MailWait> wait)
        : clock_(std::move(clock)), stall_(stall), wait_(std::move(wait))
    {
    }
    std::shared_ptr<vmime::net::timeoutHandler> create() override
    {
        return std::make_shared<StallTimeout>(clock_, stall_, wait_);
    }

private:
    std::shared_ptr<const OperationClock> clock_;
    std::chrono::milliseconds stall_;
    std::shared_ptr<const MailWait> wait_;
};

std::string Scheme(const std::string& plain, ConnectionSecurity security)
{
    return security == ConnectionSecurity::Tls ? plain + "s" : plain;
}

template <class Service>
void Prepare(Service& service, ConnectionSecurity security, const MailAccount& account,
             bool authenticate, std::shared_ptr<vmime::net::timeoutHandlerFactory> timeouts, int port,
             std::shared_ptr<CertificateRefusalSlot> refusals,
             std::shared_ptr<vmime::net::socketFactory> sockets)
{
    service.setSocketFactory(std::move(sockets));
    const bool startTls = security == ConnectionSecurity::StartTls;
    service.setProperty("connection.tls", startTls);
    service.setProperty("connection.tls.required", startTls);
    if (authenticate) {
        service.setProperty("auth.username", account.UserName);
        service.setProperty("auth.password", account.Password);
    }
    service.setCertificateVerifier(MakeCertificateVerifier(account, port, std::move(refusals)));
    service.setTimeoutHandlerFactory(std::move(timeouts));
}

std::string Utf8(const vmime::text& text)
{
    return text.getConvertedText(vmime::charset(vmime::charsets::UTF_8));
}

// The kind of failure an exception of the mail library stands for.
MailFailure KindOf(const std::exception& e)
{
    const std::exception* at = &e;
    while (at) {
        if (dynamic_cast<const vmime::exceptions::authentication_error*>(at))
            return MailFailure::LogOnRefused;
        if (dynamic_cast<const vmime::security::cert::certificateException*>(at))
            return MailFailure::Certificate;
        if (dynamic_cast<const vmime::exceptions::operation_timed_out*>(at))
            return MailFailure::TimedOut;
        const auto* v = dynamic_cast<const vmime::exception*>(at);
        at = v ? v->other() : nullptr;
    }
    return MailFailure::Other;
}

// Whether the failure is the server's refusal of the switch to an encrypted
// connection (STARTTLS, STLS in POP3) that the account asks for: the mail
// library then stops before the log-on, so no password went out.
bool StartTlsRefused(const std::exception& e)
{
    auto isStartTls = [](const std::string& command) {
        return command == "STARTTLS" || command == "STLS";
    };
    const std::exception* at = &e;
    while (at) {
        if (auto* refused = dynamic_cast<const vmime::exceptions::command_error*>(at);
            refused && isStartTls(refused->command()))
            return true;
        if (auto* invalid = dynamic_cast<const vmime::exceptions::invalid_response*>(at);
            invalid && isStartTls(invalid->command()))
            return true;
        const auto* v = dynamic_cast<const vmime::exception*>(at);
        at = v ? v->other() : nullptr;
    }
    return false;
}

std::string Describe(const std::exception& e)
{
    std::string what = e.what();
    if (auto* v = dynamic_cast<const vmime::exception*>(&e)) {
        for (const vmime::exception* other = v->other(); other; other = other->other())
            what += ": " + std::string(other->what());
    }
    return what;
}

// Subject and sender from a message's (possibly partial) header.
void ReadHeader(const vmime::header& header, InboxMessage& out)
{
    if (auto subject = header.findField(vmime::fields::SUBJECT))
        out.Subject = Utf8(*subject->getValue<vmime::text>());
    if (auto from = header.findField(vmime::fields::FROM)) {
        if (auto box = from->getValue<vmime::mailbox>()) {
            out.SenderName = Utf8(box->getName());
            out.SenderAddress = box->getEmail().toString();
        }
    }
}

// Expunges the one message flagged deleted by this service. A plain EXPUNGE
// would also purge every message the user's own client has flagged deleted
// and not yet purged, so those lose their flag for the moment; should the
// program stop in between, they come back undeleted rather than lost.
void ExpungeOnly(vmime::net::folder& inbox, const std::string& uid)
{
    std::vector<vmime::net::message::uid> flaggedByUser;
    const std::size_t count = inbox.getMessageCount();
    if (count > 0) {
        auto all = inbox.getMessages(vmime::net::messageSet::byNumber(1, count));
        inbox.fetchMessages(all, vmime::net::fetchAttributes(vmime::net::fetchAttributes::FLAGS
                                                             | vmime::net::fetchAttributes::UID));
        for (const auto& m : all)
            if ((m->getFlags() & vmime::net::message::FLAG_DELETED)
                && static_cast<std::string>(m->getUID()) != uid)
                flaggedByUser.push_back(m->getUID());
    }
    const auto others = vmime::net::messageSet::byUID(flaggedByUser);
    if (!flaggedByUser.empty())
        inbox.setMessageFlags(others, vmime::net::message::FLAG_DELETED,
                              vmime::net::message::FLAG_MODE_REMOVE);
    inbox.expunge();
    if (!flaggedByUser.empty())
        inbox.setMessageFlags(others, vmime::net::message::FLAG_DELETED,
                              vmime::net::message::FLAG_MODE_ADD);
}

} // namespace

void OperationClock::Start(std::chrono::milliseconds allowed)
{
    deadline_ = std::chrono::steady_clock::now() + allowed;
}

InternetMailService::InternetMailService(MailAccount account, MailTimeouts timeouts,
                                         std::shared_ptr<MailWait> wait)
    : account_(std::move(account)), timeouts_(timeouts),
      wait_(wait ? std::move(wait) : std::make_shared<MailWait>()),
      outcome_(std::make_shared<ConnectOutcome>()), clock_(std::make_shared<OperationClock>()),
      refusals_(std::make_shared<CertificateRefusalSlot>())
{
    EnsureVmimePlatform();
}

std::shared_ptr<vmime::net::timeoutHandlerFactory> InternetMailService::Timeouts() const
{
    return std::make_shared<StallTimeoutFactory>(clock_, timeouts_.Stall, wait_);
}

std::shared_ptr<vmime::net::socketFactory> InternetMailService::Sockets() const
{
    return DeadlineSocketFactory({timeouts_.Connect, wait_, outcome_, received_});
}

void InternetMailService::Begin()
{
    clock_->Start(timeouts_.Deadline);
    *outcome_ = ConnectOutcome{};
    failure_ = MailFailure::None;
}

InternetMailService::~InternetMailService()
{
    Disconnect();
}

std::optional<CertificateVerdict> InternetMailService::RefusedCertificate() const
{
    return refused_;
}

bool InternetMailService::Fail(const std::string& what)
{
    // A refused certificate says more than the TLS layer's report of it.
    refused_ = std::exchange(refusals_->Refused, std::nullopt);
    lastError_ = refused_ ? RefusalText(*refused_) : what;
    if (refused_)
        failure_ = MailFailure::Certificate;
    else if (failure_ == MailFailure::None)
        failure_ = MailFailure::Other;
    return false;
}

bool InternetMailService::Fail(const std::exception& e, const std::string& server, int port,
                               const std::string& context)
{
    // The user's Cancel first: every wait it ends looks like a time-out.
    failure_ = wait_->Cancelled()                       ? MailFailure::Cancelled
               : outcome_->Failure != MailFailure::None ? outcome_->Failure
                                                        : KindOf(e);
    const std::string where = server + " (port " + std::to_string(port) + ")";
    switch (failure_) {
    case MailFailure::Cancelled:
        return Fail("Cancelled.");
    case MailFailure::Refused:
        return Fail("The mail server " + where + " refused the connection.");
    case MailFailure::NotFound:
        return Fail("The mail server " + server + " was not found.");
    case MailFailure::TimedOut:
        return Fail("The mail server " + where + " did not answer in time.");
    case MailFailure::Certificate:
        return Fail("The certificate of the mail server " + server + " was refused: " + Describe(e));
    case MailFailure::LogOnRefused:
        return Fail("The mail server " + server
                    + " refused the log-on: check the user name and the password.");
    case MailFailure::None:
    case MailFailure::Other:
        break;
    }
    if (StartTlsRefused(e))
        return Fail("The mail server " + server
                    + " does not offer an encrypted connection (STARTTLS), so Marrowdale did not send "
                      "your password.");
    return Fail(context + ": " + Describe(e));
}

void InternetMailService::Connect()
{
    const std::string protocol = account_.Protocol == InboxProtocol::Pop3 ? "pop3" : "imap";
    session_ = vmime::net::session::create();
    const vmime::utility::url url(Scheme(protocol, account_.InboxSecurity), account_.InboxServer,
                                  static_cast<vmime::port_t>(InboxPortFor(account_)));
    store_ = session_->getStore(url);
    Prepare(*store_, account_.InboxSecurity, account_, true, Timeouts(), InboxPortFor(account_),
            refusals_, Sockets());
    store_->connect();
    ++logOns_;
    OpenInbox();
}

void InternetMailService::OpenInbox()
{
    inbox_ = store_->getDefaultFolder();
    inbox_->open(vmime::net::folder::MODE_READ_WRITE);
}

void InternetMailService::Disconnect() noexcept
{
    const bool pop3 = account_.Protocol == InboxProtocol::Pop3;
    try {
        // POP3 makes its deletions final on a clean close; IMAP has already
        // expunged what this service deleted and leaves the rest alone.
        if (inbox_ && inbox_->isOpen())
            inbox_->close(pop3);
    } catch (const std::exception&) {
    }
    try {
        if (store_ && store_->isConnected())
            store_->disconnect();
    } catch (const std::exception&) {
    }
    inbox_.reset();
    store_.reset();
    session_.reset();
    listed_.clear();
    inboxState_.clear();
    statesValid_ = false;
}

bool InternetMailService::SignOn()
{
    Begin();
    if (IsSignedOn())
        return true;
    try {
        Connect();
        return true;
    } catch (const std::exception& e) {
        Disconnect();
        return Fail(e, account_.InboxServer, InboxPortFor(account_),
                    "Could not log on to " + account_.InboxServer);
    }
}

void InternetMailService::SignOff()
{
    Disconnect();
}

bool InternetMailService::IsSignedOn() const
{
    return store_ && inbox_ && store_->isConnected() && inbox_->isOpen();
}

bool InternetMailService::ListInbox(InboxScope scope, std::vector<InboxMessage>& messages)
{
    Begin();
    messages.clear();
    if (!IsSignedOn())
        return Fail("Not logged on to the mail server.");
    const bool pop3 = account_.Protocol == InboxProtocol::Pop3;
    try {
        if (pop3) {
            // A POP3 session sees the mailbox as it was at log-on.
            Disconnect();
            Connect();
            inboxState_.clear();
            FetchStates(1);
        } else {
            RefreshImapStates(scope == InboxScope::All);
        }
        listed_.clear();
        std::vector<std::string> order;
        std::vector<std::shared_ptr<vmime::net::message>> unknown;
        for (const MessageState& state : inboxState_) {
            if (!pop3) {
                if (state.Flags & vmime::net::message::FLAG_DELETED)
                    continue;
                if (scope == InboxScope::UnreadOnly && (state.Flags & vmime::net::message::FLAG_SEEN))
                    continue;
            }
            order.push_back(state.Id);
            if (pop3)
                listed_[state.Id] = state.Message;
            if (headers_.count(state.Id))
                continue;
            if (state.Message) {
                unknown.push_back(state.Message);
            } else {
                auto found = inbox_->getMessages(vmime::net::messageSet::byUID(state.Id));
                if (!found.empty())
                    unknown.push_back(found.front());
            }
        }
        // The headers this service has not read before: each header is
        // asked for once per run.
        if (!unknown.empty())
            inbox_->fetchMessages(unknown,
                                  vmime::net::fetchAttributes(vmime::net::fetchAttributes::ENVELOPE
                                                              | vmime::net::fetchAttributes::UID
                                                              | vmime::net::fetchAttributes::SIZE));
        for (auto& message : unknown) {
            InboxMessage entry;
            entry.Id = static_cast<std::string>(message->getUID());
            // The size the server reports (IMAP's RFC822.SIZE, POP3's
            // LIST) decides before anything of the body is fetched.
            try {
                entry.TooLarge = message->getSize() > Database::ReceivedInputLimit;
            } catch (const std::exception&) {
                entry.TooLarge = false; // no size told: the body's read is bounded too
            }
            try {
                ReadHeader(*message->getHeader(), entry);
            } catch (const std::exception&) {
                // A header VMime cannot read leaves the fields empty; the
                // message is then just not a move mail.
            }
            headers_[entry.Id] = std::move(entry);
        }
        for (const std::string& id : order)
            messages.push_back(headers_[id]);
        // IMAP message objects stand for message numbers, which the next
        // expunge changes: none is kept beyond the listing.
        if (!pop3)
            for (MessageState& state : inboxState_)
                state.Message.reset();
        return true;
    } catch (const std::exception& e) {
        Disconnect();
        messages.clear();
        return Fail(e, account_.InboxServer, InboxPortFor(account_), "Could not read the inbox");
    }
}

void InternetMailService::FetchStates(std::size_t from)
{
    const std::size_t count = inbox_->getMessageCount();
    if (count < from)
        return;
    auto fetched = inbox_->getMessages(vmime::net::messageSet::byNumber(from, count));
    int attributes = vmime::net::fetchAttributes::UID;
    if (account_.Protocol == InboxProtocol::Imap)
        attributes |= vmime::net::fetchAttributes::FLAGS;
    inbox_->fetchMessages(fetched, vmime::net::fetchAttributes(attributes));
    for (auto& message : fetched) {
        const std::string id = static_cast<std::string>(message->getUID());
        if (id.empty())
            continue;
        const int flags = account_.Protocol == InboxProtocol::Imap ? message->getFlags() : 0;
        inboxState_.push_back({id, flags, message});
    }
}

void InternetMailService::RefreshImapStates(bool everything)
{
    // The selection stays open between listings; a NOOP brings in what
    // arrived or went since.
    auto* imap = dynamic_cast<vmime::net::imap::IMAPFolder*>(inbox_.get());
    if (imap)
        imap->noop();
    const std::size_t count = inbox_->getMessageCount();
    // What was listed before still stands when no message went meanwhile:
    // as many messages or more, and the last one known still in its place.
    bool stands = imap && statesValid_ && !everything && count >= inboxState_.size();
    if (stands && !inboxState_.empty()) {
        auto last = inbox_->getMessages(vmime::net::messageSet::byNumber(inboxState_.size()));
        inbox_->fetchMessages(last, vmime::net::fetchAttributes(vmime::net::fetchAttributes::UID));
        stands =
            !last.empty() && static_cast<std::string>(last.front()->getUID()) == inboxState_.back().Id;
    }
    if (!stands)
        inboxState_.clear();
    // Only the messages that arrived since are asked for.
    FetchStates(inboxState_.size() + 1);
    statesValid_ = true;
}

std::shared_ptr<vmime::net::message> InternetMailService::Listed(const std::string& id)
{
    if (account_.Protocol == InboxProtocol::Imap) {
        auto found = inbox_->getMessages(vmime::net::messageSet::byUID(id));
        return found.empty() ? nullptr : found.front();
    }
    auto it = listed_.find(id);
    return it == listed_.end() ? nullptr : it->second;
}

bool InternetMailService::ReadBody(const std::string& id, std::string& body)
{
    Begin();
    body.clear();
    if (!IsSignedOn())
        return Fail("Not logged on to the mail server.");
    try {
        auto message = Listed(id);
        if (!message)
            return Fail("The message is no longer in the inbox.");
        std::string raw;
        vmime::utility::outputStreamStringAdapter os(raw);
        // One byte past the limit shows a message larger than its server
        // said, without fetching the rest of it.
        message->extract(os, nullptr, 0, static_cast<std::size_t>(Database::ReceivedInputLimit) + 1,
                         /*peek=*/true);
        if (raw.size() > Database::ReceivedInputLimit)
            return Fail("The message is larger than any game.");
        try {
            body = MailBodyText(raw);
        } catch (const std::exception& e) {
            // The message itself is at fault (an unknown character set,
            // say); the connection is as good as before.
            body.clear();
            return Fail("Could not decode a message: " + Describe(e));
        }
        return true;
    } catch (const std::exception& e) {
        Disconnect();
        return Fail(e, account_.InboxServer, InboxPortFor(account_), "Could not read a message");
    }
}

bool InternetMailService::Delete(const std::string& id)
{
    Begin();
    if (!IsSignedOn())
        return Fail("Not logged on to the mail server.");
    try {
        auto message = Listed(id);
        if (!message)
            return Fail("The message is no longer in the inbox.");
        if (account_.Protocol == InboxProtocol::Imap) {
            inbox_->deleteMessages(vmime::net::messageSet::byUID(id));
            ExpungeOnly(*inbox_, id);
            // Selected afresh, so that no message number of before the
            // expunge lives on; the next listing reads the inbox again.
            inbox_->close(false);
            inbox_->open(vmime::net::folder::MODE_READ_WRITE);
            inboxState_.clear();
            statesValid_ = false;
            headers_.erase(id);
            return true;
        }
        // POP3 deletes for good only when the session ends cleanly; end it
        // now so that a crash cannot bring the mail back, and number the
        // remaining messages again for this service's later calls.
        inbox_->deleteMessages(vmime::net::messageSet::byNumber(message->getNumber()));
        Disconnect();
        Connect();
        const std::size_t count = inbox_->getMessageCount();
        if (count > 0) {
            auto all = inbox_->getMessages(vmime::net::messageSet::byNumber(1, count));
            inbox_->fetchMessages(all, vmime::net::fetchAttributes(vmime::net::fetchAttributes::UID));
            for (auto& m : all)
                listed_[static_cast<std::string>(m->getUID())] = m;
        }
        return true;
    } catch (const std::exception& e) {
        Disconnect();
        return Fail(e, account_.InboxServer, InboxPortFor(account_), "Could not delete a message");
    }
}

bool InternetMailService::Send(const OutgoingMail& mail)
{
    Begin();
    if (mail.RecipientAddress.empty())
        return Fail("The message has no recipient.");
    try {
        const vmime::charset utf8(vmime::charsets::UTF_8);
        vmime::messageBuilder builder;
        builder.setExpeditor(vmime::mailbox(vmime::text(account_.DisplayName, utf8),
                                            vmime::emailAddress(account_.Address)));
        builder.getRecipients().appendAddress(std::make_shared<vmime::mailbox>(
            vmime::text(mail.RecipientName, utf8), vmime::emailAddress(mail.RecipientAddress)));
        builder.setSubject(vmime::text(mail.Subject, utf8));
        builder.getTextPart()->setCharset(utf8);
        builder.getTextPart()->setText(std::make_shared<vmime::stringContentHandler>(mail.Body));
        auto message = builder.construct();

        auto session = vmime::net::session::create();
        const vmime::utility::url url(Scheme("smtp", account_.SmtpSecurity), account_.SmtpServer,
                                      static_cast<vmime::port_t>(SmtpPortFor(account_)));
        auto transport = session->getTransport(url);
        Prepare(*transport, account_.SmtpSecurity, account_, account_.SmtpAuthentication, Timeouts(),
                SmtpPortFor(account_), refusals_, Sockets());
        transport->setProperty("options.need-authentication", account_.SmtpAuthentication);
        transport->connect();
        try {
            transport->send(message);
        } catch (...) {
            try {
                transport->disconnect();
            } catch (const std::exception&) {
            }
            throw;
        }
        transport->disconnect();
        return true;
    } catch (const std::exception& e) {
        return Fail(e, account_.SmtpServer, SmtpPortFor(account_),
                    "Could not send the message through " + account_.SmtpServer);
    }
}

} // namespace MailSupport
