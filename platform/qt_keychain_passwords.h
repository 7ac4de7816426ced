#pragma once
// The desktop's keyring through QtKeychain (the Secret Service: GNOME
// Keyring, KWallet, KeePassXC), under the service "Marrowdale".
//
// Every question waits at most the deadline and is then taken for no
// answer; the library keeps it running, and while it is unanswered later
// questions are not asked (the library would queue them behind it) but
// answered NoAnswer at once. Called off the window thread: the caller
// waits.

#include "platform/password_keyring.h"

#include <chrono>

namespace MailSupport {

// A keyring that is there answers in milliseconds; this leaves time for a
// busy desktop, not for a hung one.
inline constexpr std::chrono::milliseconds KeyringDeadline{5000};

class QtKeychainPasswords : public PasswordKeyring {
public:
    explicit QtKeychainPasswords(std::chrono::milliseconds deadline = KeyringDeadline);
    KeyringAnswer Read(const std::string& key, std::string& password) override;
    KeyringAnswer Write(const std::string& key, const std::string& password) override;
    KeyringAnswer Remove(const std::string& key) override;

private:
    std::chrono::milliseconds deadline_;
};

// The program's keyring, one for the whole run.
PasswordKeyring& DesktopKeyring();

} // namespace MailSupport
