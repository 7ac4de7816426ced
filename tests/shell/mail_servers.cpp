#include "tests/shell/mail_servers.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ShellTesting {

namespace {

// The start script's state file: one shell assignment per line.
std::map<std::string, std::string> ReadServerState(const fs::path& file)
{
    std::map<std::string, std::string> state;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '\'' && value.back() == '\'')
            value = value.substr(1, value.size() - 2);
        state[line.substr(0, eq)] = value;
    }
    return state;
}

} // namespace

MailServers::MailServers()
{
    const char* shared = std::getenv("MD_MAIL_SERVERS_STATE");
    if (shared && fs::exists(shared)) {
        state_ = ReadServerState(shared);
        return;
    }
    own_ = fs::temp_directory_path() / ("marrowdale-shell-mail-" + std::to_string(getpid()));
    const std::string start =
        std::string(MD_MAIL_SERVER_SCRIPTS) + "/start-servers '" + own_.string() + "' >/dev/null";
    if (std::system(start.c_str()) == 0)
        state_ = ReadServerState(own_);
}

MailServers::~MailServers()
{
    if (!own_.empty())
        (void)std::system(
            (std::string(MD_MAIL_SERVER_SCRIPTS) + "/stop-servers '" + own_.string() + "'").c_str());
}

MailServers& MailServers::Shared()
{
    static MailServers servers;
    return servers;
}

std::string MailServers::Get(const std::string& key) const
{
    const auto it = state_.find(key);
    return it == state_.end() ? std::string() : it->second;
}

MailSupport::MailAccount MailServers::Account(MailSupport::InboxProtocol protocol,
                                              const std::string& user,
                                              const std::string& displayName) const
{
    MailSupport::MailAccount account;
    account.Protocol = protocol;
    account.InboxServer = Get("MD_MAIL_HOST");
    account.InboxPort = std::stoi(
        Get(protocol == MailSupport::InboxProtocol::Imap ? "MD_MAIL_IMAP_PORT" : "MD_MAIL_POP3_PORT"));
    account.InboxSecurity = MailSupport::ConnectionSecurity::None;
    account.SmtpServer = Get("MD_MAIL_HOST");
    account.SmtpPort = std::stoi(Get("MD_MAIL_SMTP_PORT"));
    account.SmtpSecurity = MailSupport::ConnectionSecurity::None;
    account.SmtpAuthentication = false;
    account.UserName = user + "@" + Get("MD_MAIL_DOMAIN");
    account.Password = Get("MD_MAIL_PASSWORD");
    account.Address = account.UserName;
    account.DisplayName = displayName;
    return account;
}

fs::path MailServers::NewMail(const std::string& user) const
{
    return fs::path(Get("MD_MAIL_MAILDIRS")) / user / "new";
}

void MailServers::ClearInboxes() const
{
    std::istringstream users(Get("MD_MAIL_ACCOUNTS"));
    for (std::string user; users >> user;)
        for (const char* sub : {"new", "cur"}) {
            std::error_code ec;
            for (auto& entry :
                 fs::directory_iterator(fs::path(Get("MD_MAIL_MAILDIRS")) / user / sub, ec))
                fs::remove(entry.path(), ec);
        }
}

bool WaitForFiles(const fs::path& folder, std::size_t count)
{
    for (int i = 0; i < 100; ++i) {
        std::error_code ec;
        std::size_t n = 0;
        for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator(); ++it)
            ++n;
        if (n >= count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

} // namespace ShellTesting
