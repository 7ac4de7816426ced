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

MailSupport::MailAccount SettingsAccountStore::NewAccount()
{
    // Asked for nothing in particular, a keyring that is there answers
    // that it holds nothing.
    MailSupport::MailAccount account;
    std::string none;
    account.NoKeyringAnswered = keyring_->Read("@", none) == MailSupport::KeyringAnswer::NoAnswer;
    return account;
}

} // namespace SysTraySupport
