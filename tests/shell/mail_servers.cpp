#include "tests/shell/mail_servers.h"

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ShellTesting {

MailServers::MailServers()
{
    const char* shared = std::getenv("MD_MAIL_SERVERS_STATE");
    if (shared && fs::exists(shared)) {
        state_ = MailTesting::ServerState(shared);
        return;
    }
    own_ = fs::temp_directory_path() / ("marrowdale-shell-mail-" + std::to_string(getpid()));
    if (MailTesting::StartServers(own_))
        state_ = MailTesting::ServerState(own_);
}

MailServers::~MailServers()
{
    if (!own_.empty())
        MailTesting::StopServers(own_);
}

MailServers& MailServers::Shared()
{
    static MailServers servers;
    return servers;
}

std::string MailServers::Get(const std::string& key) const
{
    return state_.Get(key);
}

MailSupport::MailAccount MailServers::Account(MailSupport::InboxProtocol protocol,
                                              const std::string& user,
                                              const std::string& displayName) const
{
    return state_.PlainAccount(protocol, user, displayName);
}

fs::path MailServers::NewMail(const std::string& user) const
{
    return state_.Maildir(user) / "new";
}

void MailServers::ClearInboxes() const
{
    std::istringstream users(Get("MD_MAIL_ACCOUNTS"));
    for (std::string user; users >> user;)
        for (const char* sub : {"new", "cur"}) {
            std::error_code ec;
            for (auto& entry : fs::directory_iterator(state_.Maildir(user) / sub, ec))
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
