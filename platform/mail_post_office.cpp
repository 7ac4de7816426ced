#include "platform/mail_post_office.h"

#include "platform/mail_maildir.h"
#include "platform/mail_text.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace MailSupport {

PostOfficeMailService::PostOfficeMailService(fs::path sharedFolder, std::string ownAddress,
                                             std::string ownName)
    : shared_(std::move(sharedFolder)), address_(std::move(ownAddress)), name_(std::move(ownName))
{
}

bool PostOfficeMailService::Fail(const std::string& what)
{
    lastError_ = what;
    return false;
}

fs::path PostOfficeMailService::MaildirOf(const std::string& address) const
{
    const std::string folder = Maildir::FolderNameFor(address);
    return folder.empty() ? fs::path() : shared_ / folder;
}

bool PostOfficeMailService::SignOn()
{
    const fs::path own = MaildirOf(address_);
    if (own.empty())
        return Fail("The address \"" + address_ + "\" cannot have a mailbox.");
    std::string error;
    if (!Maildir::Ensure(own, error))
        return Fail(error);
    signedOn_ = true;
    return true;
}

bool PostOfficeMailService::ListInbox(InboxScope scope, std::vector<InboxMessage>& messages)
{
    messages.clear();
    if (!signedOn_)
        return Fail("Not signed on to the post office.");
    const fs::path own = MaildirOf(address_);
    if (const auto link = Maildir::LinkedFolder(own))
        return Fail(Maildir::LinkedFolderRefusal(*link));
    std::error_code ec;
    if (!fs::is_directory(own / "new", ec) || !fs::is_directory(own / "cur", ec))
        return Fail("The mailbox " + own.string() + " is gone.");
    std::map<fs::path, Listed> listed;
    for (const Maildir::Entry& entry : Maildir::Scan(own)) {
        if (scope == InboxScope::UnreadOnly && entry.Seen)
            continue;
        struct stat info { };
        if (lstat(entry.Path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue; // deleted meanwhile, or no longer a regular file
        Listed now{static_cast<std::uint64_t>(info.st_dev),
                   static_cast<std::uint64_t>(info.st_ino),
                   static_cast<std::uint64_t>(info.st_size),
                   static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec,
                   {}};
        const auto known = listed_.find(entry.Path);
        if (known != listed_.end() && known->second.Device == now.Device
            && known->second.Inode == now.Inode && known->second.Size == now.Size
            && known->second.ChangedNs == now.ChangedNs) {
            now.Message = known->second.Message;
        } else {
            // The header block alone: a listing costs the same for a huge
            // file as for a move mail.
            const Database::BoundedRead head = Maildir::ReadHead(entry.Path);
            if (head.Outcome != Database::ReadOutcome::Read)
                continue;
            const Maildir::Message parsed = Maildir::Parse(head.Text);
            now.Message = {entry.Id, parsed.Subject, parsed.FromName, parsed.FromAddress};
            now.Message.TooLarge = head.Size > Database::ReceivedInputLimit;
        }
        messages.push_back(now.Message);
        listed.emplace(entry.Path, std::move(now));
    }
    listed_ = std::move(listed);
    return true;
}

fs::path PostOfficeMailService::Find(const std::string& id) const
{
    if (Maildir::LinkedFolder(MaildirOf(address_)))
        return {};
    for (const Maildir::Entry& entry : Maildir::Scan(MaildirOf(address_)))
        if (entry.Id == id)
            return entry.Path;
    return {};
}

bool PostOfficeMailService::ReadBody(const std::string& id, std::string& body)
{
    body.clear();
    if (!signedOn_)
        return Fail("Not signed on to the post office.");
    if (const auto link = Maildir::LinkedFolder(MaildirOf(address_)))
        return Fail(Maildir::LinkedFolderRefusal(*link));
    const fs::path path = Find(id);
    if (path.empty())
        return Fail("The message is no longer in the mailbox.");
    const Database::BoundedRead read = Maildir::ReadWhole(path);
    switch (read.Outcome) {
    case Database::ReadOutcome::Read:
        break;
    case Database::ReadOutcome::TooLarge:
        return Fail("The message is larger than any game.");
    case Database::ReadOutcome::Unreadable:
        return Fail("The message could not be read.");
    case Database::ReadOutcome::Missing:
    case Database::ReadOutcome::NotRegularFile:
        return Fail("The message is no longer in the mailbox.");
    }
    // Decoded as internet mail is: a mail in the post office may come from
    // another program, in any transfer encoding, character set or shape.
    try {
        body = MailBodyText(read.Text);
    } catch (const std::exception& e) {
        body.clear();
        return Fail(std::string("Could not decode a message: ") + e.what());
    }
    return true;
}

bool PostOfficeMailService::Delete(const std::string& id)
{
    if (!signedOn_)
        return Fail("Not signed on to the post office.");
    const fs::path path = Find(id);
    std::error_code ec;
    if (path.empty() || !fs::remove(path, ec))
        return Fail("The message could not be deleted: "
                    + (ec ? ec.message() : std::string("it is no longer there")));
    return true;
}

bool PostOfficeMailService::Send(const OutgoingMail& mail)
{
    const fs::path to = MaildirOf(mail.RecipientAddress);
    if (to.empty())
        return Fail("The address \"" + mail.RecipientAddress + "\" cannot have a mailbox.");
    Maildir::Message message;
    message.FromName = name_;
    message.FromAddress = address_;
    message.ToName = mail.RecipientName;
    message.ToAddress = mail.RecipientAddress;
    message.Subject = mail.Subject;
    message.Body = mail.Body;
    std::string error;
    if (!Maildir::Deliver(to, Maildir::Compose(message), error))
        return Fail(error);
    return true;
}

} // namespace MailSupport
