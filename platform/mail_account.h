#pragma once
// The user's mail account: where the inbox and the outgoing server are and
// how to log on to them, or, when no internet account is set, the shared
// folder of the local post office. Kept in the settings store under its own
// key, beside the program's other settings.

#include <map>
#include <string>

namespace MailSupport {

enum class InboxProtocol { Imap, Pop3 };

enum class ConnectionSecurity {
    None,     // plain text; only sensible on loopback or a trusted network
    StartTls, // plain connection upgraded before logging on; required
    Tls,      // TLS from the first byte
};

struct MailAccount {
    InboxProtocol Protocol = InboxProtocol::Imap;
    std::string InboxServer;
    int InboxPort = 0; // 0: the protocol's usual port for the security
    ConnectionSecurity InboxSecurity = ConnectionSecurity::Tls;

    std::string SmtpServer;
    int SmtpPort = 0;
    ConnectionSecurity SmtpSecurity = ConnectionSecurity::StartTls;
    bool SmtpAuthentication = true;

    // A PEM file of certificates trusted besides the system's authorities,
    // for a server with a certificate of its own making; may be empty.
    std::string TrustedCertificateFile;
    // The certificates the user trusted although no authority vouches for
    // them: SHA-256 fingerprint by "host:port".
    std::map<std::string, std::string> TrustedServerCertificates;

    // One log-on for both servers. The password is kept in the desktop's
    // keyring, or in the settings file while no keyring answers.
    std::string UserName;
    std::string Password;
    // Not stored: no keyring answered when the account was read, so its
    // password is kept in the settings file (and a password the keyring
    // did not give is not taken for none).
    bool NoKeyringAnswered = false;

    // Who the user is to the opponent.
    std::string Address;
    std::string DisplayName;

    // The local post office's shared folder; empty means the default one.
    std::string PostOfficeFolder;

    // An internet account is set once both servers and the own address are.
    bool IsInternetAccountSet() const
    {
        return !InboxServer.empty() && !SmtpServer.empty() && !Address.empty();
    }
};

// The port a connection uses: the account's, or the usual one.
int InboxPortFor(const MailAccount& account);
int SmtpPortFor(const MailAccount& account);

} // namespace MailSupport
