#include "platform/mail_account.h"

#include "platform/password_keyring.h"

namespace MailSupport {

std::string PasswordKeyFor(const MailAccount& account)
{
    if (account.InboxServer.empty())
        return {};
    return account.UserName + "@" + account.InboxServer;
}

int InboxPortFor(const MailAccount& account)
{
    if (account.InboxPort > 0)
        return account.InboxPort;
    const bool tls = account.InboxSecurity == ConnectionSecurity::Tls;
    if (account.Protocol == InboxProtocol::Pop3)
        return tls ? 995 : 110;
    return tls ? 993 : 143;
}

int SmtpPortFor(const MailAccount& account)
{
    if (account.SmtpPort > 0)
        return account.SmtpPort;
    switch (account.SmtpSecurity) {
    case ConnectionSecurity::Tls:
        return 465;
    case ConnectionSecurity::StartTls:
        return 587;
    case ConnectionSecurity::None:
        break;
    }
    return 25;
}

} // namespace MailSupport
