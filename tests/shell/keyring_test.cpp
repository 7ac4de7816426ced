// The mail password in a real keyring: the tests' own GNOME Keyring on a
// session bus of their own (tests/keyring), one that is there but never
// answers, and no session bus at all. Each suite runs in a process of its
// own, pointed at its bus by ctest.
#include "foundation/global_setup.h"
#include "platform/mail_account_settings.h"
#include "platform/qt_keychain_passwords.h"
#include "platform/registry.h"
#include "shell/mail_account_dialog.h"
#include "shell/program_services.h"
#include "tests/shell/shell_test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace MailSupport;
using SysTraySupport::SettingsAccountStore;

namespace {

// Signs on at once and remembers the account it was opened with.
class RecordingService : public MailService {
public:
    explicit RecordingService(MailAccount* opened, const MailAccount& account) { *opened = account; }
    bool SignOn() override { return signedOn_ = true; }
    void SignOff() override { signedOn_ = false; }
    bool IsSignedOn() const override { return signedOn_; }
    bool ListInbox(InboxScope, std::vector<InboxMessage>&) override { return true; }
    bool ReadBody(const std::string&, std::string&) override { return false; }
    bool Delete(const std::string&) override { return false; }
    bool Send(const OutgoingMail&) override { return true; }
    std::string LastError() const override { return {}; }

private:
    bool signedOn_ = false;
};

// One start of the program's mail: the account store over the settings
// file and the keyring, and the sign-on through it.
struct Start {
    explicit Start(PasswordKeyring* keyring = nullptr)
        : Accounts(keyring), Mail(Accounts, {}, [this](const MailAccount& account) {
              return std::make_unique<RecordingService>(&Opened, account);
          })
    {
    }
    SettingsAccountStore Accounts;
    AccountMailService Mail;
    MailAccount Opened;
};

class KeyringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureQtApp();
        ASSERT_TRUE(config.isValid() && data.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    }

    // An account of this test alone: the tests share the keyring.
    static MailAccount Account(const std::string& password)
    {
        MailAccount account;
        account.InboxServer = "imap.keyring.test";
        account.SmtpServer = "smtp.keyring.test";
        account.UserName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        account.Password = password;
        account.Address = "player@keyring.test";
        account.DisplayName = "Player";
        return account;
    }

    // The settings file's bytes, as a backup or a sync tool would copy them.
    static std::string SettingsFileBytes()
    {
        QFile file(Registry::StoreFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    static KeyringAnswer ReadKeyring(const MailAccount& account, std::string& password)
    {
        return DesktopKeyring().Read(PasswordKeyFor(account), password);
    }

    QTemporaryDir config;
    QTemporaryDir data;
    TestSupport::ScriptedHost host;
};

using RealKeyring = KeyringTest;

TEST_F(RealKeyring, ThePasswordIsReadBackAtTheNextStartAndTheFileHoldsNone)
{
    const MailAccount account = Account("first-start-pw");
    {
        Start first;
        host.Script = [&](QWidget& window) {
            auto& d = static_cast<MailAccountDialog&>(window);
            EXPECT_TRUE(d.PasswordPlaceText->text().isEmpty()) << "a keyring answers";
            d.InternetMail->setChecked(true);
            d.InboxServer->setText(QString::fromStdString(account.InboxServer));
            d.SmtpServer->setText(QString::fromStdString(account.SmtpServer));
            d.UserName->setText(QString::fromStdString(account.UserName));
            d.Password->setText(QString::fromStdString(account.Password));
            d.DisplayName->setText(QString::fromStdString(account.DisplayName));
            d.Address->setText(QString::fromStdString(account.Address));
            d.OkButton_Click();
        };
        ASSERT_TRUE(first.Mail.SignOn());
        EXPECT_EQ(host.ModalRuns, 1);
        EXPECT_EQ(first.Opened.Password, "first-start-pw");
    }
    EXPECT_NE(SettingsFileBytes().find(account.UserName), std::string::npos);
    EXPECT_EQ(SettingsFileBytes().find("first-start-pw"), std::string::npos) << SettingsFileBytes();
    std::string kept;
    ASSERT_EQ(ReadKeyring(account, kept), KeyringAnswer::Done);
    EXPECT_EQ(kept, "first-start-pw");

    Start second;
    ASSERT_TRUE(second.Mail.SignOn());
    EXPECT_EQ(host.ModalRuns, 1) << "nothing asked at the second start";
    EXPECT_EQ(second.Opened.Password, "first-start-pw");
    EXPECT_FALSE(second.Opened.NoKeyringAnswered);
}

TEST_F(RealKeyring, ThePasswordChangedThroughTheDialogReplacesTheOldOne)
{
    MailAccount account = Account("old-pw-in-keyring");
    Start start;
    ASSERT_TRUE(start.Accounts.Save(account));
    const MailAccount before = account;
    host.Script = [&](QWidget& window) {
        auto& d = static_cast<MailAccountDialog&>(window);
        EXPECT_EQ(d.Password->text(), QStringLiteral("old-pw-in-keyring"));
        d.UserName->setText(d.UserName->text() + QStringLiteral(".new"));
        d.Password->setText(QStringLiteral("new-pw-in-keyring"));
        d.OkButton_Click();
    };
    const std::optional<MailAccount> changed = AskForMailAccount(start.Mail.CurrentAccount());
    ASSERT_TRUE(changed.has_value());
    ASSERT_TRUE(start.Mail.ChangeAccount(*changed));

    std::string kept;
    EXPECT_EQ(ReadKeyring(before, kept), KeyringAnswer::NotFound) << "the old user's entry is gone";
    ASSERT_EQ(ReadKeyring(*changed, kept), KeyringAnswer::Done);
    EXPECT_EQ(kept, "new-pw-in-keyring");
    const std::string bytes = SettingsFileBytes();
    EXPECT_EQ(bytes.find("old-pw-in-keyring"), std::string::npos);
    EXPECT_EQ(bytes.find("new-pw-in-keyring"), std::string::npos);
    ASSERT_TRUE(start.Mail.SignOn());
    EXPECT_EQ(start.Opened.Password, "new-pw-in-keyring");

    // Replaced by the post office, the account keeps no password anywhere.
    MailAccount office;
    office.DisplayName = "Player";
    ASSERT_TRUE(start.Mail.ChangeAccount(office));
    EXPECT_EQ(ReadKeyring(*changed, kept), KeyringAnswer::NotFound);
}

TEST_F(RealKeyring, APasswordInAnOldSettingsFileIsMovedIntoTheKeyring)
{
    const MailAccount account = Account("pw-of-an-old-file");
    // As an older Marrowdale kept it: in the file.
    ASSERT_TRUE(SaveMailAccount(account));
    ASSERT_NE(SettingsFileBytes().find("pw-of-an-old-file"), std::string::npos);

    Start start;
    ASSERT_TRUE(start.Mail.SignOn());
    EXPECT_EQ(start.Opened.Password, "pw-of-an-old-file");
    EXPECT_EQ(SettingsFileBytes().find("pw-of-an-old-file"), std::string::npos) << SettingsFileBytes();
    std::string kept;
    ASSERT_EQ(ReadKeyring(account, kept), KeyringAnswer::Done);
    EXPECT_EQ(kept, "pw-of-an-old-file");
    EXPECT_EQ(Start().Accounts.Load()->Password, "pw-of-an-old-file");
}

// Where no keyring is reached, the password stays in the owner-only file
// and the dialog says so.
void ExpectThePasswordKeptInTheFile(TestSupport::ScriptedHost& host, PasswordKeyring* keyring,
                                    const MailAccount& account, const std::string& bytes)
{
    EXPECT_NE(bytes.find(account.Password), std::string::npos);
    Start start(keyring);
    ASSERT_TRUE(start.Mail.SignOn());
    EXPECT_EQ(start.Opened.Password, account.Password);
    EXPECT_TRUE(start.Opened.NoKeyringAnswered);
    QString shown;
    host.Script = [&](QWidget& window) {
        auto& d = static_cast<MailAccountDialog&>(window);
        shown = d.PasswordPlaceText->text();
        EXPECT_EQ(d.Password->text(), QString::fromStdString(account.Password));
        d.CancelButton_Click();
    };
    AskForMailAccount(start.Mail.CurrentAccount());
    EXPECT_EQ(shown, QStringLiteral("Kept in Marrowdale's own settings file: no keyring answered"));
}

using NoSessionBus = KeyringTest;

TEST_F(NoSessionBus, ThePasswordStaysInTheFileAndSignOnWorks)
{
    const MailAccount account = Account("pw-without-a-bus");
    // The first account, typed into the dialog that sign-on shows.
    {
        Start first;
        host.Script = [&](QWidget& window) {
            auto& d = static_cast<MailAccountDialog&>(window);
            d.InternetMail->setChecked(true);
            EXPECT_FALSE(d.PasswordPlaceText->text().isEmpty()) << "no keyring answers";
            d.InboxServer->setText(QString::fromStdString(account.InboxServer));
            d.SmtpServer->setText(QString::fromStdString(account.SmtpServer));
            d.UserName->setText(QString::fromStdString(account.UserName));
            d.Password->setText(QString::fromStdString(account.Password));
            d.DisplayName->setText(QString::fromStdString(account.DisplayName));
            d.Address->setText(QString::fromStdString(account.Address));
            d.OkButton_Click();
        };
        ASSERT_TRUE(first.Mail.SignOn());
        EXPECT_EQ(first.Opened.Password, account.Password);
    }
    ExpectThePasswordKeptInTheFile(host, nullptr, account, SettingsFileBytes());
}

using SilentKeyring = KeyringTest;

// The keyring owns its name on the bus and never answers: every question
// gives up at the deadline, the windows answering meanwhile.
TEST_F(SilentKeyring, TheDialogAndSignOnAnswerWithinTheDeadline)
{
    constexpr std::chrono::milliseconds deadline{1500};
    QtKeychainPasswords keyring(deadline);
    const MailAccount account = Account("pw-beside-a-silent-keyring");
    ASSERT_TRUE(SaveMailAccount(account));

    // "Mail account..." in the program: the account is read on the mail
    // thread (the keyring asked to take the file's password) while the
    // window thread keeps answering, and the dialog opens.
    Support::SetupGlobalVariables(QStringLiteral("-nodpi -nores -nobpp -nosound"));
    SettingsAccountStore accounts(&keyring);
    SysTraySupport::ProgramServices services(&accounts, QStringLiteral("-nodpi -nores -nobpp -nosound"));
    int ticks = 0;
    QTimer ticking;
    QObject::connect(&ticking, &QTimer::timeout, [&ticks] { ++ticks; });
    ticking.start(10);
    QString shown;
    host.Script = [&](QWidget& window) {
        auto* d = qobject_cast<MailAccountDialog*>(&window);
        ASSERT_NE(d, nullptr);
        shown = d->PasswordPlaceText->text();
        d->CancelButton_Click();
    };
    QElapsedTimer clock;
    clock.start();
    services.ChangeMailAccount();
    EXPECT_EQ(shown, QStringLiteral("Kept in Marrowdale's own settings file: no keyring answered"));
    EXPECT_GE(clock.elapsed(), deadline.count() - 100) << "the keyring was asked";
    EXPECT_LT(clock.elapsed(), deadline.count() + 3000);
    EXPECT_GT(ticks, 10) << "the window thread answered while the keyring was waited for";

    // The question hangs on; later ones are not asked meanwhile but
    // answered at once, the password staying in the file.
    clock.restart();
    ASSERT_TRUE(Start(&keyring).Accounts.Save(account));
    ExpectThePasswordKeptInTheFile(host, &keyring, account, SettingsFileBytes());
    EXPECT_LT(clock.elapsed(), deadline.count());
}

} // namespace
