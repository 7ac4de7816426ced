#pragma once
// The private Dovecot and OpenSMTPD of the mail tests, for the shell tests
// that run the whole program against them: started once around the tests
// by ctest (the state file named by MD_MAIL_SERVERS_STATE), or by the test
// binary itself when it is run by hand.

#include "platform/mail_account.h"
#include "tests/mail/server_state.h"

#include <filesystem>
#include <string>

namespace ShellTesting {

class MailServers {
public:
    MailServers();
    ~MailServers();
    MailServers(const MailServers&) = delete;
    MailServers& operator=(const MailServers&) = delete;

    // The one instance of the test binary, started the first time it is asked.
    static MailServers& Shared();

    std::string Get(const std::string& key) const;
    bool Running() const { return !Get("MD_MAIL_IMAP_PORT").empty(); }

    // The account of one of the servers' users ("alice", "bob"), plain on
    // loopback, without an SMTP log-on.
    MailSupport::MailAccount Account(MailSupport::InboxProtocol protocol, const std::string& user,
                                     const std::string& displayName) const;
    // The user's maildir folder of arrived mail ("new").
    std::filesystem::path NewMail(const std::string& user) const;
    // Empties every user's inbox.
    void ClearInboxes() const;

private:
    MailTesting::ServerState state_;
    std::filesystem::path own_;
};

// Waits (a few seconds at most) until the folder holds `count` files.
bool WaitForFiles(const std::filesystem::path& folder, std::size_t count);

} // namespace ShellTesting
