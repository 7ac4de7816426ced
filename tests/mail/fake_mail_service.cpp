#include "tests/mail/fake_mail_service.h"

#include "store/file_system.h"

#include <algorithm>

namespace MailTesting {
namespace {

bool SameAddress(std::string a, std::string b)
{
    auto lower = [](std::string& s) { std::transform(s.begin(), s.end(), s.begin(), ::tolower); };
    lower(a);
    lower(b);
    return a == b;
}

} // namespace

std::string FakeMailSystem::Deliver(const std::string& to, const std::string& fromName,
                                    const std::string& fromAddress, const std::string& subject,
                                    const std::string& body)
{
    FakeMail mail{std::to_string(nextId_++), to, fromName, fromAddress, subject, body, false};
    mails_.push_back(mail);
    return mail.Id;
}

std::vector<FakeMail> FakeMailSystem::Inbox(const std::string& address) const
{
    std::vector<FakeMail> inbox;
    for (const FakeMail& m : mails_)
        if (SameAddress(m.To, address))
            inbox.push_back(m);
    return inbox;
}

bool FakeMailSystem::MarkRead(const std::string& id)
{
    for (FakeMail& m : mails_)
        if (m.Id == id)
            return m.Read = true;
    return false;
}

bool FakeMailSystem::MarkUnreadable(const std::string& id)
{
    for (FakeMail& m : mails_)
        if (m.Id == id)
            return m.Unreadable = true;
    return false;
}

bool FakeMailSystem::Remove(const std::string& id)
{
    const auto it =
        std::find_if(mails_.begin(), mails_.end(), [&](const FakeMail& m) { return m.Id == id; });
    if (it == mails_.end())
        return false;
    mails_.erase(it);
    return true;
}

const FakeMail* FakeMailSystem::Find(const std::string& id) const
{
    for (const FakeMail& m : mails_)
        if (m.Id == id)
            return &m;
    return nullptr;
}

bool FakeMailService::Fail(const std::string& what)
{
    lastError_ = what;
    return false;
}

const FakeMail* FakeMailService::Mine(const std::string& id) const
{
    const FakeMail* mail = system_.Find(id);
    return mail && SameAddress(mail->To, address_) ? mail : nullptr;
}

bool FakeMailService::Dropped()
{
    if (system_.DroppedCalls <= 0)
        return false;
    --system_.DroppedCalls;
    signedOn_ = false;
    return !Fail("The connection was dropped.");
}

bool FakeMailService::SignOn()
{
    if (system_.DuringSignOn)
        system_.DuringSignOn();
    if (system_.Down)
        return Fail("The fake mail system is down.");
    signedOn_ = true;
    return true;
}

bool FakeMailService::ListInbox(MailSupport::InboxScope scope,
                                std::vector<MailSupport::InboxMessage>& messages)
{
    messages.clear();
    if (!signedOn_)
        return Fail("Not signed on.");
    if (system_.Down)
        return Fail("The fake mail system is down.");
    if (Dropped())
        return false;
    for (const FakeMail& m : system_.Inbox(address_)) {
        if (scope == MailSupport::InboxScope::UnreadOnly && m.Read)
            continue;
        MailSupport::InboxMessage message{m.Id, m.Subject, m.FromName, m.FromAddress};
        // As a mail system reports a message's size with its listing.
        message.TooLarge = m.Body.size() > Database::ReceivedInputLimit;
        messages.push_back(std::move(message));
    }
    return true;
}

bool FakeMailService::ReadBody(const std::string& id, std::string& body)
{
    body.clear();
    if (!signedOn_ || system_.Down)
        return Fail("Not signed on.");
    if (Dropped())
        return false;
    const FakeMail* mail = Mine(id);
    if (!mail)
        return Fail("No such message.");
    if (mail->Unreadable)
        return Fail("The message cannot be decoded.");
    body = mail->Body;
    return true;
}

bool FakeMailService::Delete(const std::string& id)
{
    if (!signedOn_ || system_.Down)
        return Fail("Not signed on.");
    if (!Mine(id))
        return Fail("No such message.");
    return system_.Remove(id);
}

bool FakeMailService::Send(const MailSupport::OutgoingMail& mail)
{
    if (system_.Down)
        return Fail("The fake mail system is down.");
    if (mail.RecipientAddress.empty())
        return Fail("No recipient.");
    system_.Deliver(mail.RecipientAddress, name_, address_, mail.Subject, mail.Body);
    return true;
}

} // namespace MailTesting
