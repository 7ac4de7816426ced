#pragma once
// Whether a mail server's certificate chain proves the server, decided by
// GnuTLS's own chain verification: every signature up to an authority of
// the system's trust store or of the account's own certificate file, the
// validity dates, the purpose and the host name. Nothing here matches
// certificates by their names alone.
//
// A certificate that cannot be verified may still be trusted by the user,
// once and exactly: its SHA-256 fingerprint is remembered for that server.
// Another certificate at that server later is refused as changed.

#include <optional>
#include <string>
#include <vector>

namespace MailSupport {

enum class CertificateFault {
    None,          // verified, or the certificate the user trusted
    UnknownIssuer, // signed by no authority that is trusted here
    SelfSigned,    // signed by itself, and not trusted here
    BadSignature,  // a signature does not match the issuer's key: forged or broken
    Expired,
    NotYetValid,
    WrongHost,    // made for another server name
    Changed,      // not the certificate the user trusted for this server
    Unverifiable, // anything else (unreadable, weak algorithm, wrong purpose)
};

// What is trusted for one server besides the system's authorities.
struct CertificateTrust {
    // A PEM file of further trusted certificates; may be empty.
    std::string CertificateFile;
    // The fingerprint of the certificate the user trusted for this server;
    // empty when none.
    std::string TrustedFingerprint;
    // Off only for tests that must not depend on this machine's store.
    bool SystemAuthorities = true;
};

struct CertificateVerdict {
    CertificateFault Fault = CertificateFault::None;
    // "host:port", the key a trusted fingerprint is kept under.
    std::string Server;
    // The server's own certificate's SHA-256 fingerprint.
    std::string Fingerprint;
    // For a changed certificate: the fingerprint the user trusted.
    std::string TrustedFingerprint;

    bool Trusted() const { return Fault == CertificateFault::None; }
    // Whether the user may be asked to trust the certificate: never for a
    // forged signature or a certificate other than the one trusted.
    bool MayTrust() const;
};

// The key a server's trusted fingerprint is kept under.
std::string ServerKey(const std::string& host, int port);

// The SHA-256 fingerprint of a DER certificate, as colon-separated pairs of
// upper-case hex digits; empty when it is no certificate.
std::string Sha256Fingerprint(const std::string& der);

// Verifies `chain` (DER, the server's own certificate first, as sent) for
// `host`, the name or address the program connected to.
CertificateVerdict VerifyServerCertificate(const std::vector<std::string>& chain,
                                           const std::string& host, int port,
                                           const CertificateTrust& trust);

// Why the certificate was refused, for the user; empty when it was not.
std::string RefusalText(const CertificateVerdict& verdict);

// A mail service that checks server certificates tells which one made its
// last failed call fail.
class CertificateRefusals {
public:
    virtual ~CertificateRefusals() = default;
    virtual std::optional<CertificateVerdict> RefusedCertificate() const = 0;
};

} // namespace MailSupport
