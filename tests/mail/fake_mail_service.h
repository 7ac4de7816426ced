#pragma once
// An in-memory mail system for tests: mailboxes by address, and services
// that sign on to it as one address each. Faults are switched on by hand: a
// system that is down refuses everything, and a dropped connection fails
// the next listings the way an idle IMAP connection does after the server
// closed it.

#include "store/mail_service.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace MailTesting {

struct FakeMail {
    std::string Id;
    std::string To;
    std::string FromName;
    std::string FromAddress;
    std::string Subject;
    std::string Body;
    bool Read = false;
    // Its body cannot be decoded (an unknown character set, say).
    bool Unreadable = false;
};

class FakeMailSystem {
public:
    std::string Deliver(const std::string& to, const std::string& fromName,
                        const std::string& fromAddress, const std::string& subject,
                        const std::string& body);
    // The mails of one address, oldest first.
    std::vector<FakeMail> Inbox(const std::string& address) const;
    bool MarkRead(const std::string& id);
    bool MarkUnreadable(const std::string& id);
    bool Remove(const std::string& id);
    const FakeMail* Find(const std::string& id) const;

    bool Down = false;
    // Called inside every sign-on, before it succeeds or fails.
    std::function<void()> DuringSignOn;
    // Listings and body reads still to fail, each also dropping the
    // connection.
    int DroppedCalls = 0;

private:
    std::vector<FakeMail> mails_;
    int nextId_ = 1;
};

class FakeMailService : public MailSupport::MailService {
public:
    FakeMailService(FakeMailSystem& system, std::string address, std::string name)
        : system_(system), address_(std::move(address)), name_(std::move(name))
    {
    }

    bool SignOn() override;
    void SignOff() override { signedOn_ = false; }
    bool IsSignedOn() const override { return signedOn_; }
    bool ListInbox(MailSupport::InboxScope scope,
                   std::vector<MailSupport::InboxMessage>& messages) override;
    bool ReadBody(const std::string& id, std::string& body) override;
    bool Delete(const std::string& id) override;
    bool Send(const MailSupport::OutgoingMail& mail) override;
    std::string LastError() const override { return lastError_; }

private:
    bool Fail(const std::string& what);
    bool Dropped();
    const FakeMail* Mine(const std::string& id) const;

    FakeMailSystem& system_;
    std::string address_;
    std::string name_;
    bool signedOn_ = false;
    std::string lastError_;
};

} // namespace MailTesting
