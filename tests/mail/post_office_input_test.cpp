// What another user of the shared post office folder, or bad luck, can put
// in a player's mailbox: a huge file, a link, a FIFO, a device, a name that
// keeps changing what it is, a mailbox folder pointing elsewhere. None of
// them costs more than a game weighs, blocks the mail or is read or written
// through, and an honest move mail after them is stored.
#include "platform/mail_maildir.h"
#include "platform/mail_post_office.h"
#include "tests/mail/transport_scenario.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailTesting {
namespace {

// What this process has read through read(2) and its kin so far.
std::uint64_t BytesReadSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

constexpr const char* LeftInInbox = "is larger than any game, so Marrowdale left it in your Inbox";

class HostileInbox : public TransportScenario {
protected:
    fs::path BobsBox() const
    {
        return dynamic_cast<MailSupport::PostOfficeMailService&>(*bob->mail)
            .MaildirOf(world->Address(1));
    }
    // A name that sorts before any delivered mail, so it is met first.
    fs::path First(const std::string& tag) const
    {
        return BobsBox() / "new" / ("0000000000.M0P0Q0." + tag);
    }

    static void WriteMail(const fs::path& file, const std::string& body)
    {
        std::ofstream(file, std::ios::binary) << "From: Mallory <mallory@example.org>\r\n"
                                                 "Subject: Marrowdale : e4, No comment.\r\n\r\n"
                                              << body;
    }

    std::string error;
};

TEST_P(HostileInbox, AHugeFileAheadOfAnHonestMailIsToldOnceAndLeftAlone)
{
    for (const off_t size : {off_t{3} << 30, off_t{64} << 30}) {
        SCOPED_TRACE(size);
        AliceStartsGame();
        bob->sink.calls.clear();
        const fs::path big = First(std::to_string(size));
        WriteMail(big, "<<MARROWDALE:");
        ASSERT_EQ(truncate(big.c_str(), size), 0);

        // The program's start: every mail.
        MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
        EXPECT_FALSE(bob->state.MailOffline);
        EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
        ASSERT_EQ(bob->sink.calls.size(), 1u);
        EXPECT_NE(bob->sink.calls[0].text.find(std::string("A move mail from mallory@example.org ")
                                               + LeftInInbox),
                  std::string::npos)
            << bob->sink.calls[0].text;
        EXPECT_EQ(fs::file_size(big), static_cast<std::uintmax_t>(size));

        // Polling passes over it without a word, and without opening it
        // again: a poll reads less than the header block a listing takes.
        MailSupport::RetrieveMoveMails(bob->transport, false, false);
        const std::uint64_t before = BytesReadSoFar();
        MailSupport::RetrieveMoveMails(bob->transport, false, false);
        EXPECT_LT(BytesReadSoFar() - before, Database::HeaderBlockLimit);
        EXPECT_EQ(bob->sink.calls.size(), 1u);
        EXPECT_TRUE(fs::exists(big));
        fs::remove(big);
        // The next round starts from a fresh game on both sides.
        bob->Store(NewMailGame(3, "x", "x@y", "010120260901"), {Move(1, "5254", "e4")});
        alice = std::make_unique<Player>(world->NewService(0));
    }
}

TEST_P(HostileInbox, LinksFifosAndDevicesAreSkippedWithoutWaiting)
{
    // A move mail outside the post office that a link would smuggle in.
    const fs::path outside = bob->temp.Path() / "elsewhere";
    // Followed, it would be told as a broken move mail.
    WriteMail(outside, "x");
    ASSERT_TRUE(MailSupport::Maildir::Ensure(BobsBox(), error));
    fs::create_symlink(outside, First("link"));
    ASSERT_EQ(mkfifo(First("fifo").c_str(), 0660), 0);
    const bool device = mknod(First("device").c_str(), S_IFCHR | 0660, makedev(1, 3)) == 0;
    if (!device)
        std::cout << "no device node (mknod: " << std::strerror(errno) << "), that case is skipped\n";
    AliceStartsGame();

    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_TRUE(bob->sink.calls.empty()) << bob->sink.calls.front().text;
    EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
    EXPECT_TRUE(fs::is_symlink(First("link")));
    EXPECT_TRUE(fs::exists(outside));
    EXPECT_TRUE(fs::is_fifo(First("fifo")));
    if (device) {
        EXPECT_TRUE(fs::is_character_file(First("device")));
    }
}

TEST_P(HostileInbox, ANameSwappedBetweenAFileAndAFifoNeverBlocksThePolling)
{
    ASSERT_TRUE(MailSupport::Maildir::Ensure(BobsBox(), error));
    const fs::path name = First("swapped");
    const fs::path fileSide = BobsBox() / "tmp" / "file";
    const fs::path fifoSide = BobsBox() / "tmp" / "fifo";
    std::atomic<bool> stop{false};
    // Another user's script: the name is a mail, then a FIFO, again and
    // again, each change a rename so the name is never missing.
    std::thread swapper([&] {
        while (!stop) {
            WriteMail(fileSide, "not a game");
            fs::rename(fileSide, name);
            mkfifo(fifoSide.c_str(), 0660);
            fs::rename(fifoSide, name);
        }
    });
    for (int pass = 0; pass < 20; ++pass)
        MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    AliceStartsGame();
    MailSupport::RetrieveMoveMails(bob->transport, false, false);
    stop = true;
    swapper.join();
    EXPECT_FALSE(bob->state.MailOffline);
    EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
}

TEST_P(HostileInbox, AMailboxFolderThatIsALinkIsRefusedForReadingAndDelivery)
{
    // Bob's new/ points at a folder outside the post office holding a mail.
    ASSERT_TRUE(MailSupport::Maildir::Ensure(BobsBox(), error));
    const fs::path outside = bob->temp.Path() / "outside";
    fs::create_directory(outside);
    WriteMail(outside / "0000000000.M0P0Q0.planted", "x");
    fs::remove(BobsBox() / "new");
    fs::create_symlink(outside, BobsBox() / "new");
    const std::string refusal = "The mail folder " + (BobsBox() / "new").string()
                                + " is a symbolic link, so Marrowdale neither reads nor delivers mail "
                                  "through it.";

    alice->Store(NewMailGame(1, world->Name(1), world->Address(1), Datestamp),
                 {Move(1, "5254", "e4", "Good luck")});
    MailSupport::SignOn(alice->transport, false);
    EXPECT_FALSE(MailSupport::SendMoveMail(alice->transport, 1));
    EXPECT_EQ(alice->mail->LastError(), refusal);

    EXPECT_FALSE(bob->mail->SignOn());
    EXPECT_EQ(bob->mail->LastError(), refusal);
    std::vector<MailSupport::InboxMessage> inbox;
    EXPECT_FALSE(bob->mail->ListInbox(MailSupport::InboxScope::All, inbox));
    EXPECT_TRUE(inbox.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1);

    // Made a folder again, the mailbox serves, and the mail sent now is stored.
    fs::remove(BobsBox() / "new");
    fs::create_directory(BobsBox() / "new");
    ASSERT_TRUE(MailSupport::SendMoveMail(alice->transport, 1));
    MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
    EXPECT_EQ(bob->Moves(2), (MoveList{Move(1, "5254", "e4", "Good luck")}));
    EXPECT_TRUE(fs::exists(outside / "0000000000.M0P0Q0.planted"));
}

// Quoted-printable with soft line breaks, as mail programs write it.
std::string QuotedPrintable(const std::string& text)
{
    std::string out, line;
    const char* hex = "0123456789ABCDEF";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::string piece;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += line + "\r\n";
            line.clear();
            ++i;
            continue;
        }
        if ((c >= 33 && c <= 126 && c != '=') || c == ' ')
            piece = static_cast<char>(c);
        else
            piece = std::string("=") + hex[c >> 4] + hex[c & 15];
        if (line.size() + piece.size() > 75) {
            out += line + "=\r\n";
            line.clear();
        }
        line += piece;
    }
    return out + line;
}

std::string Base64(const std::string& text)
{
    const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        unsigned n = static_cast<unsigned char>(text[i]) << 16;
        if (i + 1 < text.size())
            n |= static_cast<unsigned char>(text[i + 1]) << 8;
        if (i + 2 < text.size())
            n |= static_cast<unsigned char>(text[i + 2]);
        out += digits[(n >> 18) & 63];
        out += digits[(n >> 12) & 63];
        out += i + 1 < text.size() ? digits[(n >> 6) & 63] : '=';
        out += i + 2 < text.size() ? digits[n & 63] : '=';
        if (out.size() % 78 == 76)
            out += "\r\n";
    }
    return out;
}

TEST_P(HostileInbox, AnEncodedMoveMailIsDecodedAsInternetMailIs)
{
    // A comment no plain 7-bit line carries, in a long move text.
    const std::string comment = "Tr\xC3\xA8s bien, = ma\xC3\xAEtre du jeu";
    alice->Store(NewMailGame(1, world->Name(1), world->Address(1), Datestamp),
                 {Move(1, "5254", "e4", comment)});
    const std::string text = AlicesMoveText();
    ASSERT_FALSE(text.empty());
    struct Case {
        const char* encoding;
        std::string body;
    };
    const Case cases[] = {{"quoted-printable", QuotedPrintable(text)}, {"base64", Base64(text)}};
    ASSERT_TRUE(MailSupport::Maildir::Ensure(BobsBox(), error));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        ASSERT_EQ(c.body.find("\xC3"), std::string::npos);
        std::ofstream(First(c.encoding), std::ios::binary)
            << "From: \"Alice\" <" << world->Address(0) << ">\r\n"
            << "To: <" << world->Address(1) << ">\r\n"
            << "Subject: Marrowdale : e4, Tr=C3=A8s\r\n"
            << "MIME-Version: 1.0\r\n"
            << "Content-Type: text/plain; charset=UTF-8\r\n"
            << "Content-Transfer-Encoding: " << c.encoding << "\r\n\r\n"
            << c.body << "\r\n";
        bob = std::make_unique<Player>(world->NewService(1));
        MailSupport::ConnectAndRetrieve(bob->transport, false, false, true);
        EXPECT_TRUE(bob->sink.calls.empty()) << bob->sink.calls.front().text;
        ASSERT_EQ(bob->Games().size(), 1u);
        EXPECT_EQ(bob->Moves(bob->Games()[0].GAME_ID), (MoveList{Move(1, "5254", "e4", comment)}));
        EXPECT_FALSE(fs::exists(First(c.encoding)));
    }
}

INSTANTIATE_TEST_SUITE_P(Local, HostileInbox, ::testing::Values(PostOfficeWorld()), WorldName);

} // namespace
} // namespace MailTesting
