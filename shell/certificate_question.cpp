#include "shell/certificate_question.h"

#include "foundation/message_box.h"

namespace MailSupport {

QString CertificateQuestionText(const CertificateVerdict& refused)
{
    // Sixteen pairs a line: the two halves are compared at a glance.
    const QString fingerprint = QString::fromStdString(refused.Fingerprint);
    const QString lines = fingerprint.left(47) + "|" + fingerprint.mid(48);
    return QString::fromStdString(RefusalText(refused))
           + QStringLiteral("||SHA-256 fingerprint of the certificate:|") + lines
           + QStringLiteral("||Trust this certificate only if you know it is your mail server's own. "
                            "Marrowdale will then accept it, and no other, from ")
           + QString::fromStdString(refused.Server) + QStringLiteral(".");
}

bool AskToTrustCertificate(const CertificateVerdict& refused)
{
    return Support::ShowMessage(2, QStringLiteral("Mail server certificate"),
                                CertificateQuestionText(refused),
                                QStringLiteral("Trust this certificate"), QStringLiteral("Cancel"), false);
}

} // namespace MailSupport
