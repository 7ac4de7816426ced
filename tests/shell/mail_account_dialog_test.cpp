#include "shell/mail_account_dialog.h"
#include "tests/shell/shell_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <functional>
#include <memory>

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
    int askedUnencrypted = 0;
    host.Script = [&](QWidget& window) {
        auto& d = static_cast<MailAccountDialog&>(window);
        d.ConfirmUnencrypted = [&] { return ++askedUnencrypted > 0; };
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
        // OK without an address is refused in the dialog itself, the
        // reason beside the box.
        d.OkButton->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.ReasonBeside(d.Address), QStringLiteral("Enter your own mail address."));
        QTest::keyClicks(d.Address, QStringLiteral("alice@example.org"));
        d.adjustSize();
        shot = ShellTesting::SaveScreenshot(d, QStringLiteral("mail-account-dialog"));
        QTest::keyClick(d.Address, Qt::Key_Return);
    };
    const std::optional<MailAccount> account = AskForMailAccount(MailAccount{});
    ASSERT_TRUE(account.has_value());
    // The inbox's "None": the log-on crosses the network in clear.
    EXPECT_EQ(askedUnencrypted, 1);
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
    QTemporaryDir folder;
    MailAccount current;
    current.InboxServer = "old.example.org";
    current.TrustedCertificateFile = "/etc/chess/ca.pem";
    host.Script = [&folder](QWidget& window) {
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
        QTest::keyClicks(d.PostOfficeFolder, folder.path());
        d.OkButton->click();
    };
    const std::optional<MailAccount> account = AskForMailAccount(current);
    ASSERT_TRUE(account.has_value());
    EXPECT_FALSE(account->IsInternetAccountSet());
    EXPECT_TRUE(account->InboxServer.empty());
    EXPECT_EQ(account->PostOfficeFolder, folder.path().toStdString());
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

MailAccount SafeAccount()
{
    MailAccount account;
    account.InboxServer = "imap.example.org";
    account.SmtpServer = "smtp.example.org";
    account.UserName = "alice";
    account.Password = "s3cret";
    account.Address = "alice@example.org";
    account.DisplayName = "Alice";
    return account;
}

TEST_F(MailAccountDialogTest, ALogOnInClearIsSaidBesideTheChoiceAndAskedOnce)
{
    MailAccountDialog d(SafeAccount());
    EXPECT_TRUE(d.InboxSecurityWarning->text().isEmpty());
    EXPECT_TRUE(d.SmtpSecurityWarning->text().isEmpty());
    int asked = 0;
    bool keep = false;
    d.ConfirmUnencrypted = [&] {
        ++asked;
        return keep;
    };
    d.SmtpSecurity->setCurrentIndex(d.SmtpSecurity->findText(QStringLiteral("None")));
    EXPECT_FALSE(d.SmtpSecurityWarning->text().isEmpty());
    EXPECT_TRUE(d.SmtpSecurityWarning->text().contains(QLatin1String("unencrypted")));
    // Without a log-on to send, nothing secret goes out.
    d.SmtpAuthentication->setChecked(false);
    EXPECT_TRUE(d.SmtpSecurityWarning->text().isEmpty());
    d.SmtpAuthentication->setChecked(true);
    // A server on this computer itself: nothing crosses a network.
    d.SmtpServer->setText(QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(d.SmtpSecurityWarning->text().isEmpty());
    d.SmtpServer->setText(QStringLiteral("smtp.example.org"));

    // Declined: the dialog stays as it is.
    d.OkButton_Click();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(d.Answered());
    keep = true;
    d.OkButton_Click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(d.Answer(), Support::DialogAnswer::Ok);

    // Both servers in clear: one question; and fields that cannot be used
    // are refused before anything is asked.
    MailAccountDialog again(SafeAccount());
    again.ConfirmUnencrypted = [&] {
        ++asked;
        return true;
    };
    again.InboxSecurity->setCurrentIndex(again.InboxSecurity->findText(QStringLiteral("None")));
    again.SmtpSecurity->setCurrentIndex(again.SmtpSecurity->findText(QStringLiteral("None")));
    EXPECT_FALSE(again.InboxSecurityWarning->text().isEmpty());
    EXPECT_FALSE(again.SmtpSecurityWarning->text().isEmpty());
    again.Address->setText(QStringLiteral("a@b@c"));
    again.OkButton_Click();
    EXPECT_FALSE(again.Answered());
    EXPECT_EQ(asked, 2);
    again.Address->setText(QStringLiteral("alice@example.org"));
    again.OkButton_Click();
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(again.Answer(), Support::DialogAnswer::Ok);

    // The post office logs on nowhere.
    MailAccountDialog office(SafeAccount());
    office.InboxSecurity->setCurrentIndex(office.InboxSecurity->findText(QStringLiteral("None")));
    office.PostOffice->setChecked(true);
    EXPECT_TRUE(office.InboxSecurityWarning->text().isEmpty());
}

TEST_F(MailAccountDialogTest, APasswordKeptInTheSettingsFileIsSaidBesideIt)
{
    const QString line = QStringLiteral("Kept in Marrowdale's own settings file: no keyring answered");
    MailAccountDialog inKeyring(SafeAccount());
    EXPECT_TRUE(inKeyring.PasswordPlaceText->text().isEmpty());

    MailAccount kept = SafeAccount();
    kept.NoKeyringAnswered = true;
    MailAccountDialog inFile(kept);
    EXPECT_FALSE(inFile.PasswordPlaceText->text().isEmpty());
    EXPECT_EQ(inFile.PasswordPlaceText->text(), line);
    // The post office has no password to keep.
    inFile.PostOffice->setChecked(true);
    EXPECT_TRUE(inFile.PasswordPlaceText->text().isEmpty());
    inFile.InternetMail->setChecked(true);
    EXPECT_FALSE(inFile.PasswordPlaceText->text().isEmpty());
    // What the dialog gives back still says where the password was.
    EXPECT_TRUE(inFile.Account().NoKeyringAnswered);
}

TEST_F(MailAccountDialogTest, EachFieldIsRefusedWithItsReasonBesideIt)
{
    MailAccount good;
    good.InboxServer = "imap.example.org";
    good.SmtpServer = "smtp.example.org";
    good.UserName = "alice";
    good.Address = "alice@example.org";
    good.DisplayName = "Alice";
    struct Case {
        const char* what;
        std::function<QWidget*(MailAccountDialog&)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"inbox server",
         [](MailAccountDialog& d) {
             d.InboxServer->clear();
             return d.InboxServer;
         },
         "Enter the incoming mail server."},
        {"server with a space",
         [](MailAccountDialog& d) {
             d.SmtpServer->setText(QStringLiteral("smtp example"));
             return d.SmtpServer;
         },
         "no spaces"},
        {"inbox port",
         [](MailAccountDialog& d) {
             d.InboxPort->setValue(70000);
             return d.InboxPort;
         },
         "1 to 65535"},
        {"smtp port",
         [](MailAccountDialog& d) {
             d.SmtpPort->setValue(65536);
             return d.SmtpPort;
         },
         "1 to 65535"},
        {"user",
         [](MailAccountDialog& d) {
             d.UserName->clear();
             return d.UserName;
         },
         "user name"},
        {"two @",
         [](MailAccountDialog& d) {
             d.Address->setText(QStringLiteral("a@b@c"));
             return d.Address;
         },
         "only one"},
        {"name",
         [](MailAccountDialog& d) {
             d.DisplayName->clear();
             return d.DisplayName;
         },
         "your name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MailAccountDialog d(good);
        QWidget* field = c.spoil(d);
        d.OkButton_Click();
        EXPECT_FALSE(d.Answered());
        EXPECT_TRUE(d.ReasonBeside(field).contains(QLatin1String(c.reason), Qt::CaseInsensitive))
            << d.ReasonBeside(field).toStdString();
        // Typing takes the reason away.
        QTest::keyClicks(d.DisplayName, QStringLiteral(" "));
        EXPECT_TRUE(d.ReasonBeside(field).isEmpty());
    }
    MailAccountDialog fine(good);
    fine.OkButton_Click();
    EXPECT_EQ(fine.Answer(), Support::DialogAnswer::Ok);
}

TEST_F(MailAccountDialogTest, APostOfficeFolderIsShownWholeAndMadeOnlyWhenConfirmed)
{
    QTemporaryDir home;
    MailAccount account;
    account.DisplayName = "Bob";
    const QString missing = home.path() + QStringLiteral("/shared/post");
    account.PostOfficeFolder = missing.toStdString();
    std::vector<QString> asked;
    bool agree = false;
    auto dialog = [&] {
        auto d = std::make_unique<MailAccountDialog>(account);
        d->ConfirmCreateFolder = [&](const QString& path) {
            asked.push_back(path);
            return agree;
        };
        return d;
    };
    {
        auto d = dialog();
        EXPECT_TRUE(d->PostOffice->isChecked());
        EXPECT_TRUE(d->PostOfficePathText->text().endsWith(missing));
        // Another spelling of the same folder shows as the one path.
        d->PostOfficeFolder->setText(home.path() + QStringLiteral("/shared/./post/"));
        EXPECT_EQ(d->PostOfficePath(), missing);
        d->OkButton_Click();
        EXPECT_FALSE(d->Answered());
        EXPECT_EQ(asked, std::vector<QString>{missing});
        EXPECT_FALSE(QFileInfo::exists(missing));
        agree = true;
        d->OkButton_Click();
        EXPECT_EQ(d->Answer(), Support::DialogAnswer::Ok);
        EXPECT_TRUE(QFileInfo(missing).isDir());
    }
    // A file where the folder should be, a folder that cannot be made, a
    // path that is not whole: refused beside the box.
    std::ofstream(QFile::encodeName(home.path() + QStringLiteral("/file")).toStdString()) << "x";
    const std::pair<QString, const char*> refused[] = {
        {home.path() + QStringLiteral("/file"), "not a folder"},
        {QStringLiteral("shared/post"), "whole path"},
    };
    for (const auto& [path, reason] : refused) {
        SCOPED_TRACE(reason);
        auto d = dialog();
        d->PostOfficeFolder->setText(path);
        d->OkButton_Click();
        EXPECT_FALSE(d->Answered());
        EXPECT_TRUE(d->ReasonBeside(d->PostOfficeFolder).contains(QLatin1String(reason)))
            << d->ReasonBeside(d->PostOfficeFolder).toStdString();
    }
    auto d = dialog();
    d->PostOfficeFolder->setText(home.path() + QStringLiteral("/file/post"));
    d->OkButton_Click();
    EXPECT_FALSE(d->Answered());
    EXPECT_TRUE(d->ReasonBeside(d->PostOfficeFolder).contains(QLatin1String("could not be made")));
}

} // namespace

namespace {

// Where every control of the dialog stands, by name (or class and order).
std::vector<std::pair<QString, QRect>> Geometries(const MailAccountDialog& d)
{
    std::vector<std::pair<QString, QRect>> where;
    int unnamed = 0;
    for (const QWidget* control : d.findChildren<QWidget*>()) {
        const QString name =
            control->objectName().isEmpty()
                ? QString::fromLatin1(control->metaObject()->className()) + QString::number(unnamed++)
                : control->objectName();
        where.emplace_back(name, QRect(control->mapTo(&d, QPoint()), control->size()));
    }
    where.emplace_back(QStringLiteral("the dialog"), QRect(QPoint(), d.size()));
    return where;
}

} // namespace

// From the moment it shows, nothing in the dialog moves: typing into each
// field (which shows or clears reasons), refusals shown by OK, a failure
// text, and switching between internet mail and the post office leave every
// control where it was; every reason shown fits the room kept for it, and
// the dialog ends just below its buttons.
TEST_F(MailAccountDialogTest, NoControlMovesWhileTheUserTypesOrSwitches)
{
    QTemporaryDir folder;
    MailAccount empty;
    empty.PostOfficeFolder = folder.path().toStdString() + "/post";
    // The note of where the password is kept comes and goes with the mode.
    empty.NoKeyringAnswered = true;
    MailAccountDialog d(empty);
    d.ConfirmCreateFolder = [](const QString&) { return false; };
    d.ConfirmUnencrypted = [] { return false; };
    d.show();
    QApplication::processEvents();
    const auto before = Geometries(d);
    auto expectUnmoved = [&](const char* after) {
        QApplication::processEvents();
        EXPECT_EQ(Geometries(d), before) << "after " << after;
        for (const QLabel* label : d.findChildren<QLabel*>())
            if (label->isVisible() && label->wordWrap() && !label->text().isEmpty()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height())
                    << label->objectName().toStdString() << ": " << label->text().toStdString();
            }
    };
    expectUnmoved("showing");
    std::optional<QString> shot;
    for (const bool internet : {true, false, true}) {
        QTest::mouseClick(internet ? d.InternetMail : d.PostOffice, Qt::LeftButton, {}, QPoint(5, 5));
        expectUnmoved(internet ? "choosing internet mail" : "choosing the post office");
        d.OkButton->click();
        expectUnmoved("OK refusing the empty fields");
        if (internet && !shot)
            shot = ShellTesting::SaveScreenshot(d, QStringLiteral("mail-account-reasons"));
        for (QLineEdit* field : d.findChildren<QLineEdit*>()) {
            if (!field->isEnabled())
                continue;
            QTest::keyClicks(field, QStringLiteral("a b/@"));
            expectUnmoved(qPrintable(field->objectName()));
            d.OkButton->click();
            expectUnmoved(qPrintable(QStringLiteral("OK after ") + field->objectName()));
        }
        for (QSpinBox* port : {d.InboxPort, d.SmtpPort}) {
            if (!port->isEnabled())
                continue;
            port->setValue(70000);
            d.OkButton->click();
            expectUnmoved(qPrintable(port->objectName()));
        }
        if (!internet)
            continue;
        // The warnings of a log-on in clear come and go in their own room.
        for (QComboBox* security : {d.InboxSecurity, d.SmtpSecurity}) {
            const int was = security->currentIndex();
            security->setCurrentIndex(security->findData(int(ConnectionSecurity::None)));
            expectUnmoved(qPrintable(security->objectName() + QStringLiteral(" None")));
            security->setCurrentIndex(was);
            expectUnmoved(qPrintable(security->objectName() + QStringLiteral(" back")));
        }
    }
    d.ProblemText->setText(QStringLiteral("Could not log on to imap.example.org: The mail server "
                                          "imap.example.org does not offer an encrypted connection "
                                          "(STARTTLS), so Marrowdale did not send your password."));
    expectUnmoved("a failure told");
    EXPECT_LE(d.height() - d.OkButton->mapTo(&d, QPoint(0, d.OkButton->height())).y(), 16);
    ASSERT_TRUE(shot.has_value());
    std::printf("screenshot: %s\n", qPrintable(*shot));
}
