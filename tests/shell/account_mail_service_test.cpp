#include "shell/account_mail_service.h"
#include "tests/mail/fake_mail_service.h"

#include <gtest/gtest.h>

#include <map>

using MailSupport::AccountMailService;
using MailSupport::CertificateFault;
using MailSupport::CertificateVerdict;
using MailSupport::MailAccount;

namespace {

class MemoryAccountStore : public MailSupport::MailAccountStore {
public:
    std::optional<MailAccount> Load() override { return kept; }
    bool Save(const MailAccount& account) override
    {
        kept = account;
        return true;
    }
    std::optional<MailAccount> kept;
};

// A refused log-on dialog is the error of that sign-on only: once signed
// on, a failing call reports its own error.
TEST(AccountMailService, ARefusedSignOnDoesNotStandForLaterErrors)
{
    MailTesting::FakeMailSystem system;
    MemoryAccountStore store;
    std::optional<MailAccount> answer;
    AccountMailService mail(
        store, [&](const MailAccount&, const std::string&) { return answer; },
        [&](const MailAccount&) {
            return std::make_unique<MailTesting::FakeMailService>(system, "alice@marrowdale.test",
                                                                  "Alice");
        });

    EXPECT_FALSE(mail.SignOn());
    EXPECT_EQ(mail.LastError(), "No mail account was given.");

    answer = MailAccount{};
    ASSERT_TRUE(mail.SignOn());
    EXPECT_TRUE(store.kept.has_value());
    std::string body;
    EXPECT_FALSE(mail.ReadBody("no-such-id", body));
    EXPECT_EQ(mail.LastError(), "No such message.");
}

// A failed sign-on with an account offers that account to correct, with the
// reason; Cancel leaves the service signed off and the stored account as
// it was. Signing on again after a dropped connection asks nothing.
TEST(AccountMailService, FailedSignOnOffersTheAccountToCorrect)
{
    struct Case {
        const char* name;
        std::vector<std::optional<std::string>> answers; // passwords typed, nothing: Cancel
        bool signedOn;
        std::string kept;
    };
    const Case cases[] = {
        {"corrected", {"right"}, true, "right"},
        {"corrected at the second try", {"wrong again", "right"}, true, "right"},
        {"cancelled", {std::nullopt}, false, "typo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MailTesting::FakeMailSystem up, down;
        down.Down = true;
        MemoryAccountStore store;
        store.kept = MailAccount{};
        store.kept->Password = "typo";
        std::vector<std::pair<std::string, std::string>> asked; // password shown, failure shown
        std::size_t next = 0;
        AccountMailService mail(
            store,
            [&](const MailAccount& current, const std::string& failure) -> std::optional<MailAccount> {
                asked.emplace_back(current.Password, failure);
                const std::optional<std::string> typed = c.answers.at(next++);
                if (!typed)
                    return std::nullopt;
                MailAccount corrected = current;
                corrected.Password = *typed;
                return corrected;
            },
            [&](const MailAccount& account) {
                return std::make_unique<MailTesting::FakeMailService>(
                    account.Password == "right" ? up : down, "alice@marrowdale.test", "Alice");
            });
        EXPECT_EQ(mail.SignOn(), c.signedOn);
        EXPECT_EQ(mail.IsSignedOn(), c.signedOn);
        EXPECT_EQ(next, c.answers.size());
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked[0].first, "typo");
        EXPECT_EQ(asked[0].second, "The fake mail system is down.");
        EXPECT_EQ(store.kept->Password, c.kept);
    }

    MailTesting::FakeMailSystem system;
    MemoryAccountStore store;
    store.kept = MailAccount{};
    int asks = 0;
    AccountMailService mail(
        store,
        [&](const MailAccount&, const std::string&) { return ++asks, std::optional<MailAccount>(); },
        [&](const MailAccount&) {
            return std::make_unique<MailTesting::FakeMailService>(system, "alice@marrowdale.test",
                                                                  "Alice");
        });
    ASSERT_TRUE(mail.SignOn());
    std::vector<MailSupport::InboxMessage> inbox;
    system.DroppedCalls = 1;
    EXPECT_FALSE(mail.ListInbox(MailSupport::InboxScope::All, inbox));
    system.Down = true;
    EXPECT_FALSE(mail.SignOn());
    EXPECT_EQ(asks, 0);
}

// Quiet sign-ons ask nothing; a cancelled dialog is the user's choice to
// work off-line until an account is given; a changed account is kept and
// used by the next sign-on.
TEST(AccountMailService, QuietDeclinedAndChangedAccounts)
{
    MailTesting::FakeMailSystem first, second;
    MemoryAccountStore store;
    int asks = 0;
    std::optional<MailAccount> answer;
    std::vector<std::string> opened;
    AccountMailService mail(
        store,
        [&](const MailAccount&, const std::string&) {
            ++asks;
            return answer;
        },
        [&](const MailAccount& account) {
            opened.push_back(account.Address);
            return std::make_unique<MailTesting::FakeMailService>(
                account.Address == "b@marrowdale.test" ? second : first, account.Address, "Alice");
        });
    mail.SetQuiet(true);
    EXPECT_FALSE(mail.SignOn());
    EXPECT_EQ(asks, 0);
    EXPECT_FALSE(mail.Declined());
    mail.SetQuiet(false);
    EXPECT_FALSE(mail.SignOn());
    EXPECT_EQ(asks, 1);
    EXPECT_TRUE(mail.Declined());

    MailAccount a;
    a.Address = "a@marrowdale.test";
    ASSERT_TRUE(mail.ChangeAccount(a));
    EXPECT_FALSE(mail.Declined());
    ASSERT_TRUE(mail.SignOn());
    mail.SignOff();
    MailAccount b;
    b.Address = "b@marrowdale.test";
    ASSERT_TRUE(mail.ChangeAccount(b));
    EXPECT_FALSE(mail.IsSignedOn());
    EXPECT_EQ(mail.CurrentAccount().Address, "b@marrowdale.test");
    ASSERT_TRUE(mail.SignOn());
    EXPECT_EQ(opened, (std::vector<std::string>{"a@marrowdale.test", "b@marrowdale.test"}));
    // That account down: a quiet sign-on fails without asking.
    second.Down = true;
    ASSERT_TRUE(mail.ChangeAccount(b));
    mail.SetQuiet(true);
    EXPECT_FALSE(mail.SignOn());
    EXPECT_EQ(asks, 1);
}

// A mail service whose servers present certificates no authority vouches
// for: it refuses each the way the internet mail service does, unless the
// account trusts that very certificate.
class UnprovenServers : public MailTesting::FakeMailService, public MailSupport::CertificateRefusals {
public:
    UnprovenServers(MailTesting::FakeMailSystem& system, const MailAccount& account,
                    std::map<std::string, std::string> presented)
        : FakeMailService(system, "alice@marrowdale.test", "Alice"), account_(account),
          presented_(std::move(presented))
    {
    }
    bool SignOn() override { return Proven("imap.test:993") && FakeMailService::SignOn(); }
    bool Send(const MailSupport::OutgoingMail& mail) override
    {
        return Proven("smtp.test:465") && FakeMailService::Send(mail);
    }
    std::string LastError() const override
    {
        return refused_ ? MailSupport::RefusalText(*refused_) : FakeMailService::LastError();
    }
    std::optional<CertificateVerdict> RefusedCertificate() const override { return refused_; }

private:
    bool Proven(const std::string& server)
    {
        refused_.reset();
        CertificateVerdict verdict{CertificateFault::SelfSigned, server, presented_.at(server), {}};
        const auto trusted = account_.TrustedServerCertificates.find(server);
        if (trusted != account_.TrustedServerCertificates.end()) {
            if (trusted->second == verdict.Fingerprint)
                return true;
            verdict.Fault = CertificateFault::Changed;
            verdict.TrustedFingerprint = trusted->second;
        }
        refused_ = verdict;
        return false;
    }
    MailAccount account_;
    std::map<std::string, std::string> presented_;
    std::optional<CertificateVerdict> refused_;
};

std::map<std::string, std::string> Trusting(const std::string& server, const std::string& fingerprint)
{
    return {{server, fingerprint}};
}

struct CertificateWorld {
    MailTesting::FakeMailSystem system;
    MemoryAccountStore store;
    std::map<std::string, std::string> presented{{"imap.test:993", "AA:01"}, {"smtp.test:465", "BB:02"}};
    std::vector<std::string> questions; // server and fingerprint asked about
    std::vector<bool> trustAnswers;
    std::vector<std::string> failuresShown; // by the log-on dialog, which cancels
    std::unique_ptr<AccountMailService> mail;

    explicit CertificateWorld(std::map<std::string, std::string> trusted = {})
    {
        store.kept = MailAccount{};
        store.kept->TrustedServerCertificates = std::move(trusted);
        mail = std::make_unique<AccountMailService>(
            store,
            [this](const MailAccount&, const std::string& failure) {
                failuresShown.push_back(failure);
                return std::optional<MailAccount>();
            },
            [this](const MailAccount& account) {
                return std::make_unique<UnprovenServers>(system, account, presented);
            },
            [this](const CertificateVerdict& refused) {
                questions.push_back(refused.Server + " " + refused.Fingerprint);
                const bool yes = trustAnswers.at(questions.size() - 1);
                return yes;
            });
    }
};

// Trusted, the certificate is kept for its server and the sign-on made
// again; declined, the log-on dialog shows why, and no later sign-on of
// this run asks again; a changed certificate is refused without a question.
TEST(AccountMailService, ACertificateNobodyVouchesForIsPutToTheUserOnce)
{
    {
        SCOPED_TRACE("trusted");
        CertificateWorld world;
        world.trustAnswers = {true};
        ASSERT_TRUE(world.mail->SignOn());
        EXPECT_EQ(world.questions, (std::vector<std::string>{"imap.test:993 AA:01"}));
        EXPECT_EQ(world.store.kept->TrustedServerCertificates.at("imap.test:993"), "AA:01");
        EXPECT_TRUE(world.failuresShown.empty());
    }
    {
        SCOPED_TRACE("declined");
        CertificateWorld world;
        world.trustAnswers = {false};
        EXPECT_FALSE(world.mail->SignOn());
        EXPECT_FALSE(world.mail->SignOn());
        EXPECT_EQ(world.questions.size(), 1u);
        ASSERT_EQ(world.failuresShown.size(), 2u);
        EXPECT_NE(world.failuresShown[0].find("signed by the server itself"), std::string::npos);
        EXPECT_TRUE(world.store.kept->TrustedServerCertificates.empty());
    }
    {
        SCOPED_TRACE("changed");
        CertificateWorld world(Trusting("imap.test:993", "CC:03"));
        EXPECT_FALSE(world.mail->SignOn());
        EXPECT_TRUE(world.questions.empty());
        ASSERT_EQ(world.failuresShown.size(), 1u);
        EXPECT_NE(world.failuresShown[0].find("changed"), std::string::npos);
        EXPECT_NE(world.failuresShown[0].find("CC:03"), std::string::npos);
        EXPECT_NE(world.failuresShown[0].find("AA:01"), std::string::npos);
        EXPECT_EQ(world.store.kept->TrustedServerCertificates.at("imap.test:993"), "CC:03");
    }
}

// The outgoing server's certificate is first met when a move is sent: the
// same question then, and the mail goes once it is trusted.
TEST(AccountMailService, TheOutgoingServersCertificateIsAskedAboutWhenSending)
{
    CertificateWorld world(Trusting("imap.test:993", "AA:01"));
    world.trustAnswers = {true};
    ASSERT_TRUE(world.mail->SignOn());
    ASSERT_TRUE(world.mail->Send({"bob@marrowdale.test", "Bob", "Marrowdale : e4", "body"}));
    EXPECT_EQ(world.questions, (std::vector<std::string>{"smtp.test:465 BB:02"}));
    EXPECT_EQ(world.store.kept->TrustedServerCertificates.at("smtp.test:465"), "BB:02");
    EXPECT_EQ(world.store.kept->TrustedServerCertificates.at("imap.test:993"), "AA:01");
    EXPECT_EQ(world.system.Inbox("bob@marrowdale.test").size(), 1u);
    EXPECT_TRUE(world.mail->IsSignedOn());

    // Declined, the send fails with the reason and is not asked about again.
    CertificateWorld declining(Trusting("imap.test:993", "AA:01"));
    declining.trustAnswers = {false};
    ASSERT_TRUE(declining.mail->SignOn());
    EXPECT_FALSE(declining.mail->Send({"bob@marrowdale.test", "Bob", "s", "b"}));
    EXPECT_FALSE(declining.mail->Send({"bob@marrowdale.test", "Bob", "s", "b"}));
    EXPECT_EQ(declining.questions.size(), 1u);
    EXPECT_NE(declining.mail->LastError().find("smtp.test:465"), std::string::npos);
}

} // namespace
