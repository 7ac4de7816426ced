#pragma once
// Internet mail through VMime: the inbox over IMAP or POP3, sending over
// SMTP, each plain, upgraded with STARTTLS or on TLS, logging on with the
// account's user name and password. Every network wait gives up after 30
// seconds without progress.
//
// POP3 knows no read flag, so this service remembers which messages it has
// listed; an IMAP listing honours the server's flag as well. Reading a body
// never marks the message read on the server.

#include "platform/mail_account.h"
#include "store/mail_service.h"

#include <map>
#include <memory>
#include <set>

namespace vmime::net {
class session;
class store;
class folder;
class message;
} // namespace vmime::net

namespace MailSupport {

class InternetMailService : public MailService {
public:
    explicit InternetMailService(MailAccount account);
    ~InternetMailService() override;

    bool SignOn() override;
    void SignOff() override;
    bool IsSignedOn() const override;
    bool ListInbox(InboxScope scope, std::vector<InboxMessage>& messages) override;
    bool ReadBody(const std::string& id, std::string& body) override;
    bool Delete(const std::string& id) override;
    bool Send(const OutgoingMail& mail) override;
    std::string LastError() const override { return lastError_; }

    static constexpr int TimeoutSeconds = 30;

private:
    bool Fail(const std::string& what);
    void Connect();
    void Disconnect() noexcept;
    void OpenInbox();
    std::shared_ptr<vmime::net::message> Listed(const std::string& id);

    MailAccount account_;
    std::shared_ptr<vmime::net::session> session_;
    std::shared_ptr<vmime::net::store> store_;
    std::shared_ptr<vmime::net::folder> inbox_;
    // The last listing's messages by id (POP3 needs the message objects,
    // whose numbers only hold within one connection).
    std::map<std::string, std::shared_ptr<vmime::net::message>> listed_;
    // Every id a listing has returned during this service's life.
    std::set<std::string> reported_;
    std::string lastError_;
};

} // namespace MailSupport
