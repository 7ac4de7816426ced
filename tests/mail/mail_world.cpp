#include "tests/mail/mail_world.h"

#include "platform/mail_maildir.h"
#include "platform/mail_post_office.h"
#include "tests/mail/fake_mail_service.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailTesting {

bool MailWorld::WaitForMail(int player, std::size_t count)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (Subjects(player).size() < count) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TempFolder::TempFolder()
{
    char name[] = "/tmp/marrowdale-test.XXXXXX";
    if (!mkdtemp(name))
        throw std::runtime_error("mkdtemp failed");
    path_ = name;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void MaildirWorld::Inject(int player, const std::string& fromName, const std::string& fromAddress,
                          const std::string& subject, const std::string& body)
{
    MailSupport::Maildir::Message message{fromName,        fromAddress, Name(player),
                                          Address(player), subject,     body};
    Place(player, MailSupport::Maildir::Compose(message));
}

bool MaildirWorld::InjectUnreadable(int player, const std::string& fromName,
                                    const std::string& fromAddress, const std::string& subject)
{
    std::string text = MailSupport::Maildir::Compose(
        {fromName, fromAddress, Name(player), Address(player), subject, "caf\xE9 <<MARROWDALE:"});
    const std::string known = "charset=UTF-8";
    text.replace(text.find(known), known.size(), "charset=unknown-8bit");
    Place(player, text);
    return true;
}

void MaildirWorld::Place(int player, const std::string& text)
{
    const fs::path dir = MaildirOf(player);
    std::string error, id;
    if (!MailSupport::Maildir::Deliver(dir, text, error, &id))
        throw std::runtime_error(error);
    // A server reads the mail as the mailbox's owner, not as the test.
    struct stat owner { };
    if (stat(dir.c_str(), &owner) == 0 && owner.st_uid != geteuid()) {
        if (chown((dir / "new" / id).c_str(), owner.st_uid, owner.st_gid) != 0)
            throw std::runtime_error("chown failed");
    }
}

std::vector<std::string> MaildirWorld::Subjects(int player)
{
    std::vector<std::string> subjects;
    for (const auto& entry : MailSupport::Maildir::Scan(MaildirOf(player))) {
        const Database::BoundedRead head = MailSupport::Maildir::ReadHead(entry.Path);
        if (head.Outcome == Database::ReadOutcome::Read)
            subjects.push_back(MailSupport::Maildir::Parse(head.Text).Subject);
    }
    return subjects;
}

bool MaildirWorld::MarkAllRead(int player)
{
    for (const auto& entry : MailSupport::Maildir::Scan(MaildirOf(player))) {
        if (entry.Seen)
            continue;
        const std::string file = entry.Path.filename().string();
        const bool hasInfo = file.find(":2,") != std::string::npos;
        const fs::path target = MaildirOf(player) / "cur" / (hasInfo ? file + "S" : file + ":2,S");
        fs::rename(entry.Path, target);
    }
    return true;
}

bool MaildirWorld::FlagOldest(int player, char flag)
{
    const auto entries = MailSupport::Maildir::Scan(MaildirOf(player));
    if (entries.empty())
        return false;
    const std::string file = entries.front().Path.filename().string();
    const std::size_t info = file.find(":2,");
    std::string flags = info == std::string::npos ? "" : file.substr(info + 3);
    flags += flag;
    std::sort(flags.begin(), flags.end());
    fs::rename(entries.front().Path, MaildirOf(player) / "cur" / (entries.front().Id + ":2," + flags));
    return true;
}

void MaildirWorld::Clear()
{
    for (int player : {0, 1})
        for (const auto& entry : MailSupport::Maildir::Scan(MaildirOf(player)))
            fs::remove(entry.Path);
}

namespace {

const char* const Addresses[] = {"alice@marrowdale.test", "bob@marrowdale.test"};
const char* const Names[] = {"Alice Amber", "Bob Birch"};

class Fake : public MailWorld {
public:
    std::string Address(int player) const override { return Addresses[player]; }
    std::string Name(int player) const override { return Names[player]; }
    std::unique_ptr<MailSupport::MailService> NewService(int player) override
    {
        return std::make_unique<FakeMailService>(system_, Address(player), Name(player));
    }
    std::unique_ptr<MailSupport::MailService> DeadService(int player) override
    {
        dead_.Down = true;
        return std::make_unique<FakeMailService>(dead_, Address(player), Name(player));
    }
    void Inject(int player, const std::string& fromName, const std::string& fromAddress,
                const std::string& subject, const std::string& body) override
    {
        system_.Deliver(Address(player), fromName, fromAddress, subject, body);
    }
    std::vector<std::string> Subjects(int player) override
    {
        std::vector<std::string> subjects;
        for (const FakeMail& m : system_.Inbox(Address(player)))
            subjects.push_back(m.Subject);
        return subjects;
    }
    bool MarkAllRead(int player) override
    {
        for (const FakeMail& m : system_.Inbox(Address(player)))
            system_.MarkRead(m.Id);
        return true;
    }
    bool InjectUnreadable(int player, const std::string& fromName, const std::string& fromAddress,
                          const std::string& subject) override
    {
        return system_.MarkUnreadable(
            system_.Deliver(Address(player), fromName, fromAddress, subject, "?"));
    }
    bool DropConnections(int) override
    {
        system_.DroppedCalls = 1;
        return true;
    }

private:
    FakeMailSystem system_;
    FakeMailSystem dead_;
};

class PostOffice : public MaildirWorld {
public:
    std::string Address(int player) const override { return Addresses[player]; }
    std::string Name(int player) const override { return Names[player]; }
    std::unique_ptr<MailSupport::MailService> NewService(int player) override
    {
        return std::make_unique<MailSupport::PostOfficeMailService>(folder_.Path() / "post",
                                                                    Address(player), Name(player));
    }
    std::unique_ptr<MailSupport::MailService> DeadService(int player) override
    {
        // A shared folder that cannot exist: its parent is a file.
        const fs::path blocker = folder_.Path() / "not-a-folder";
        if (!fs::exists(blocker))
            std::ofstream(blocker.string()) << "x";
        return std::make_unique<MailSupport::PostOfficeMailService>(blocker / "post", Address(player),
                                                                    Name(player));
    }
    bool DropConnections(int) override { return false; }

protected:
    fs::path MaildirOf(int player) const override
    {
        return folder_.Path() / "post" / MailSupport::Maildir::FolderNameFor(Address(player));
    }

private:
    TempFolder folder_;
};

} // namespace

WorldKind FakeWorld()
{
    return {"Fake", [] { return std::make_unique<Fake>(); }};
}

WorldKind PostOfficeWorld()
{
    return {"PostOffice", [] { return std::make_unique<PostOffice>(); }};
}

} // namespace MailTesting
