#include "shell/mail_account_fields.h"

#include "platform/mail_account_settings.h"
#include "store/mail_address.h"

#include <QDir>
#include <QFileInfo>

namespace MailSupport {

namespace {

constexpr int HighestPort = 65535;

std::string Trimmed(const QString& text)
{
    return text.trimmed().toStdString();
}

QString ServerProblem(const std::string& server, const QString& missing)
{
    if (server.empty())
        return missing;
    if (server.find_first_of(" \t/@") != std::string::npos)
        return QStringLiteral("A server name has no spaces, \"/\" or \"@\".");
    return {};
}

QString PortProblem(int port)
{
    return port > HighestPort ? QStringLiteral("A port is 1 to 65535 (0 for the usual one).")
                              : QString();
}

} // namespace

bool IsLoopbackServer(const QString& server)
{
    const QString name = server.trimmed().toLower();
    if (name == QLatin1String("localhost") || name == QLatin1String("::1")
        || name == QLatin1String("[::1]"))
        return true;
    const QStringList parts = name.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts.front() != QLatin1String("127"))
        return false;
    for (const QString& part : parts) {
        bool number = false;
        const int value = part.toInt(&number);
        if (!number || value < 0 || value > 255)
            return false;
    }
    return true;
}

bool InboxLogOnUnencrypted(const MailAccountFields& fields)
{
    return fields.Internet && fields.InboxSecurity == ConnectionSecurity::None
           && !IsLoopbackServer(fields.InboxServer);
}

bool SmtpLogOnUnencrypted(const MailAccountFields& fields)
{
    return fields.Internet && fields.SmtpAuthentication
           && fields.SmtpSecurity == ConnectionSecurity::None && !IsLoopbackServer(fields.SmtpServer);
}

bool OpensOnInternetMail(const MailAccount& account)
{
    return account.IsInternetAccountSet() || !account.InboxServer.empty();
}

MailAccount AccountFrom(const MailAccountFields& fields, const MailAccount& given)
{
    MailAccount account;
    account.TrustedCertificateFile = given.TrustedCertificateFile;
    account.TrustedServerCertificates = given.TrustedServerCertificates;
    account.NoKeyringAnswered = given.NoKeyringAnswered;
    account.DisplayName = Trimmed(fields.DisplayName);
    account.Address = Trimmed(fields.Address);
    if (!fields.Internet) {
        account.PostOfficeFolder = Trimmed(fields.PostOfficeFolder);
        return account;
    }
    account.Protocol = fields.Protocol;
    account.InboxServer = Trimmed(fields.InboxServer);
    account.InboxPort = fields.InboxPort;
    account.InboxSecurity = fields.InboxSecurity;
    account.SmtpServer = Trimmed(fields.SmtpServer);
    account.SmtpPort = fields.SmtpPort;
    account.SmtpSecurity = fields.SmtpSecurity;
    account.SmtpAuthentication = fields.SmtpAuthentication;
    account.UserName = Trimmed(fields.UserName);
    // A password may begin or end with a space.
    account.Password = fields.Password.toStdString();
    return account;
}

QString WholePostOfficePath(const QString& typedFolder)
{
    const QString typed = typedFolder.trimmed();
    const QString folder =
        typed.isEmpty() ? QString::fromStdString(DefaultPostOfficeFolder().string()) : typed;
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

FolderState DiskPostOfficeFolders::State(const QString& path) const
{
    const QFileInfo folder(path);
    if (!folder.exists())
        return FolderState::Missing;
    if (!folder.isDir())
        return FolderState::NotAFolder;
    if (!(folder.isReadable() && folder.isWritable() && folder.isExecutable()))
        return FolderState::NotUsable;
    return FolderState::Usable;
}

bool DiskPostOfficeFolders::ConfirmCreate(const QString& path)
{
    return confirm_ && confirm_(path);
}

bool DiskPostOfficeFolders::Make(const QString& path)
{
    return QDir().mkpath(path);
}

std::vector<FieldReason> AccountProblems(const MailAccountFields& fields,
                                         const PostOfficeFolderPort& folders)
{
    std::vector<FieldReason> problems;
    const MailAccount account = AccountFrom(fields, {});
    auto add = [&problems](AccountField field, const QString& problem) {
        if (!problem.isEmpty())
            problems.push_back({field, problem});
    };
    if (fields.Internet) {
        add(AccountField::InboxServer,
            ServerProblem(account.InboxServer, QStringLiteral("Enter the incoming mail server.")));
        add(AccountField::InboxPort, PortProblem(account.InboxPort));
        add(AccountField::SmtpServer,
            ServerProblem(account.SmtpServer, QStringLiteral("Enter the outgoing mail server.")));
        add(AccountField::SmtpPort, PortProblem(account.SmtpPort));
        if (account.UserName.empty())
            add(AccountField::UserName, QStringLiteral("Enter the user name of your mail account."));
    }
    // The opponent stores and shows the name with every move.
    if (account.DisplayName.empty())
        add(AccountField::DisplayName, QStringLiteral("Enter your name."));
    if (fields.Internet && account.Address.empty())
        add(AccountField::Address, QStringLiteral("Enter your own mail address."));
    else if (!account.Address.empty())
        add(AccountField::Address, QString::fromStdString(AddressProblem(account.Address)));
    if (!fields.Internet) {
        const QString typed = fields.PostOfficeFolder.trimmed();
        const FolderState state = folders.State(WholePostOfficePath(typed));
        if (!QDir::isAbsolutePath(typed) && !typed.isEmpty())
            add(AccountField::PostOfficeFolder, QStringLiteral("Enter the whole path, from \"/\"."));
        else if (state == FolderState::NotAFolder)
            add(AccountField::PostOfficeFolder, QStringLiteral("This is a file, not a folder."));
        else if (state == FolderState::NotUsable)
            add(AccountField::PostOfficeFolder,
                QStringLiteral("Marrowdale cannot read and write this folder."));
    }
    return problems;
}

AccountOkResult ConfirmAccountFields(const MailAccountFields& fields, PostOfficeFolderPort& folders)
{
    std::vector<FieldReason> problems = AccountProblems(fields, folders);
    if (!problems.empty())
        return {AccountOkOutcome::FieldsRefused, std::move(problems), true};
    if (fields.Internet)
        return {AccountOkOutcome::Accepted, {}, false};
    const QString path = WholePostOfficePath(fields.PostOfficeFolder);
    if (folders.State(path) != FolderState::Missing)
        return {AccountOkOutcome::Accepted, {}, false};
    if (!folders.ConfirmCreate(path))
        return {AccountOkOutcome::CreateDeclined, {}, false};
    if (!folders.Make(path))
        return {AccountOkOutcome::FolderNotMade,
                {{AccountField::PostOfficeFolder, QStringLiteral("The folder could not be made here.")}},
                false};
    return {AccountOkOutcome::Accepted, {}, false};
}

} // namespace MailSupport
