#pragma once
// The private Dovecot and OpenSMTPD of the mail tests as their start script
// leaves them: its state file read back, the scripts that start and stop
// them, and a plain account of one of their users. Shared by the server
// scenarios, the shell's tests over the servers and the mail benchmark.

#include "platform/mail_account.h"

#include <filesystem>
#include <map>
#include <string>

namespace MailTesting {

class ServerState {
public:
    ServerState() = default;
    // The start script's state file: one shell assignment per line.
    explicit ServerState(const std::filesystem::path& file);

    // Empty when the file does not name the key.
    std::string Get(const std::string& key) const;
    bool Running() const { return !Get("MD_MAIL_IMAP_PORT").empty(); }

    // The account of one of the servers' users ("alice", "bob"), plain on
    // loopback, without an SMTP log-on.
    MailSupport::MailAccount PlainAccount(MailSupport::InboxProtocol protocol, const std::string& user,
                                          const std::string& displayName) const;
    std::filesystem::path Maildir(const std::string& user) const;

private:
    std::map<std::string, std::string> values_;
};

// Start the servers (as root only), their state written to `stateFile`;
// false when they did not start.
bool StartServers(const std::filesystem::path& stateFile);
void StopServers(const std::filesystem::path& stateFile);

} // namespace MailTesting
