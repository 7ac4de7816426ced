#pragma once
// The mail system as the move-mail transport needs it: an inbox to list,
// read and delete from, and a way to send one message to one recipient.
// The platform layer puts internet mail, a local post office or a test fake
// behind it; the transport logic never knows which.
//
// Every call blocks until it is done or has failed; a failure is a false
// result with the reason in LastError(), never an exception.

#include <optional>
#include <string>
#include <vector>

namespace MailSupport {

// One inbox message as a listing shows it. Texts are UTF-8, decoded from
// whatever the mail system stored.
struct InboxMessage {
    // Names the message for ReadBody and Delete while it stays in the inbox.
    std::string Id;
    std::string Subject;
    std::string SenderName;
    std::string SenderAddress;
    // The mail system reports it larger than the received-input limit: its
    // body is never fetched, and it stays in the inbox.
    bool TooLarge = false;
};

struct OutgoingMail {
    std::string RecipientAddress;
    std::string RecipientName;
    std::string Subject;
    std::string Body;
};

enum class InboxScope {
    // Messages the mail system holds as unread (every message where it
    // keeps no read flag). The transport itself passes over the ones it
    // has dealt with, so nothing is marked read for the user's own client.
    UnreadOnly,
    // Every message of the inbox, read or not.
    All,
};

class MailService {
public:
    virtual ~MailService() = default;

    // Opens the connection to the inbox. True when it is open (also when it
    // already was).
    virtual bool SignOn() = 0;
    // Closes the connection, committing deletions; never fails, and does
    // nothing when it is not open.
    virtual void SignOff() = 0;
    virtual bool IsSignedOn() const = 0;

    // The inbox in arrival order, oldest first. A listing also brings in
    // what arrived since the previous one.
    virtual bool ListInbox(InboxScope scope, std::vector<InboxMessage>& messages) = 0;
    // The message's text, decoded; reading does not mark it read. A
    // message that cannot be decoded fails with the service still signed
    // on; a failure that also lost the connection leaves it signed off.
    virtual bool ReadBody(const std::string& id, std::string& body) = 0;
    // Removes the message from the inbox for good.
    virtual bool Delete(const std::string& id) = 0;
    // Sends from the account's own address and name.
    virtual bool Send(const OutgoingMail& mail) = 0;

    // Why the last call that failed failed, in words for a person.
    virtual std::string LastError() const = 0;
    // The last call failed because the user cancelled it: the program goes
    // off-line and tells nothing more of it.
    virtual bool Cancelled() const { return false; }
};

struct AddressEntry {
    std::string Name;
    std::string Address;
    bool operator==(const AddressEntry&) const = default;
};

// The people the user can send a game to.
class AddressBook {
public:
    virtual ~AddressBook() = default;
    // Every entry, sorted by name, each address once.
    virtual std::vector<AddressEntry> AllEntries() = 0;
    // The entry a typed name stands for: an entry whose name or address
    // equals it (ignoring case), or, for a typed mail address that is in no
    // entry, that address itself. Nothing when it cannot be resolved.
    virtual std::optional<AddressEntry> Resolve(const std::string& typed) = 0;
    // Keeps the person among the user's contacts (a new name replaces the
    // one kept for the address); false when that could not be written.
    virtual bool AddContact(const AddressEntry&) { return false; }
};

} // namespace MailSupport
