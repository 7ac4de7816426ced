#include "shell/program_services.h"

#include "platform/mail_account_settings.h"
#include "platform/registry.h"

namespace SysTraySupport {

std::optional<MailSupport::MailAccount> SettingsAccountStore::Load()
{
    // The mail settings' key appears with the first account saved.
    if (!Registry::KeyExists(Registry::SettingsPrefix + MailSupport::MailAccountSubkey))
        return std::nullopt;
    return MailSupport::LoadMailAccount();
}

bool SettingsAccountStore::Save(const MailSupport::MailAccount& account)
{
    return MailSupport::SaveMailAccount(account);
}

} // namespace SysTraySupport
