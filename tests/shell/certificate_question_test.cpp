// The question about a certificate no authority vouches for: the server,
// the reason and the fingerprint, answered with "Trust this certificate"
// or Cancel; Enter and Escape do not trust.
#include "shell/certificate_question.h"
#include "tests/shell/shell_test_support.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using MailSupport::CertificateQuestion;

TEST(CertificateQuestionTest, ShowsServerReasonAndFingerprint)
{
    TestSupport::EnsureQtApp();
    TestSupport::ScriptedHost host;
    const MailSupport::CertificateVerdict refused{
        MailSupport::CertificateFault::SelfSigned,
        "mail.example.org:993",
        "3F:A2:9C:01:5D:E7:44:B8:0A:6B:C3:19:F2:8E:77:D0:52:1C:AE:39:64:0F:B5:8D:E1:27:9A:C6:03:4B:F8:DE",
        {}};
    struct Case {
        const char* name;
        std::function<void(CertificateQuestion&)> answer;
        bool trusted;
    };
    const Case cases[] = {
        {"trusted", [](CertificateQuestion& q) { q.TrustButton->click(); }, true},
        {"cancelled", [](CertificateQuestion& q) { q.CancelButton->click(); }, false},
        {"enter", [](CertificateQuestion& q) { QTest::keyClick(&q, Qt::Key_Return); }, false},
        {"escape", [](CertificateQuestion& q) { QTest::keyClick(&q, Qt::Key_Escape); }, false},
    };
    std::optional<QString> shot;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString reason, fingerprint, trust;
        host.Script = [&](QWidget& window) {
            auto* question = qobject_cast<CertificateQuestion*>(&window);
            ASSERT_NE(question, nullptr);
            reason = question->Reason->text();
            fingerprint = question->Fingerprint->text();
            trust = question->TrustButton->text();
            if (!shot)
                shot = ShellTesting::SaveScreenshot(*question, QStringLiteral("certificate-question"));
            c.answer(*question);
        };
        EXPECT_EQ(MailSupport::AskToTrustCertificate(refused), c.trusted);
        EXPECT_FALSE(host.LeftOpen);
        EXPECT_EQ(trust, QStringLiteral("Trust this certificate"));
        EXPECT_EQ(reason, QString::fromStdString(MailSupport::RefusalText(refused)));
        // The fingerprint in two halves, one a line.
        EXPECT_EQ(fingerprint, QString::fromStdString(refused.Fingerprint.substr(0, 47) + "\n"
                                                      + refused.Fingerprint.substr(48)));
    }
    ASSERT_TRUE(shot.has_value());
    std::printf("screenshot: %s\n", qPrintable(*shot));
}

} // namespace
