#include "shell/program_services.h"

#include "platform/mail_account_settings.h"
#include "platform/qt_keychain_passwords.h"
#include "platform/registry.h"

namespace SysTraySupport {

SettingsAccountStore::SettingsAccountStore(MailSupport::PasswordKeyring* keyring)
    : keyring_(keyring ? keyring : &MailSupport::DesktopKeyring())
{
}

std::optional<MailSupport::MailAccount> SettingsAccountStore::Load()
{
    // The mail settings' key appears with the first account saved.
    if (!Registry::KeyExists(Registry::SettingsPrefix + MailSupport::MailAccountSubkey))
        return std::nullopt;
    return MailSupport::LoadMailAccount(keyring_);
}

bool SettingsAccountStore::Save(const MailSupport::MailAccount& account)
{
    return MailSupport::SaveMailAccount(account, keyring_);
}

} // namespace SysTraySupport
