#include "shell/account_mail_service.h"
#include "tests/mail/fake_mail_service.h"

#include <gtest/gtest.h>

using MailSupport::AccountMailService;
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

} // namespace
