// The scenarios over internet mail: Dovecot for the inbox (IMAP and POP3),
// OpenSMTPD for sending plain and Dovecot's submission service for sending
// with TLS and a log-on, the inbox plain and over TLS, all started by the
// servers/ scripts. Under ctest
// they run once around all these tests (their state file is then there); a
// test binary started by hand starts and stops its own.
#include "tests/mail/server_worlds.h"
#include "platform/mail_internet.h"
#include "tests/mail/transport_scenario.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

namespace MailTesting {
namespace {

class MailServers : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (fs::exists(MD_MAIL_SERVERS_STATE)) {
            state_ = ServerState(MD_MAIL_SERVERS_STATE);
            return;
        }
        ownState_ = fs::temp_directory_path() / ("marrowdale-mail-" + std::to_string(getpid()));
        if (StartServers(ownState_))
            state_ = ServerState(ownState_);
    }
    void TearDown() override
    {
        if (!ownState_.empty())
            StopServers(ownState_);
    }
    // Empty when the servers are not running.
    const ServerState& State() const { return state_; }
    std::string Get(const std::string& key) const { return state_.Get(key); }
    bool Running() const { return state_.Running(); }

private:
    ServerState state_;
    fs::path ownState_;
};

MailServers* const Servers =
    static_cast<MailServers*>(::testing::AddGlobalTestEnvironment(new MailServers));

} // namespace

const ServerState& TestServers()
{
    return Servers->State();
}

namespace {

const char* const Users[] = {"alice", "bob"};
const char* const Names[] = {"Alice Amber", "Bob Birch"};

// How a player's program reaches the servers.
struct ServerSetup {
    const char* Name;
    MailSupport::InboxProtocol Protocol;
    MailSupport::ConnectionSecurity InboxSecurity;
    const char* InboxPort;
    MailSupport::ConnectionSecurity SmtpSecurity;
    const char* SmtpPort;
    bool SmtpAuthentication;
};

class ServerWorld : public MaildirWorld {
public:
    explicit ServerWorld(const ServerSetup& setup) : setup_(setup) { Clear(); }

    std::string Address(int player) const override
    {
        return std::string(Users[player]) + "@" + Servers->Get("MD_MAIL_DOMAIN");
    }
    std::string Name(int player) const override { return Names[player]; }

    MailSupport::MailAccount Account(int player) const
    {
        MailSupport::MailAccount account =
            Servers->State().PlainAccount(setup_.Protocol, Users[player], Name(player));
        account.InboxPort = std::stoi(Servers->Get(setup_.InboxPort));
        account.InboxSecurity = setup_.InboxSecurity;
        account.SmtpPort = std::stoi(Servers->Get(setup_.SmtpPort));
        account.SmtpSecurity = setup_.SmtpSecurity;
        account.SmtpAuthentication = setup_.SmtpAuthentication;
        account.TrustedCertificateFile = Servers->Get("MD_MAIL_CERTIFICATE");
        return account;
    }
    std::unique_ptr<MailSupport::MailService> NewService(int player) override
    {
        return std::make_unique<MailSupport::InternetMailService>(Account(player));
    }
    std::unique_ptr<MailSupport::MailService> DeadService(int player) override
    {
        MailSupport::MailAccount account = Account(player);
        account.InboxPort = account.SmtpPort = std::stoi(Servers->Get("MD_MAIL_CLOSED_PORT"));
        return std::make_unique<MailSupport::InternetMailService>(account);
    }
    std::unique_ptr<MailSupport::MailService> WrongPasswordService(int player) override
    {
        MailSupport::MailAccount account = Account(player);
        account.Password += "-wrong";
        // Without a log-on for sending, the plain test server refuses it as well.
        account.SmtpAuthentication = true;
        return std::make_unique<MailSupport::InternetMailService>(account);
    }
    std::unique_ptr<MailSupport::MailService> UntrustedService(int player) override
    {
        if (setup_.InboxSecurity == MailSupport::ConnectionSecurity::None)
            return nullptr;
        MailSupport::MailAccount account = Account(player);
        account.TrustedCertificateFile.clear();
        return std::make_unique<MailSupport::InternetMailService>(account);
    }
    bool MarkAllRead(int player) override
    {
        // POP3 has no read flag to set.
        return setup_.Protocol == MailSupport::InboxProtocol::Imap && MaildirWorld::MarkAllRead(player);
    }
    bool FlagOldestDeleted(int player) override
    {
        return setup_.Protocol == MailSupport::InboxProtocol::Imap && FlagOldest(player, 'T');
    }
    bool DropConnections(int player) override
    {
        const std::string kick = "doveadm -c '" + Servers->Get("MD_MAIL_DOVECOT_CONF") + "' kick '"
                                 + Address(player) + "' >/dev/null 2>&1";
        return std::system(kick.c_str()) == 0;
    }

protected:
    fs::path MaildirOf(int player) const override { return Servers->State().Maildir(Users[player]); }

private:
    ServerSetup setup_;
};

using Security = MailSupport::ConnectionSecurity;
const ServerSetup Setups[] = {
    {"Imap", MailSupport::InboxProtocol::Imap, Security::None, "MD_MAIL_IMAP_PORT", Security::None,
     "MD_MAIL_SMTP_PORT", false},
    {"Pop3", MailSupport::InboxProtocol::Pop3, Security::None, "MD_MAIL_POP3_PORT", Security::None,
     "MD_MAIL_SMTP_PORT", false},
    {"ImapTls", MailSupport::InboxProtocol::Imap, Security::Tls, "MD_MAIL_IMAPS_PORT", Security::None,
     "MD_MAIL_SMTP_PORT", false},
    {"Pop3StartTls", MailSupport::InboxProtocol::Pop3, Security::StartTls, "MD_MAIL_POP3_PORT",
     Security::None, "MD_MAIL_SMTP_PORT", false},
    {"ImapStartTlsSubmission", MailSupport::InboxProtocol::Imap, Security::StartTls, "MD_MAIL_IMAP_PORT",
     Security::StartTls, "MD_MAIL_SUBMISSION_PORT", true},
    {"Pop3TlsSubmission", MailSupport::InboxProtocol::Pop3, Security::Tls, "MD_MAIL_POP3S_PORT",
     Security::Tls, "MD_MAIL_SUBMISSIONS_PORT", true},
};

std::vector<WorldKind> ServerKinds()
{
    std::vector<WorldKind> kinds;
    for (const ServerSetup& setup : Setups)
        kinds.push_back({setup.Name, [setup]() -> std::unique_ptr<MailWorld> {
                             if (!Servers->Running())
                                 return nullptr;
                             return std::make_unique<ServerWorld>(setup);
                         }});
    return kinds;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Servers, MailScenario, ::testing::ValuesIn(ServerKinds()), WorldName);
INSTANTIATE_TEST_SUITE_P(Servers, TransportScenario, ::testing::ValuesIn(ServerKinds()), WorldName);

} // namespace MailTesting
