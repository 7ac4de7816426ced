#pragma once
// The certificate verifier VMime's TLS connections ask: the whole chain is
// handed to VerifyServerCertificate, and a refusal is kept where the mail
// service can read it after the failed call.

#include "platform/certificate_verifier.h"
#include "platform/mail_account.h"

#include <memory>
#include <optional>

namespace vmime::security::cert {
class certificateVerifier;
}

namespace MailSupport {

// What the verifier refused during the call under way.
struct CertificateRefusalSlot {
    std::optional<CertificateVerdict> Refused;
};

// A verifier for the server at `port` of the account, trusting the system's
// authorities, the account's certificate file and the certificate the user
// trusted for that server.
std::shared_ptr<vmime::security::cert::certificateVerifier>
MakeCertificateVerifier(const MailAccount& account, int port,
                        std::shared_ptr<CertificateRefusalSlot> slot);

} // namespace MailSupport
