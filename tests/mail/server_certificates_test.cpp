// Server certificates as the real test servers present them (the server's
// own certificate for 127.0.0.1 and the intermediate authority), over IMAP
// and POP3, SMTP submission, with TLS and with STARTTLS: verified against
// the root in the account's certificate file, refused for an unknown
// issuer and a wrong host name, passed once the user trusted exactly that
// certificate, refused as changed when another one was trusted.
#include "platform/mail_internet.h"
#include "tests/mail/server_worlds.h"

#include <gtest/gtest.h>

namespace MailTesting {
namespace {

using MailSupport::CertificateFault;
using MailSupport::ConnectionSecurity;
using MailSupport::InboxProtocol;
using MailSupport::InternetMailService;
using MailSupport::MailAccount;

const char* const Unrelated =
    "00:11:22:33:44:55:66:77:88:99:AA:BB:CC:DD:EE:FF:00:11:22:33:44:55:66:77:88:99:AA:BB:CC:DD:EE:FF";

struct Connection {
    const char* name;
    bool smtp;
    InboxProtocol protocol;
    ConnectionSecurity security;
    const char* port;
};

const Connection Connections[] = {
    {"ImapTls", false, InboxProtocol::Imap, ConnectionSecurity::Tls, "MD_MAIL_IMAPS_PORT"},
    {"ImapStartTls", false, InboxProtocol::Imap, ConnectionSecurity::StartTls, "MD_MAIL_IMAP_PORT"},
    {"Pop3Tls", false, InboxProtocol::Pop3, ConnectionSecurity::Tls, "MD_MAIL_POP3S_PORT"},
    {"Pop3StartTls", false, InboxProtocol::Pop3, ConnectionSecurity::StartTls, "MD_MAIL_POP3_PORT"},
    {"SubmissionTls", true, InboxProtocol::Imap, ConnectionSecurity::Tls, "MD_MAIL_SUBMISSIONS_PORT"},
    {"SubmissionStartTls", true, InboxProtocol::Imap, ConnectionSecurity::StartTls,
     "MD_MAIL_SUBMISSION_PORT"},
};

class ServerCertificates : public ::testing::TestWithParam<Connection> {
protected:
    void SetUp() override
    {
        if (!TestServers().Running())
            GTEST_SKIP() << "the mail servers are not running";
    }

    // Alice's account over this connection, trusting the test root.
    MailAccount Account(const std::string& host = "127.0.0.1") const
    {
        const Connection& c = GetParam();
        MailAccount account = TestServers().PlainAccount(c.protocol, "alice", "Alice Amber");
        account.InboxServer = account.SmtpServer = host;
        const int port = std::stoi(TestServers().Get(c.port));
        if (c.smtp) {
            account.SmtpPort = port;
            account.SmtpSecurity = c.security;
            account.SmtpAuthentication = true;
        } else {
            account.InboxPort = port;
            account.InboxSecurity = c.security;
        }
        account.TrustedCertificateFile = TestServers().Get("MD_MAIL_CERTIFICATE");
        return account;
    }
    int Port() const { return std::stoi(TestServers().Get(GetParam().port)); }

    // Signs on, or for SMTP sends one mail to Bob.
    static bool Use(InternetMailService& mail, bool smtp)
    {
        if (smtp)
            return mail.Send(
                {"bob@" + TestServers().Get("MD_MAIL_DOMAIN"), "Bob Birch", "cert", "test"});
        return mail.SignOn();
    }
    // The fault of the connection, None when it succeeded.
    struct Outcome {
        CertificateFault fault;
        std::string fingerprint;
        std::string error;
    };
    Outcome Try(const MailAccount& account) const
    {
        InternetMailService mail(account);
        if (Use(mail, GetParam().smtp))
            return {CertificateFault::None, {}, {}};
        const auto refused = mail.RefusedCertificate();
        EXPECT_TRUE(refused.has_value()) << mail.LastError();
        if (!refused)
            return {CertificateFault::Unverifiable, {}, mail.LastError()};
        EXPECT_EQ(mail.LastError(), MailSupport::RefusalText(*refused));
        return {refused->Fault, refused->Fingerprint, mail.LastError()};
    }
};

TEST_P(ServerCertificates, TheChainIsVerifiedAndTrustedOnceExactly)
{
    EXPECT_EQ(Try(Account()).fault, CertificateFault::None);

    // The server's name must be the one its certificate was made for.
    EXPECT_EQ(Try(Account("localhost")).fault, CertificateFault::WrongHost);

    // Without the root: an unknown issuer, whose certificate the user may
    // trust by its fingerprint.
    MailAccount untrusted = Account();
    untrusted.TrustedCertificateFile.clear();
    const Outcome unknown = Try(untrusted);
    EXPECT_EQ(unknown.fault, CertificateFault::UnknownIssuer) << unknown.error;
    ASSERT_FALSE(unknown.fingerprint.empty());
    EXPECT_NE(unknown.error.find("127.0.0.1:" + std::to_string(Port())), std::string::npos);

    const std::string server = MailSupport::ServerKey("127.0.0.1", Port());
    untrusted.TrustedServerCertificates[server] = unknown.fingerprint;
    EXPECT_EQ(Try(untrusted).fault, CertificateFault::None);

    untrusted.TrustedServerCertificates[server] = Unrelated;
    const Outcome changed = Try(untrusted);
    EXPECT_EQ(changed.fault, CertificateFault::Changed);
    EXPECT_NE(changed.error.find(Unrelated), std::string::npos) << changed.error;
    EXPECT_NE(changed.error.find(unknown.fingerprint), std::string::npos) << changed.error;
}

// Sending with a wrong password over a proven connection is refused as a
// refused log-on, nothing about the certificate.
TEST_P(ServerCertificates, AWrongPasswordIsRefusedForSending)
{
    if (!GetParam().smtp)
        GTEST_SKIP() << "the inbox's refused log-on is a mail scenario";
    MailAccount account = Account();
    account.Password += "-wrong";
    InternetMailService mail(account);
    EXPECT_FALSE(Use(mail, true));
    EXPECT_EQ(mail.LastError(),
              "The mail server 127.0.0.1 refused the log-on: check the user name and the password.");
    EXPECT_FALSE(mail.RefusedCertificate().has_value());
}

INSTANTIATE_TEST_SUITE_P(Servers, ServerCertificates, ::testing::ValuesIn(Connections),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace MailTesting
