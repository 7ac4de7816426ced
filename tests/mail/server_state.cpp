#include "tests/mail/server_state.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace MailTesting {

ServerState::ServerState(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
            value = value.substr(1, value.size() - 2);
        values_[line.substr(0, eq)] = value;
    }
}

std::string ServerState::Get(const std::string& key) const
{
    const auto it = values_.find(key);
    return it == values_.end() ? std::string() : it->second;
}

MailSupport::MailAccount ServerState::PlainAccount(MailSupport::InboxProtocol protocol,
                                                   const std::string& user,
                                                   const std::string& displayName) const
{
    MailSupport::MailAccount account;
    account.Protocol = protocol;
    account.InboxServer = account.SmtpServer = Get("MD_MAIL_HOST");
    account.InboxPort = std::stoi(
        Get(protocol == MailSupport::InboxProtocol::Imap ? "MD_MAIL_IMAP_PORT" : "MD_MAIL_POP3_PORT"));
    account.SmtpPort = std::stoi(Get("MD_MAIL_SMTP_PORT"));
    account.InboxSecurity = account.SmtpSecurity = MailSupport::ConnectionSecurity::None;
    account.SmtpAuthentication = false;
    account.UserName = account.Address = user + "@" + Get("MD_MAIL_DOMAIN");
    account.Password = Get("MD_MAIL_PASSWORD");
    account.DisplayName = displayName;
    return account;
}

fs::path ServerState::Maildir(const std::string& user) const
{
    return fs::path(Get("MD_MAIL_MAILDIRS")) / user;
}

bool StartServers(const fs::path& stateFile)
{
    const std::string start =
        std::string(MD_MAIL_SERVER_SCRIPTS) + "/start-servers '" + stateFile.string() + "' >/dev/null";
    return std::system(start.c_str()) == 0;
}

void StopServers(const fs::path& stateFile)
{
    const std::string stop =
        std::string(MD_MAIL_SERVER_SCRIPTS) + "/stop-servers '" + stateFile.string() + "'";
    (void)std::system(stop.c_str());
}

} // namespace MailTesting
