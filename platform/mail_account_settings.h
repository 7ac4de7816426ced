#pragma once
// The mail account in the settings store, under its own key beside the
// program's settings ("Software\Tallowmere\Marrowdale\Mail"), and the mail
// service it calls for.

#include "platform/mail_account.h"
#include "platform/mail_wait.h"
#include "store/mail_service.h"

#include <QString>

#include <filesystem>
#include <memory>

namespace MailSupport {

// The key's subkey below the settings prefix.
inline const QString MailAccountSubkey = QStringLiteral("Marrowdale\\Mail");

class PasswordKeyring;

// The stored account; missing values read as MailAccount's defaults.
// With a keyring, its password is read from there; one still in the
// settings file (kept by an older Marrowdale, or while no keyring
// answered) is moved into the keyring, and out of the file once the
// keyring has confirmed it. Without one, the file's password is read.
MailAccount LoadMailAccount(PasswordKeyring* keyring = nullptr);
// False when the settings store could not be written. With a keyring, the
// password goes there and the file holds none; while no keyring answers
// it is kept in the (owner-only) file. The keyring's entry follows the
// account: one under the account's old user name or server is removed,
// and so is the entry of an account saved without a password.
bool SaveMailAccount(const MailAccount& account, PasswordKeyring* keyring = nullptr);

// The post office every player of this machine shares when the account
// names none: <data home>/Tallowmere/Post Office.
std::filesystem::path DefaultPostOfficeFolder();
// The address the user has in the post office without an account:
// the login name at "localhost".
std::string DefaultPostOfficeAddress();

// The name the user's mails carry, so the name the opponent's program
// stores for them: the account's own name, else the address's part before
// the "@" (the post office's address when the account names none).
std::string OwnDisplayName(const MailAccount& account);

// Internet mail when an internet account is set, the local post office
// otherwise (with the account's own address and name where it has them).
// Internet mail shows its waits and takes the user's Cancel through `wait`.
std::unique_ptr<MailService> CreateMailService(const MailAccount& account,
                                               std::shared_ptr<MailWait> wait = nullptr);

} // namespace MailSupport
