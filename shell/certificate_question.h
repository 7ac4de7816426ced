#pragma once
// The question put to the user when a mail server's certificate cannot be
// verified: which server, why, and the certificate's SHA-256 fingerprint,
// with "Trust this certificate" and Cancel. Enter is Cancel: trusting takes
// a deliberate click.

#include "foundation/answering_dialog.h"
#include "platform/certificate_verifier.h"

class QLabel;
class QPushButton;

namespace MailSupport {

class CertificateQuestion : public Support::AnsweringDialog<Support::DialogAnswer> {
    Q_OBJECT
public:
    explicit CertificateQuestion(const CertificateVerdict& refused);

    QLabel* Reason;
    QLabel* Fingerprint;
    QPushButton* TrustButton;
    QPushButton* CancelButton;

protected:
    void EnterPressed() override;
    void EscapePressed() override;
};

// Asks modally, on the window thread; true when the user trusts it.
bool AskToTrustCertificate(const CertificateVerdict& refused);

} // namespace MailSupport
