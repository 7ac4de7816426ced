// mail [N] [STATE_FILE]: times the move-mail retrieval over the mail tests'
// private Dovecot, IMAP and POP3, with N unrelated mails (1,000 by default)
// and one move mail in the inbox: the start-up pass (every mail), a poll of
// the unchanged inbox (after the first poll that follows the start-up), and
// a poll after one more unrelated mail; and counts the log-ons each poll
// costs. Uses the servers of STATE_FILE when given (as
// tests/mail/servers/start-servers writes it), else starts its own (root
// only) and stops them at the end.

#include "bench/hosted_game.h"
#include "bench/milliseconds.h"
#include "bench/quiet_transport.h"
#include "platform/mail_internet.h"
#include "platform/mail_maildir.h"
#include "store/database.h"
#include "store/mail_support.h"
#include "store/move_payload.h"
#include "tests/mail/server_state.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A mail in the maildir as the server would have delivered it.
void Place(const fs::path& maildir, const std::string& subject, const std::string& body)
{
    MailSupport::Maildir::Message message{
        "Carol Cedar", "carol@example.org", "Bob Birch", "bob@marrowdale.test", subject, body};
    std::string error, id;
    if (!MailSupport::Maildir::Deliver(maildir, MailSupport::Maildir::Compose(message), error, &id)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    struct stat owner { };
    if (stat(maildir.c_str(), &owner) == 0)
        (void)!chown((maildir / "new" / id).c_str(), owner.st_uid, owner.st_gid);
}

// The move text of a new game from Alice to Bob.
std::string MoveText(const fs::path& folder)
{
    fs::create_directories(folder);
    const Database::DataFolder alice(folder);
    GameRecord game =
        Bench::HostedGame("Bob Birch", StatusAwaitingOpponent, "100120260830", "10/01/2026");
    game.GAME_OPPONENTS_EMAIL = "bob@marrowdale.test";
    MoveList moves;
    std::string text;
    if (!Database::SaveGame(alice, game, {{1, "5254", "e4", ""}})
        || !MailSupport::ComposeMoveText(alice, 1, game, moves, text)) {
        std::fprintf(stderr, "cannot compose the move mail\n");
        std::exit(1);
    }
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    const int unrelated = argc > 1 ? std::atoi(argv[1]) : 1000;
    fs::path stateFile = argc > 2 ? fs::path(argv[2]) : fs::path();
    const bool ownServers = stateFile.empty() || !fs::exists(stateFile);
    if (ownServers) {
        stateFile = fs::temp_directory_path() / ("marrowdale-bench-mail-" + std::to_string(getpid()));
        if (!MailTesting::StartServers(stateFile)) {
            std::fprintf(stderr, "the mail servers did not start\n");
            return 1;
        }
    }
    const MailTesting::ServerState state(stateFile);
    if (!state.Running()) {
        std::fprintf(stderr, "no mail servers: %s\n", state.Get("MD_MAIL_SERVERS_UNAVAILABLE").c_str());
        return 1;
    }

    char temp[] = "/tmp/marrowdale-bench-mail.XXXXXX";
    const fs::path work = mkdtemp(temp);
    const std::string moveText = MoveText(work / "alice");
    const fs::path inbox = state.Maildir("bob");

    for (const auto protocol : {MailSupport::InboxProtocol::Imap, MailSupport::InboxProtocol::Pop3}) {
        const bool imap = protocol == MailSupport::InboxProtocol::Imap;
        for (const auto& entry : MailSupport::Maildir::Scan(inbox))
            fs::remove(entry.Path);
        for (int i = 0; i < unrelated; ++i)
            Place(inbox, "Minutes of meeting " + std::to_string(i), "Nothing about chess.\r\n");
        Place(inbox, "Marrowdale : e4, No comment.", moveText);

        const fs::path folder = work / (imap ? "bob-imap" : "bob-pop3");
        fs::create_directories(folder);
        MailSupport::InternetMailService mail(state.PlainAccount(protocol, "bob", "Bob Birch"));
        Bench::CountingSink sink;
        MailSupport::MailState mailState;
        Bench::QuietLogon logon;
        Bench::QuietWindows windows;
        MailSupport::Transport transport{
            mail, Database::DataFolder(folder, nullptr, &sink), mailState, logon, windows, nullptr};

        auto begin = Bench::Clock::now();
        MailSupport::ConnectAndRetrieve(transport, false, false, true);
        const double startup = Bench::Milliseconds(Bench::Clock::now() - begin);
        const bool merged = mailState.PendingMoveList == "1;";

        MailSupport::RetrieveMoveMails(transport, false, false);
        const std::size_t logOnsBefore = mail.LogOns();
        begin = Bench::Clock::now();
        MailSupport::RetrieveMoveMails(transport, false, false);
        const double poll = Bench::Milliseconds(Bench::Clock::now() - begin);
        const std::size_t pollLogOns = mail.LogOns() - logOnsBefore;

        Place(inbox, "One more minute", "Still nothing about chess.\r\n");
        begin = Bench::Clock::now();
        MailSupport::RetrieveMoveMails(transport, false, false);
        const double pollNew = Bench::Milliseconds(Bench::Clock::now() - begin);
        const std::size_t pollNewLogOns = mail.LogOns() - logOnsBefore - pollLogOns;
        mail.SignOff();

        std::printf("%s mails %d startup_ms %.0f merged %s poll_unchanged_ms %.1f logons %zu "
                    "poll_one_new_ms %.1f logons %zu messages %d\n",
                    imap ? "imap" : "pop3", unrelated + 1, startup, merged ? "yes" : "NO", poll,
                    pollLogOns, pollNew, pollNewLogOns, sink.Messages);
    }

    for (const auto& entry : MailSupport::Maildir::Scan(inbox))
        fs::remove(entry.Path);
    std::error_code ec;
    fs::remove_all(work, ec);
    if (ownServers)
        MailTesting::StopServers(stateFile);
    return 0;
}
