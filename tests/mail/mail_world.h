#pragma once
// A mail system for the scenario tests to run on: two players with their
// addresses, services as each player's program would open them, and the
// test's own hand in the mailboxes (to put mail in, look at what is there,
// mark it read). Every implementation of the mail layer comes with one, so
// that one table of scenarios runs over all of them.

#include "store/mail_service.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace MailTesting {

class MailWorld {
public:
    virtual ~MailWorld() = default;

    // Players 0 and 1.
    virtual std::string Address(int player) const = 0;
    virtual std::string Name(int player) const = 0;

    // A service as a freshly started program of the player opens it.
    virtual std::unique_ptr<MailSupport::MailService> NewService(int player) = 0;
    // A service for the player whose mail system cannot be reached.
    virtual std::unique_ptr<MailSupport::MailService> DeadService(int player) = 0;
    // A service logging on with a wrong password, and one that does not
    // trust the server's certificate; null where there is no such thing.
    virtual std::unique_ptr<MailSupport::MailService> WrongPasswordService(int) { return nullptr; }
    virtual std::unique_ptr<MailSupport::MailService> UntrustedService(int) { return nullptr; }

    // A mail in the player's inbox as if someone had sent it.
    virtual void Inject(int player, const std::string& fromName, const std::string& fromAddress,
                        const std::string& subject, const std::string& body) = 0;
    // A mail in the player's inbox whose body the player's program cannot
    // decode (a character set no one knows); false where every body reads.
    virtual bool InjectUnreadable(int, const std::string&, const std::string&, const std::string&)
    {
        return false;
    }
    // The subjects in the player's inbox, oldest first.
    virtual std::vector<std::string> Subjects(int player) = 0;
    // Waits (a few seconds at most) until the inbox holds `count` mails, as
    // mail sent through a server arrives a moment later.
    virtual bool WaitForMail(int player, std::size_t count);
    // Marks every mail of the inbox read; false when the mail system has
    // no read flag.
    virtual bool MarkAllRead(int player) = 0;
    // Flags the oldest mail deleted the way a mail client does before it
    // expunges; false when the mail system has no such flag.
    virtual bool FlagOldestDeleted(int) { return false; }
    // Drops the player's open connections on the server's side; false when
    // there is no connection to drop.
    virtual bool DropConnections(int player) = 0;
};

struct WorldKind {
    std::string Name;
    std::function<std::unique_ptr<MailWorld>()> Make;
};

// A folder under /tmp, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The worlds whose mailboxes are maildirs on this machine: the post office
// and the test servers' delivery folders.
class MaildirWorld : public MailWorld {
public:
    void Inject(int player, const std::string& fromName, const std::string& fromAddress,
                const std::string& subject, const std::string& body) override;
    bool InjectUnreadable(int player, const std::string& fromName, const std::string& fromAddress,
                          const std::string& subject) override;
    std::vector<std::string> Subjects(int player) override;
    bool MarkAllRead(int player) override;

protected:
    bool FlagOldest(int player, char flag);
    void Place(int player, const std::string& text);
    virtual std::filesystem::path MaildirOf(int player) const = 0;
    // Empties both inboxes.
    void Clear();
};

WorldKind FakeWorld();
WorldKind PostOfficeWorld();

} // namespace MailTesting
