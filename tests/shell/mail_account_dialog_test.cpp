#include "shell/mail_account_dialog.h"
#include "tests/shell/shell_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace MailSupport;

namespace {

class MailAccountDialogTest : public ::testing::Test {
protected:
    void SetUp() override { TestSupport::EnsureQtApp(); }
    TestSupport::ScriptedHost host;
};

TEST_F(MailAccountDialogTest, InternetAccountAsTyped)
{
    std::optional<QString> shot;
    host.Script = [&](QWidget& window) {
        auto& d = static_cast<MailAccountDialog&>(window);
        d.InternetMail->setChecked(true);
        QTest::keyClicks(d.InboxServer, QStringLiteral("imap.example.org"));
        d.InboxKind->setCurrentIndex(1);
        d.InboxPort->setValue(1110);
        d.InboxSecurity->setCurrentIndex(0);
        QTest::keyClicks(d.SmtpServer, QStringLiteral("smtp.example.org"));
        d.SmtpSecurity->setCurrentIndex(2);
        d.SmtpAuthentication->setChecked(false);
        QTest::keyClicks(d.UserName, QStringLiteral("alice"));
        QTest::keyClicks(d.Password, QStringLiteral(" s3cret "));
        QTest::keyClicks(d.DisplayName, QStringLiteral("Alice Amber"));
        // OK without an address is refused in the dialog itself.
        d.OkButton->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.ProblemText->text(), QStringLiteral("Enter your own mail address."));
        QTest::keyClicks(d.Address, QStringLiteral("alice@example.org"));
        d.adjustSize();
        shot = ShellTesting::SaveScreenshot(d, QStringLiteral("mail-account-dialog"));
        QTest::keyClick(d.Address, Qt::Key_Return);
    };
    const std::optional<MailAccount> account = AskForMailAccount(MailAccount{});
    ASSERT_TRUE(account.has_value());
    ASSERT_TRUE(shot.has_value());
    std::printf("screenshot: %s\n", qPrintable(*shot));
    EXPECT_EQ(account->Protocol, InboxProtocol::Pop3);
    EXPECT_EQ(account->InboxServer, "imap.example.org");
    EXPECT_EQ(account->InboxPort, 1110);
    EXPECT_EQ(account->InboxSecurity, ConnectionSecurity::None);
    EXPECT_EQ(account->SmtpServer, "smtp.example.org");
    EXPECT_EQ(account->SmtpSecurity, ConnectionSecurity::Tls);
    EXPECT_FALSE(account->SmtpAuthentication);
    EXPECT_EQ(account->UserName, "alice");
    EXPECT_EQ(account->Password, " s3cret ");
    EXPECT_EQ(account->Address, "alice@example.org");
    EXPECT_EQ(account->DisplayName, "Alice Amber");
    EXPECT_TRUE(account->IsInternetAccountSet());
}

TEST_F(MailAccountDialogTest, PostOfficeKeepsNoServersAndCancelGivesNothing)
{
    MailAccount current;
    current.InboxServer = "old.example.org";
    current.TrustedCertificateFile = "/etc/chess/ca.pem";
    host.Script = [](QWidget& window) {
        auto& d = static_cast<MailAccountDialog&>(window);
        EXPECT_TRUE(d.InternetMail->isChecked());
        d.PostOffice->setChecked(true);
        EXPECT_FALSE(d.InboxGroup->isEnabled());
        // Without an address the post office takes the login name; a name
        // it needs.
        EXPECT_FALSE(d.Address->placeholderText().isEmpty());
        EXPECT_EQ(d.Problem(), QStringLiteral("Enter your name."));
        QTest::keyClicks(d.DisplayName, QStringLiteral("  "));
        EXPECT_EQ(d.Problem(), QStringLiteral("Enter your name."));
        QTest::keyClicks(d.DisplayName, QStringLiteral("Bob Birch"));
        EXPECT_TRUE(d.Problem().isEmpty());
        QTest::keyClicks(d.Address, QStringLiteral("bob"));
        EXPECT_FALSE(d.Problem().isEmpty());
        QTest::keyClicks(d.Address, QStringLiteral("@here"));
        QTest::keyClicks(d.PostOfficeFolder, QStringLiteral("/srv/chess"));
        d.OkButton->click();
    };
    const std::optional<MailAccount> account = AskForMailAccount(current);
    ASSERT_TRUE(account.has_value());
    EXPECT_FALSE(account->IsInternetAccountSet());
    EXPECT_TRUE(account->InboxServer.empty());
    EXPECT_EQ(account->PostOfficeFolder, "/srv/chess");
    EXPECT_EQ(account->Address, "bob@here");
    EXPECT_EQ(account->TrustedCertificateFile, "/etc/chess/ca.pem");

    for (int way = 0; way < 3; ++way) {
        host.Script = [way](QWidget& window) {
            auto& d = static_cast<MailAccountDialog&>(window);
            // Why the account failed stands under the fields to correct.
            EXPECT_EQ(d.ProblemText->text(), QStringLiteral("Could not log on: refused"));
            if (way == 0)
                d.CancelButton->click();
            else if (way == 1)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.close();
        };
        EXPECT_FALSE(AskForMailAccount(current, QStringLiteral("Could not log on: refused")).has_value())
            << way;
        EXPECT_FALSE(host.LeftOpen) << way;
    }
}

} // namespace
