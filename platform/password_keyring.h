#pragma once
// Where the mail password is kept apart from the settings file: the
// desktop's keyring, asked by a key and answering in time or not at all.
// The real one is QtKeychain's (qt_keychain_passwords.h); tests use one of
// their own.

#include <string>

namespace MailSupport {

struct MailAccount;

enum class KeyringAnswer {
    Done,     // read, written or removed
    NotFound, // the keyring answered: it holds nothing under the key
    NoAnswer, // no keyring, a locked one the user kept locked, an error, or no answer in time
};

class PasswordKeyring {
public:
    virtual ~PasswordKeyring() = default;
    virtual KeyringAnswer Read(const std::string& key, std::string& password) = 0;
    virtual KeyringAnswer Write(const std::string& key, const std::string& password) = 0;
    // Done also when there was nothing to remove.
    virtual KeyringAnswer Remove(const std::string& key) = 0;
};

// The key of an account's password: its user name and inbox server,
// "user@server" (a server name holds no "@", so the last one divides
// them). Empty for an account without an inbox server, whose password is
// never used.
std::string PasswordKeyFor(const MailAccount& account);

} // namespace MailSupport
