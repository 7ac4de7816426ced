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
        store, [&](const MailAccount&) { return answer; },
        [&](const MailAccount&) {
            return std::make_unique<MailTesting::FakeMailService>(system, "alice@marrowdale.test", "Alice");
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

} // namespace
