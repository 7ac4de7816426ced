#pragma once
// A keyring in memory for the tests: it answers at once, or (Answers
// false) never, as a keyring that is absent, locked or hung.

#include "platform/password_keyring.h"

#include <map>
#include <string>

namespace MailTesting {

class FakePasswordKeyring : public MailSupport::PasswordKeyring {
public:
    MailSupport::KeyringAnswer Read(const std::string& key, std::string& password) override
    {
        if (!Answers)
            return MailSupport::KeyringAnswer::NoAnswer;
        const auto found = Entries.find(key);
        if (found == Entries.end())
            return MailSupport::KeyringAnswer::NotFound;
        password = found->second;
        return MailSupport::KeyringAnswer::Done;
    }
    MailSupport::KeyringAnswer Write(const std::string& key, const std::string& password) override
    {
        if (!Answers)
            return MailSupport::KeyringAnswer::NoAnswer;
        Entries[key] = password;
        return MailSupport::KeyringAnswer::Done;
    }
    MailSupport::KeyringAnswer Remove(const std::string& key) override
    {
        if (!Answers)
            return MailSupport::KeyringAnswer::NoAnswer;
        Entries.erase(key);
        return MailSupport::KeyringAnswer::Done;
    }

    std::map<std::string, std::string> Entries;
    bool Answers = true;
};

} // namespace MailTesting
