// The mail log-on dialog's fields as values: the account they describe,
// each field's reason, the post office path, and what OK does, the disk
// and the user answered by a recorder.
#include "platform/mail_account_settings.h"
#include "shell/mail_account_fields.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace MailSupport;

namespace {

class RecordingFolders : public PostOfficeFolderPort {
public:
    FolderState State(const QString& path) const override
    {
        const auto found = States.find(path);
        return found == States.end() ? FolderState::Usable : found->second;
    }
    bool ConfirmCreate(const QString& path) override
    {
        Calls.push_back("ConfirmCreate(" + path.toStdString() + ")");
        return Agree;
    }
    bool Make(const QString& path) override
    {
        Calls.push_back("Make(" + path.toStdString() + ")");
        return Makes;
    }

    std::map<QString, FolderState> States;
    bool Agree = true;
    bool Makes = true;
    std::vector<std::string> Calls;
};

MailAccountFields GoodInternet()
{
    MailAccountFields fields;
    fields.InboxServer = QStringLiteral("imap.example.org");
    fields.SmtpServer = QStringLiteral("smtp.example.org");
    fields.UserName = QStringLiteral("alice");
    fields.DisplayName = QStringLiteral("Alice");
    fields.Address = QStringLiteral("alice@example.org");
    return fields;
}

MailAccountFields GoodPostOffice()
{
    MailAccountFields fields;
    fields.Internet = false;
    fields.DisplayName = QStringLiteral("Bob");
    fields.PostOfficeFolder = QStringLiteral("/srv/post");
    return fields;
}

std::vector<AccountField> FieldsOf(const std::vector<FieldReason>& reasons)
{
    std::vector<AccountField> fields;
    for (const FieldReason& reason : reasons)
        fields.push_back(reason.Field);
    return fields;
}

TEST(MailAccountFields, TheAccountKeepsTheShownModeTrimmedAndTheCertificatesGiven)
{
    MailAccount given;
    given.TrustedCertificateFile = "/etc/chess/ca.pem";
    given.TrustedServerCertificates["imap.example.org:993"] = "AB:CD";
    given.PostOfficeFolder = "/old/post";
    MailAccountFields fields = GoodInternet();
    fields.Protocol = InboxProtocol::Pop3;
    fields.InboxServer = QStringLiteral("  imap.example.org ");
    fields.InboxPort = 1110;
    fields.SmtpSecurity = ConnectionSecurity::Tls;
    fields.SmtpAuthentication = false;
    fields.Password = QStringLiteral(" s3cret ");
    fields.DisplayName = QStringLiteral(" Alice Amber ");
    fields.PostOfficeFolder = QStringLiteral("/typed/but/hidden");

    const MailAccount internet = AccountFrom(fields, given);
    EXPECT_EQ(internet.Protocol, InboxProtocol::Pop3);
    EXPECT_EQ(internet.InboxServer, "imap.example.org");
    EXPECT_EQ(internet.InboxPort, 1110);
    EXPECT_EQ(internet.SmtpSecurity, ConnectionSecurity::Tls);
    EXPECT_FALSE(internet.SmtpAuthentication);
    EXPECT_EQ(internet.Password, " s3cret ");
    EXPECT_EQ(internet.DisplayName, "Alice Amber");
    EXPECT_TRUE(internet.PostOfficeFolder.empty());
    EXPECT_EQ(internet.TrustedCertificateFile, given.TrustedCertificateFile);
    EXPECT_EQ(internet.TrustedServerCertificates, given.TrustedServerCertificates);

    fields.Internet = false;
    fields.PostOfficeFolder = QStringLiteral(" /srv/post ");
    const MailAccount postOffice = AccountFrom(fields, given);
    EXPECT_EQ(postOffice.PostOfficeFolder, "/srv/post");
    EXPECT_EQ(postOffice.Address, "alice@example.org");
    EXPECT_TRUE(postOffice.InboxServer.empty());
    EXPECT_TRUE(postOffice.UserName.empty());
    EXPECT_TRUE(postOffice.Password.empty());
    EXPECT_FALSE(postOffice.IsInternetAccountSet());
    EXPECT_EQ(postOffice.TrustedCertificateFile, given.TrustedCertificateFile);
}

TEST(MailAccountFields, TheDialogOpensOnInternetMailForAnAccountThatNamesAnInbox)
{
    MailAccount account;
    EXPECT_FALSE(OpensOnInternetMail(account));
    account.Address = "bob@here";
    EXPECT_FALSE(OpensOnInternetMail(account));
    account.InboxServer = "imap.example.org";
    EXPECT_TRUE(OpensOnInternetMail(account));
}

TEST(MailAccountFields, ThePostOfficePathIsWholeWithTheDefaultForNone)
{
    EXPECT_EQ(WholePostOfficePath(QStringLiteral(" /srv/./post/ ")), QStringLiteral("/srv/post"));
    EXPECT_EQ(WholePostOfficePath(QString()),
              QDir::cleanPath(QString::fromStdString(DefaultPostOfficeFolder().string())));
    EXPECT_TRUE(QDir::isAbsolutePath(WholePostOfficePath(QStringLiteral("shared/post"))));
}

TEST(MailAccountFields, EachFieldHasItsReason)
{
    struct Case {
        const char* what;
        MailAccountFields fields;
        std::vector<AccountField> refused;
        const char* firstReason;
    };
    auto internet = [](auto spoil) {
        MailAccountFields fields = GoodInternet();
        spoil(fields);
        return fields;
    };
    auto postOffice = [](auto spoil) {
        MailAccountFields fields = GoodPostOffice();
        spoil(fields);
        return fields;
    };
    const Case cases[] = {
        {"internet, good", GoodInternet(), {}, ""},
        {"post office, good", GoodPostOffice(), {}, ""},
        {"internet, empty",
         MailAccountFields{},
         {AccountField::InboxServer, AccountField::SmtpServer, AccountField::UserName,
          AccountField::DisplayName, AccountField::Address},
         "Enter the incoming mail server."},
        {"server with a space",
         internet([](auto& f) { f.SmtpServer = QStringLiteral("smtp example"); }),
         {AccountField::SmtpServer},
         "A server name has no spaces, \"/\" or \"@\"."},
        {"server with a slash",
         internet([](auto& f) { f.InboxServer = QStringLiteral("imap/x"); }),
         {AccountField::InboxServer},
         "A server name has no spaces, \"/\" or \"@\"."},
        {"inbox port",
         internet([](auto& f) { f.InboxPort = 70000; }),
         {AccountField::InboxPort},
         "A port is 1 to 65535 (0 for the usual one)."},
        {"highest port", internet([](auto& f) { f.SmtpPort = 65535; }), {}, ""},
        {"user of spaces",
         internet([](auto& f) { f.UserName = QStringLiteral("  "); }),
         {AccountField::UserName},
         "Enter the user name of your mail account."},
        {"name of spaces",
         postOffice([](auto& f) { f.DisplayName = QStringLiteral("  "); }),
         {AccountField::DisplayName},
         "Enter your name."},
        {"two @",
         internet([](auto& f) { f.Address = QStringLiteral("a@b@c"); }),
         {AccountField::Address},
         nullptr},
        {"post office takes no address", postOffice([](auto&) {}), {}, ""},
        {"post office address checked",
         postOffice([](auto& f) { f.Address = QStringLiteral("bob"); }),
         {AccountField::Address},
         nullptr},
        {"post office path not whole",
         postOffice([](auto& f) { f.PostOfficeFolder = QStringLiteral("shared/post"); }),
         {AccountField::PostOfficeFolder},
         "Enter the whole path, from \"/\"."},
        {"post office a file",
         postOffice([](auto& f) { f.PostOfficeFolder = QStringLiteral("/srv/file"); }),
         {AccountField::PostOfficeFolder},
         "This is a file, not a folder."},
        {"post office closed",
         postOffice([](auto& f) { f.PostOfficeFolder = QStringLiteral("/srv/closed"); }),
         {AccountField::PostOfficeFolder},
         "Marrowdale cannot read and write this folder."},
        {"post office missing",
         postOffice([](auto& f) { f.PostOfficeFolder = QStringLiteral("/srv/new"); }),
         {},
         ""},
        {"post office ignores the servers", postOffice([](auto& f) { f.InboxPort = 70000; }), {}, ""},
    };
    RecordingFolders folders;
    folders.States = {{QStringLiteral("/srv/file"), FolderState::NotAFolder},
                      {QStringLiteral("/srv/closed"), FolderState::NotUsable},
                      {QStringLiteral("/srv/new"), FolderState::Missing}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<FieldReason> reasons = AccountProblems(c.fields, folders);
        EXPECT_EQ(FieldsOf(reasons), c.refused);
        for (const FieldReason& reason : reasons)
            EXPECT_FALSE(reason.Reason.isEmpty());
        if (c.firstReason && !reasons.empty()) {
            EXPECT_EQ(reasons.front().Reason, QString::fromUtf8(c.firstReason));
        }
    }
    EXPECT_TRUE(folders.Calls.empty());
}

TEST(MailAccountFields, OkMakesAMissingPostOfficeOnlyWhenConfirmed)
{
    struct Case {
        const char* what;
        MailAccountFields fields;
        FolderState state;
        bool agree;
        bool makes;
        AccountOkOutcome outcome;
        std::vector<AccountField> reasons;
        bool focus;
        std::vector<std::string> calls;
    };
    MailAccountFields refused = GoodInternet();
    refused.UserName.clear();
    refused.DisplayName.clear();
    MailAccountFields notWhole = GoodPostOffice();
    notWhole.PostOfficeFolder = QStringLiteral("post");
    const std::string path = "/srv/post";
    const Case cases[] = {
        {"internet",
         GoodInternet(),
         FolderState::Missing,
         true,
         true,
         AccountOkOutcome::Accepted,
         {},
         false,
         {}},
        {"refused",
         refused,
         FolderState::Usable,
         true,
         true,
         AccountOkOutcome::FieldsRefused,
         {AccountField::UserName, AccountField::DisplayName},
         true,
         {}},
        {"not whole",
         notWhole,
         FolderState::Missing,
         true,
         true,
         AccountOkOutcome::FieldsRefused,
         {AccountField::PostOfficeFolder},
         true,
         {}},
        {"folder there",
         GoodPostOffice(),
         FolderState::Usable,
         true,
         true,
         AccountOkOutcome::Accepted,
         {},
         false,
         {}},
        {"declined",
         GoodPostOffice(),
         FolderState::Missing,
         false,
         true,
         AccountOkOutcome::CreateDeclined,
         {},
         false,
         {"ConfirmCreate(" + path + ")"}},
        {"not made",
         GoodPostOffice(),
         FolderState::Missing,
         true,
         false,
         AccountOkOutcome::FolderNotMade,
         {AccountField::PostOfficeFolder},
         false,
         {"ConfirmCreate(" + path + ")", "Make(" + path + ")"}},
        {"made",
         GoodPostOffice(),
         FolderState::Missing,
         true,
         true,
         AccountOkOutcome::Accepted,
         {},
         false,
         {"ConfirmCreate(" + path + ")", "Make(" + path + ")"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingFolders folders;
        folders.States = {{QStringLiteral("/srv/post"), c.state}};
        folders.Agree = c.agree;
        folders.Makes = c.makes;
        const AccountOkResult result = ConfirmAccountFields(c.fields, folders);
        EXPECT_EQ(result.Outcome, c.outcome);
        EXPECT_EQ(FieldsOf(result.Reasons), c.reasons);
        EXPECT_EQ(result.FocusFirstReason, c.focus);
        EXPECT_EQ(folders.Calls, c.calls);
        if (c.outcome == AccountOkOutcome::FolderNotMade) {
            EXPECT_EQ(result.Reasons.front().Reason,
                      QStringLiteral("The folder could not be made here."));
        }
    }
}

TEST(MailAccountFields, APasswordCrossesUnencryptedOnlyOverNoneToAnotherComputer)
{
    struct Case {
        const char* what;
        ConnectionSecurity inbox;
        ConnectionSecurity smtp;
        bool smtpLogOn;
        const char* server;
        bool inboxInClear;
        bool smtpInClear;
    };
    using S = ConnectionSecurity;
    const Case cases[] = {
        {"TLS and STARTTLS", S::Tls, S::StartTls, true, "mail.example.org", false, false},
        {"inbox None", S::None, S::Tls, true, "mail.example.org", true, false},
        {"sending None with a log-on", S::Tls, S::None, true, "mail.example.org", false, true},
        {"sending None without one", S::Tls, S::None, false, "mail.example.org", false, false},
        {"loopback address", S::None, S::None, true, "127.0.0.1", false, false},
        {"another loopback address", S::None, S::None, true, "127.3.2.1", false, false},
        {"localhost", S::None, S::None, true, " LocalHost ", false, false},
        {"IPv6 loopback", S::None, S::None, true, "::1", false, false},
        {"not quite loopback", S::None, S::None, true, "127.0.0.1.example.org", true, true},
        {"a network address", S::None, S::None, true, "10.0.0.1", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MailAccountFields fields = GoodInternet();
        fields.InboxSecurity = c.inbox;
        fields.SmtpSecurity = c.smtp;
        fields.SmtpAuthentication = c.smtpLogOn;
        fields.InboxServer = fields.SmtpServer = QString::fromLatin1(c.server);
        EXPECT_EQ(InboxLogOnUnencrypted(fields), c.inboxInClear);
        EXPECT_EQ(SmtpLogOnUnencrypted(fields), c.smtpInClear);
        fields.Internet = false;
        EXPECT_FALSE(InboxLogOnUnencrypted(fields) || SmtpLogOnUnencrypted(fields));
    }
}

} // namespace
