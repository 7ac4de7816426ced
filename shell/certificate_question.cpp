#include "shell/certificate_question.h"

#include "foundation/modal_host.h"
#include "foundation/polling_pause.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace MailSupport {

CertificateQuestion::CertificateQuestion(const CertificateVerdict& refused)
    : AnsweringDialog(Support::DialogAnswer::Cancel)
{
    setObjectName(QStringLiteral("CertificateQuestion"));
    setWindowTitle(QStringLiteral("Marrowdale - Mail server certificate"));

    Reason = new QLabel(QString::fromStdString(RefusalText(refused)), this);
    Reason->setObjectName(QStringLiteral("Reason"));
    Reason->setWordWrap(true);
    auto* caption = new QLabel(QStringLiteral("SHA-256 fingerprint of the certificate:"), this);
    // Sixteen pairs a line: the two halves are compared at a glance.
    const QString fingerprint = QString::fromStdString(refused.Fingerprint);
    Fingerprint = new QLabel(fingerprint.left(47) + "\n" + fingerprint.mid(48), this);
    Fingerprint->setObjectName(QStringLiteral("Fingerprint"));
    Fingerprint->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Fingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* advice = new QLabel(
        QStringLiteral("Trust this certificate only if you know it is your mail server's own. "
                       "Marrowdale will then accept it, and no other, from ")
            + QString::fromStdString(refused.Server) + QStringLiteral("."),
        this);
    advice->setWordWrap(true);

    TrustButton = new QPushButton(QStringLiteral("Trust this certificate"), this);
    TrustButton->setObjectName(QStringLiteral("TrustButton"));
    TrustButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(TrustButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Reason);
    layout->addSpacing(6);
    layout->addWidget(caption);
    layout->addWidget(Fingerprint);
    layout->addSpacing(6);
    layout->addWidget(advice);
    layout->addLayout(buttons);
    setMinimumWidth(Fingerprint->sizeHint().width() + 40);

    connect(TrustButton, &QPushButton::clicked, this, [this] { AnswerWith(Support::DialogAnswer::Ok); });
    connect(CancelButton, &QPushButton::clicked, this,
            [this] { AnswerWith(Support::DialogAnswer::Cancel); });
}

void CertificateQuestion::EnterPressed()
{
    AnswerWith(Support::DialogAnswer::Cancel);
}

void CertificateQuestion::EscapePressed()
{
    AnswerWith(Support::DialogAnswer::Cancel);
}

bool AskToTrustCertificate(const CertificateVerdict& refused)
{
    Support::PollingPause guard;
    CertificateQuestion question(refused);
    Support::CurrentModalHost().RunModal(question);
    return question.Answer() == Support::DialogAnswer::Ok;
}

} // namespace MailSupport
