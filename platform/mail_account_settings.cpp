#include "platform/mail_account_settings.h"

#include "platform/mail_internet.h"
#include "platform/mail_post_office.h"
#include "platform/password_keyring.h"
#include "platform/registry.h"

#include <QStandardPaths>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace MailSupport {
namespace {

const char* ProtocolText(InboxProtocol protocol)
{
    return protocol == InboxProtocol::Pop3 ? "POP3" : "IMAP";
}

const char* SecurityText(ConnectionSecurity security)
{
    switch (security) {
    case ConnectionSecurity::None:
        return "None";
    case ConnectionSecurity::StartTls:
        return "STARTTLS";
    case ConnectionSecurity::Tls:
        break;
    }
    return "TLS";
}

ConnectionSecurity SecurityFrom(const QString& text, ConnectionSecurity fallback)
{
    if (text.compare("None", Qt::CaseInsensitive) == 0)
        return ConnectionSecurity::None;
    if (text.compare("STARTTLS", Qt::CaseInsensitive) == 0)
        return ConnectionSecurity::StartTls;
    if (text.compare("TLS", Qt::CaseInsensitive) == 0)
        return ConnectionSecurity::Tls;
    return fallback;
}

Registry::Value Read(const char* name)
{
    return Registry::QueryValue(MailAccountSubkey, QString::fromLatin1(name));
}

std::string Text(const char* name)
{
    return Read(name).ToText().toStdString();
}

int Number(const char* name)
{
    return Read(name).ToNumber().value_or(0);
}

bool Write(const char* name, const std::string& text)
{
    return Registry::SetKeyValue(MailAccountSubkey, QString::fromLatin1(name),
                                 Registry::Value::Text(QString::fromStdString(text)));
}

bool Write(const char* name, int number)
{
    return Registry::SetKeyValue(MailAccountSubkey, QString::fromLatin1(name),
                                 Registry::Value::Number(number));
}

// "host:port=fingerprint" entries, separated by spaces.
std::map<std::string, std::string> FingerprintsFrom(const std::string& text)
{
    std::map<std::string, std::string> fingerprints;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find(' ', from);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(from, end - from);
        const std::size_t eq = line.rfind('=');
        if (eq != std::string::npos && eq > 0 && eq + 1 < line.size())
            fingerprints[line.substr(0, eq)] = line.substr(eq + 1);
        from = end + 1;
    }
    return fingerprints;
}

std::string FingerprintsText(const std::map<std::string, std::string>& fingerprints)
{
    std::string text;
    for (const auto& [server, fingerprint] : fingerprints)
        text += (text.empty() ? "" : " ") + server + "=" + fingerprint;
    return text;
}

// Reads the keyring's password into an account read from the file.
void ReadPassword(MailAccount& account, PasswordKeyring& keyring)
{
    const std::string key = PasswordKeyFor(account);
    if (key.empty())
        return;
    if (!account.Password.empty()) {
        // Still in the file: moved, and taken out of the file only once
        // the keyring has it (a failed rewrite of the file just moves it
        // again next time).
        if (keyring.Write(key, account.Password) == KeyringAnswer::Done)
            Write("Password", std::string());
        else
            account.NoKeyringAnswered = true;
        return;
    }
    std::string password;
    switch (keyring.Read(key, password)) {
    case KeyringAnswer::Done:
        account.Password = password;
        break;
    case KeyringAnswer::NotFound:
        break;
    case KeyringAnswer::NoAnswer:
        account.NoKeyringAnswered = true;
        break;
    }
}

} // namespace

MailAccount LoadMailAccount(PasswordKeyring* keyring)
{
    MailAccount account;
    account.Protocol = Read("InboxProtocol").ToText().compare("POP3", Qt::CaseInsensitive) == 0
                           ? InboxProtocol::Pop3
                           : InboxProtocol::Imap;
    account.InboxServer = Text("InboxServer");
    account.InboxPort = Number("InboxPort");
    account.InboxSecurity = SecurityFrom(Read("InboxSecurity").ToText(), account.InboxSecurity);
    account.SmtpServer = Text("SmtpServer");
    account.SmtpPort = Number("SmtpPort");
    account.SmtpSecurity = SecurityFrom(Read("SmtpSecurity").ToText(), account.SmtpSecurity);
    account.SmtpAuthentication = Read("SmtpAuthentication").ToText() != "False";
    account.TrustedCertificateFile = Text("TrustedCertificates");
    account.TrustedServerCertificates = FingerprintsFrom(Text("TrustedServerCertificates"));
    account.UserName = Text("UserName");
    account.Password = Text("Password");
    account.Address = Text("Address");
    account.DisplayName = Text("DisplayName");
    account.PostOfficeFolder = Text("PostOfficeFolder");
    if (keyring)
        ReadPassword(account, *keyring);
    return account;
}

bool SaveMailAccount(const MailAccount& account, PasswordKeyring* keyring)
{
    if (!Registry::CreateNewKey(Registry::SettingsPrefix + MailAccountSubkey))
        return false;
    std::string filePassword = account.Password;
    std::string oldKey;
    const std::string key = PasswordKeyFor(account);
    if (keyring) {
        MailAccount stored;
        stored.UserName = Text("UserName");
        stored.InboxServer = Text("InboxServer");
        oldKey = PasswordKeyFor(stored);
        if (!key.empty() && !account.Password.empty()) {
            if (keyring->Write(key, account.Password) == KeyringAnswer::Done)
                filePassword.clear();
        } else if (!key.empty() && !(account.NoKeyringAnswered && key == oldKey)) {
            // Saved without a password: none is kept. But the password of
            // an account read while no keyring answered was never known,
            // so it is not removed for being empty here.
            keyring->Remove(key);
        }
    }
    // The store refuses empty values; an empty text is still a text.
    bool ok = true;
    ok &= Write("InboxProtocol", std::string(ProtocolText(account.Protocol)));
    ok &= Write("InboxServer", account.InboxServer);
    ok &= Write("InboxPort", account.InboxPort);
    ok &= Write("InboxSecurity", std::string(SecurityText(account.InboxSecurity)));
    ok &= Write("SmtpServer", account.SmtpServer);
    ok &= Write("SmtpPort", account.SmtpPort);
    ok &= Write("SmtpSecurity", std::string(SecurityText(account.SmtpSecurity)));
    ok &= Write("SmtpAuthentication", std::string(account.SmtpAuthentication ? "True" : "False"));
    ok &= Write("TrustedCertificates", account.TrustedCertificateFile);
    ok &= Write("TrustedServerCertificates", FingerprintsText(account.TrustedServerCertificates));
    ok &= Write("UserName", account.UserName);
    ok &= Write("Password", filePassword);
    ok &= Write("Address", account.Address);
    ok &= Write("DisplayName", account.DisplayName);
    ok &= Write("PostOfficeFolder", account.PostOfficeFolder);
    // The entry of the account as it was, once the file no longer names it.
    if (ok && keyring && !oldKey.empty() && oldKey != key)
        keyring->Remove(oldKey);
    return ok;
}

std::filesystem::path DefaultPostOfficeFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdString()) / "Tallowmere" / "Post Office";
}

std::string DefaultPostOfficeAddress()
{
    std::string user;
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        user = entry->pw_name;
    if (user.empty()) {
        const char* env = std::getenv("USER");
        user = env && *env ? env : "player";
    }
    return user + "@localhost";
}

std::string OwnDisplayName(const MailAccount& account)
{
    if (!account.DisplayName.empty())
        return account.DisplayName;
    const std::string address = account.Address.empty() ? DefaultPostOfficeAddress() : account.Address;
    return address.substr(0, address.find('@'));
}

std::unique_ptr<MailService> CreateMailService(const MailAccount& account,
                                               std::shared_ptr<MailWait> wait)
{
    if (account.IsInternetAccountSet())
        return std::make_unique<InternetMailService>(account, MailTimeouts{}, std::move(wait));
    const std::filesystem::path folder = account.PostOfficeFolder.empty()
                                             ? DefaultPostOfficeFolder()
                                             : std::filesystem::path(account.PostOfficeFolder);
    const std::string address = account.Address.empty() ? DefaultPostOfficeAddress() : account.Address;
    return std::make_unique<PostOfficeMailService>(folder, address, OwnDisplayName(account));
}

} // namespace MailSupport
