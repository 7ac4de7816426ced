// big-inbox [GB]: a post-office inbox holding a sparse file of GB gigabytes
// (3 by default) ahead of one honest move mail. Times the start-up pass and
// the next poll, and prints the process's peak resident memory (VmHWM):
// the pass must store the game at the cost of a game, not of the file.

#include "bench/hosted_game.h"
#include "bench/milliseconds.h"
#include "bench/quiet_transport.h"
#include "platform/mail_maildir.h"
#include "platform/mail_post_office.h"
#include "store/database.h"
#include "store/mail_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The process's peak resident memory so far, in kB.
long PeakResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

void Fail(const std::string& why)
{
    std::fprintf(stderr, "%s\n", why.c_str());
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    const long gigabytes = argc > 1 ? std::atol(argv[1]) : 3;
    char temp[] = "/tmp/marrowdale-bench-big-inbox.XXXXXX";
    if (!mkdtemp(temp))
        Fail("no temporary folder");
    const fs::path work = temp;
    const fs::path post = work / "post";

    // Alice's game, sent through the post office to Bob.
    const fs::path aliceFolder = work / "alice";
    fs::create_directories(aliceFolder);
    Bench::CountingSink aliceSink;
    const Database::DataFolder alice(aliceFolder, nullptr, &aliceSink);
    GameRecord game =
        Bench::HostedGame("Bob Birch", StatusAwaitingOpponent, "100120260830", "10/01/2026");
    game.GAME_OPPONENTS_EMAIL = "bob@marrowdale.test";
    if (!Database::SaveGame(alice, game, {{1, "5254", "e4", ""}}))
        Fail("cannot store Alice's game");
    MailSupport::PostOfficeMailService aliceMail(post, "alice@marrowdale.test", "Alice Ash");
    MailSupport::MailState aliceState;
    Bench::QuietLogon logon;
    Bench::QuietWindows windows;
    MailSupport::Transport aliceTransport{aliceMail, alice, aliceState, logon, windows, nullptr};
    MailSupport::SignOn(aliceTransport, false);
    if (!MailSupport::SendMoveMail(aliceTransport, 1))
        Fail("cannot send Alice's move mail");

    // The big file, met before the honest mail (names sort by time).
    MailSupport::PostOfficeMailService bobMail(post, "bob@marrowdale.test", "Bob Birch");
    const fs::path big = bobMail.MaildirOf("bob@marrowdale.test") / "new" / "0000000000.M0P0Q0.big";
    std::ofstream(big, std::ios::binary) << "From: Mallory <mallory@example.org>\r\n"
                                            "Subject: Marrowdale : e4, No comment.\r\n\r\n<<MARROWDALE:";
    if (truncate(big.c_str(), static_cast<off_t>(gigabytes) << 30) != 0)
        Fail("cannot make the big file");

    const fs::path bobFolder = work / "bob";
    fs::create_directories(bobFolder);
    Bench::CountingSink sink;
    MailSupport::MailState bobState;
    MailSupport::Transport bob{
        bobMail, Database::DataFolder(bobFolder, nullptr, &sink), bobState, logon, windows, nullptr};
    const long before = PeakResidentKb();
    auto begin = Bench::Clock::now();
    MailSupport::ConnectAndRetrieve(bob, false, false, true);
    const double startup = Bench::Milliseconds(Bench::Clock::now() - begin);
    const bool stored = bobState.PendingMoveList == "2;" || bobState.PendingMoveList == "1;";
    const int toldAtStart = sink.Messages;
    begin = Bench::Clock::now();
    MailSupport::RetrieveMoveMails(bob, false, false);
    const double poll = Bench::Milliseconds(Bench::Clock::now() - begin);
    const long peak = PeakResidentKb();

    std::printf("big_file_gb %ld startup_ms %.1f stored %s told %d poll_ms %.1f told_again %d "
                "peak_resident_mb_before %.1f peak_resident_mb %.1f big_file_left %s\n",
                gigabytes, startup, stored ? "yes" : "NO", toldAtStart, poll,
                sink.Messages - toldAtStart, before / 1024.0, peak / 1024.0,
                fs::exists(big) ? "yes" : "NO");
    std::error_code ec;
    fs::remove_all(work, ec);
    return stored ? 0 : 1;
}
