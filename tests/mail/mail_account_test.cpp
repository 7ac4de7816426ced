// The mail account in the settings store, the service it calls for, and
// the address book over the stored games and the contacts file.
#include "platform/mail_account_settings.h"
#include "platform/mail_address_book.h"
#include "platform/mail_internet.h"
#include "platform/mail_post_office.h"
#include "platform/registry.h"
#include "store/mail_support.h"
#include "tests/mail/fake_password_keyring.h"
#include "tests/mail/transport_harness.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace MailTesting {
namespace {

using MailSupport::AddressEntry;

class MailAccountTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config.isValid() && data.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    }
    QTemporaryDir config;
    QTemporaryDir data;
};

TEST_F(MailAccountTest, AccountKeepsEveryValueInItsOwnKey)
{
    const MailSupport::MailAccount none = MailSupport::LoadMailAccount();
    EXPECT_FALSE(none.IsInternetAccountSet());
    EXPECT_EQ(none.InboxSecurity, MailSupport::ConnectionSecurity::Tls);

    MailSupport::MailAccount account;
    account.Protocol = MailSupport::InboxProtocol::Pop3;
    account.InboxServer = "pop.example.org";
    account.InboxPort = 1995;
    account.InboxSecurity = MailSupport::ConnectionSecurity::StartTls;
    account.SmtpServer = "smtp.example.org";
    account.SmtpPort = 2525;
    account.SmtpSecurity = MailSupport::ConnectionSecurity::None;
    account.SmtpAuthentication = false;
    account.UserName = "alice";
    account.Password = "s3cret;|x";
    account.Address = "alice@example.org";
    account.DisplayName = "Alice Amber";
    account.TrustedCertificateFile = "/etc/chess/ca.pem";
    account.TrustedServerCertificates = {{"pop.example.org:1995", "AB:CD"},
                                         {"smtp.example.org:2525", "EF:01"}};
    ASSERT_TRUE(MailSupport::SaveMailAccount(account));
    const MailSupport::MailAccount loaded = MailSupport::LoadMailAccount();
    EXPECT_EQ(loaded.Protocol, account.Protocol);
    EXPECT_EQ(loaded.InboxServer, account.InboxServer);
    EXPECT_EQ(loaded.InboxPort, account.InboxPort);
    EXPECT_EQ(loaded.InboxSecurity, account.InboxSecurity);
    EXPECT_EQ(loaded.SmtpServer, account.SmtpServer);
    EXPECT_EQ(loaded.SmtpPort, account.SmtpPort);
    EXPECT_EQ(loaded.SmtpSecurity, account.SmtpSecurity);
    EXPECT_EQ(loaded.SmtpAuthentication, account.SmtpAuthentication);
    EXPECT_EQ(loaded.UserName, account.UserName);
    EXPECT_EQ(loaded.Password, account.Password);
    EXPECT_EQ(loaded.Address, account.Address);
    EXPECT_EQ(loaded.DisplayName, account.DisplayName);
    EXPECT_EQ(loaded.TrustedCertificateFile, account.TrustedCertificateFile);
    EXPECT_EQ(loaded.TrustedServerCertificates, account.TrustedServerCertificates);
    EXPECT_TRUE(loaded.IsInternetAccountSet());
    EXPECT_TRUE(Registry::KeyExists("Software\\Tallowmere\\Marrowdale\\Mail"));

    auto internet = MailSupport::CreateMailService(loaded);
    EXPECT_NE(dynamic_cast<MailSupport::InternetMailService*>(internet.get()), nullptr);
}

// The settings file's bytes, as a backup or a sync tool would copy them.
std::string SettingsFileBytes()
{
    QFile file(Registry::StoreFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

MailSupport::MailAccount ImapAccount(const std::string& user, const std::string& password)
{
    MailSupport::MailAccount account;
    account.InboxServer = "imap.example.org";
    account.SmtpServer = "smtp.example.org";
    account.UserName = user;
    account.Password = password;
    account.Address = user + "@example.org";
    return account;
}

TEST_F(MailAccountTest, ThePasswordLivesInTheKeyringAndTheFileHoldsNone)
{
    FakePasswordKeyring keyring;
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("alice", "s3cret-pw"), &keyring));
    EXPECT_EQ(keyring.Entries,
              (std::map<std::string, std::string>{{"alice@imap.example.org", "s3cret-pw"}}));
    const std::string bytes = SettingsFileBytes();
    EXPECT_NE(bytes.find("alice"), std::string::npos) << "the account is in the file";
    EXPECT_EQ(bytes.find("s3cret-pw"), std::string::npos) << bytes;

    const MailSupport::MailAccount loaded = MailSupport::LoadMailAccount(&keyring);
    EXPECT_EQ(loaded.Password, "s3cret-pw");
    EXPECT_FALSE(loaded.NoKeyringAnswered);
}

TEST_F(MailAccountTest, WhileNoKeyringAnswersThePasswordStaysInTheFile)
{
    FakePasswordKeyring keyring;
    keyring.Answers = false;
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("alice", "s3cret-pw"), &keyring));
    EXPECT_NE(SettingsFileBytes().find("s3cret-pw"), std::string::npos);
    const MailSupport::MailAccount loaded = MailSupport::LoadMailAccount(&keyring);
    EXPECT_EQ(loaded.Password, "s3cret-pw");
    EXPECT_TRUE(loaded.NoKeyringAnswered);
    EXPECT_NE(SettingsFileBytes().find("s3cret-pw"), std::string::npos);

    // The first start that finds a keyring moves it there, out of the file.
    keyring.Answers = true;
    const MailSupport::MailAccount moved = MailSupport::LoadMailAccount(&keyring);
    EXPECT_EQ(moved.Password, "s3cret-pw");
    EXPECT_FALSE(moved.NoKeyringAnswered);
    EXPECT_EQ(keyring.Entries["alice@imap.example.org"], "s3cret-pw");
    EXPECT_EQ(SettingsFileBytes().find("s3cret-pw"), std::string::npos);
    EXPECT_EQ(MailSupport::LoadMailAccount(&keyring).Password, "s3cret-pw");
}

TEST_F(MailAccountTest, TheKeyringEntryFollowsTheAccount)
{
    FakePasswordKeyring keyring;
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("alice", "one"), &keyring));
    // A new password replaces the old one.
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("alice", "two"), &keyring));
    EXPECT_EQ(keyring.Entries, (std::map<std::string, std::string>{{"alice@imap.example.org", "two"}}));
    // Another user name or server: the old entry goes.
    MailSupport::MailAccount moved = ImapAccount("alice.amber", "three");
    moved.InboxServer = "mail.example.net";
    ASSERT_TRUE(MailSupport::SaveMailAccount(moved, &keyring));
    EXPECT_EQ(keyring.Entries,
              (std::map<std::string, std::string>{{"alice.amber@mail.example.net", "three"}}));
    // An account without a password keeps none.
    moved.Password.clear();
    ASSERT_TRUE(MailSupport::SaveMailAccount(moved, &keyring));
    EXPECT_TRUE(keyring.Entries.empty());
    // Nor does the post office, which replaces an internet account.
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("bob", "four"), &keyring));
    MailSupport::MailAccount office;
    office.DisplayName = "Bob";
    ASSERT_TRUE(MailSupport::SaveMailAccount(office, &keyring));
    EXPECT_TRUE(keyring.Entries.empty());
    EXPECT_EQ(SettingsFileBytes().find("four"), std::string::npos);
}

// A password the keyring did not give when the account was read is not
// taken for none when that account is saved again (say, with a trusted
// certificate more) once the keyring answers.
TEST_F(MailAccountTest, APasswordTheKeyringDidNotGiveIsNotRemoved)
{
    FakePasswordKeyring keyring;
    ASSERT_TRUE(MailSupport::SaveMailAccount(ImapAccount("alice", "s3cret-pw"), &keyring));
    keyring.Answers = false;
    MailSupport::MailAccount loaded = MailSupport::LoadMailAccount(&keyring);
    EXPECT_TRUE(loaded.Password.empty());
    EXPECT_TRUE(loaded.NoKeyringAnswered);
    keyring.Answers = true;
    loaded.TrustedServerCertificates["imap.example.org:993"] = "AB:CD";
    ASSERT_TRUE(MailSupport::SaveMailAccount(loaded, &keyring));
    EXPECT_EQ(MailSupport::LoadMailAccount(&keyring).Password, "s3cret-pw");
}

TEST_F(MailAccountTest, WithoutAnAccountThePostOfficeServes)
{
    auto service = MailSupport::CreateMailService(MailSupport::LoadMailAccount());
    auto* office = dynamic_cast<MailSupport::PostOfficeMailService*>(service.get());
    ASSERT_NE(office, nullptr);
    ASSERT_TRUE(office->SignOn()) << office->LastError();
    const auto own = office->MaildirOf(MailSupport::DefaultPostOfficeAddress());
    EXPECT_EQ(own.parent_path(),
              std::filesystem::path(data.path().toStdString()) / "Tallowmere" / "Post Office");
    EXPECT_TRUE(std::filesystem::is_directory(own / "new"));
}

// The name the user's mails carry, which a new game stores on their side.
TEST_F(MailAccountTest, TheOwnNameIsTheAccountsOrItsAddresssLocalPart)
{
    MailSupport::MailAccount account;
    const std::string login = MailSupport::DefaultPostOfficeAddress();
    EXPECT_EQ(MailSupport::OwnDisplayName(account), login.substr(0, login.find('@')));
    account.Address = "alice@example.org";
    EXPECT_EQ(MailSupport::OwnDisplayName(account), "alice");
    account.DisplayName = "Alice Amber";
    EXPECT_EQ(MailSupport::OwnDisplayName(account), "Alice Amber");
}

TEST_F(MailAccountTest, AddressBookHoldsContactsAndOpponents)
{
    TempFolder folder;
    Database::DataFolder data(folder.Path());
    std::ofstream(folder.Path() / MailSupport::ContactsFileName)
        << "# friends\r\n\"Carol Cedar\" <carol@example.org>\r\ndave@example.org\r\nnot an entry\n"
        << "Bobby <BOB@example.org>\n";
    auto store = [&](std::int32_t id, const std::string& name, const std::string& address,
                     bool computer) {
        GameRecord game = NewMailGame(id, name, address, "100120260830");
        game.GAME_VS_COMPUTER = computer;
        ASSERT_TRUE(Database::SaveGame(data, game, {Move(1, "5254", "e4")}));
    };
    store(1, "Bob Birch", "bob@example.org", false);
    store(2, "Eve", "eve@example.org", false);
    store(3, "Computer", "computer@example.org", true);
    store(4, "Unknown", MailSupport::UnknownOpponentAddress, false);
    store(5, "Eve again", "eve@example.org", false);

    MailSupport::GameAddressBook book(data);
    EXPECT_EQ(book.AllEntries(), (std::vector<AddressEntry>{{"Bobby", "BOB@example.org"},
                                                            {"Carol Cedar", "carol@example.org"},
                                                            {"dave@example.org", "dave@example.org"},
                                                            {"Eve", "eve@example.org"}}));
    EXPECT_EQ(book.Resolve(" carol cedar "), (AddressEntry{"Carol Cedar", "carol@example.org"}));
    EXPECT_EQ(book.Resolve("bob@example.org"), (AddressEntry{"Bobby", "BOB@example.org"}));
    EXPECT_EQ(book.Resolve("frank@example.org"), (AddressEntry{"frank", "frank@example.org"}));
    EXPECT_EQ(book.Resolve("Frank Fir <frank@example.org>"),
              (AddressEntry{"Frank Fir", "frank@example.org"}));
    EXPECT_EQ(book.Resolve("Frank <frank example.org>"), std::nullopt);
    EXPECT_EQ(book.Resolve("Frank"), std::nullopt);
    EXPECT_EQ(book.Resolve(""), std::nullopt);
}

// Renames fail: a rewrite of the contacts file must leave the old one whole.
class RefusingRename : public Database::FileSystem {
public:
    bool Rename(const std::filesystem::path&, const std::filesystem::path&) override { return false; }
};

TEST_F(MailAccountTest, ContactsAddedAreKeptWholeAndOnce)
{
    TempFolder folder;
    const std::filesystem::path contacts = folder.Path() / MailSupport::ContactsFileName;
    MailSupport::GameAddressBook book{Database::DataFolder(folder.Path())};
    // The first contact makes the file.
    ASSERT_TRUE(book.AddContact({"Ann Ash", "ann@example.org"}));
    ASSERT_TRUE(book.AddContact({"", "bob@example.org"}));
    // The same person again changes nothing; a new name for an address replaces the old.
    ASSERT_TRUE(book.AddContact({"Ann Ash", "ANN@example.org"}));
    ASSERT_TRUE(book.AddContact({"Bob Birch", "bob@example.org"}));
    EXPECT_FALSE(book.AddContact({"Nobody", "no address"}));
    EXPECT_FALSE(book.AddContact({"Eve <x>", "eve@example.org"}));
    EXPECT_EQ(Database::RealFileSystem().ReadAll(contacts),
              std::string("Ann Ash <ann@example.org>\nBob Birch <bob@example.org>\n"));
    EXPECT_EQ(book.AllEntries(), (std::vector<AddressEntry>{{"Ann Ash", "ann@example.org"},
                                                            {"Bob Birch", "bob@example.org"}}));

    RefusingRename disk;
    MailSupport::GameAddressBook failing{Database::DataFolder(folder.Path(), &disk)};
    EXPECT_FALSE(failing.AddContact({"Carol", "carol@example.org"}));
    EXPECT_EQ(Database::RealFileSystem().ReadAll(contacts),
              std::string("Ann Ash <ann@example.org>\nBob Birch <bob@example.org>\n"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / MailSupport::ContactsRewriteFileName));
}

} // namespace
} // namespace MailTesting
