#pragma once
// The question put to the user when a mail server's certificate cannot be
// verified: which server, why, and the certificate's SHA-256 fingerprint,
// with "Trust this certificate" and Cancel.

#include "platform/certificate_verifier.h"

#include <QString>

namespace MailSupport {

// The question's text ("|" breaks the line, "||" leaves an empty one).
QString CertificateQuestionText(const CertificateVerdict& refused);

// Asks modally, on the window thread; true when the user trusts it.
bool AskToTrustCertificate(const CertificateVerdict& refused);

} // namespace MailSupport
