// Server certificates against an authority of the test's own making: the
// whole chain is verified, every fault is named apart, and a certificate
// the user trusted passes while another one in its place is refused.
#include "platform/certificate_verifier.h"
#include "tests/platform/test_certificates.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace MailTesting {
namespace {

using MailSupport::CertificateFault;
using MailSupport::CertificateTrust;
using MailSupport::VerifyServerCertificate;

const char* const Host = "mail.marrowdale.test";

TestCertificateSpec Authority(const char* name)
{
    TestCertificateSpec spec;
    spec.CommonName = name;
    spec.Authority = true;
    return spec;
}

TestCertificateSpec Server(const std::string& name)
{
    TestCertificateSpec spec;
    spec.CommonName = name;
    spec.Names = {name};
    spec.Addresses = {"127.0.0.1"};
    return spec;
}

class CertificateVerifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        trust.CertificateFile = folder.filePath("authorities.pem").toStdString();
        ASSERT_TRUE(WriteText(trust.CertificateFile, root->Pem()));
    }
    std::vector<std::string> Chain(const TestCertificate& own) const
    {
        return {own.Der(), intermediate->Der()};
    }

    QTemporaryDir folder;
    CertificateTrust trust;
    std::unique_ptr<TestCertificate> root = TestCertificate::Make(Authority("Marrowdale Test Root"));
    std::unique_ptr<TestCertificate> intermediate =
        TestCertificate::Make(Authority("Marrowdale Test Mail CA"), root.get());
    std::unique_ptr<TestCertificate> leaf = TestCertificate::Make(Server(Host), intermediate.get());
};

TEST_F(CertificateVerifierTest, EachFaultIsRefusedWithItsOwnReason)
{
    auto mallory = TestCertificate::Make(Authority("Mallory"));
    // Names the real intermediate as its issuer; signed with another key.
    auto forged = TestCertificate::Make(Server(Host), intermediate.get(), mallory.get());
    TestCertificateSpec expiredSpec = Server(Host);
    expiredSpec.NotBefore = std::chrono::hours(-48);
    expiredSpec.NotAfter = std::chrono::hours(-24);
    auto expired = TestCertificate::Make(expiredSpec, intermediate.get());
    TestCertificateSpec earlySpec = Server(Host);
    earlySpec.NotBefore = std::chrono::hours(24);
    earlySpec.NotAfter = std::chrono::hours(48);
    auto early = TestCertificate::Make(earlySpec, intermediate.get());
    auto otherRoot = TestCertificate::Make(Authority("Another Root"));
    auto otherIntermediate =
        TestCertificate::Make(Authority("Marrowdale Test Mail CA"), otherRoot.get());
    auto strangers = TestCertificate::Make(Server(Host), otherIntermediate.get());
    auto selfSigned = TestCertificate::Make(Server(Host));

    struct Case {
        const char* name;
        std::vector<std::string> chain;
        std::string host;
        CertificateFault fault;
        const char* words;
    };
    const Case cases[] = {
        {"valid chain", Chain(*leaf), Host, CertificateFault::None, ""},
        {"valid chain, by address", Chain(*leaf), "127.0.0.1", CertificateFault::None, ""},
        {"forged leaf, real intermediate", Chain(*forged), Host, CertificateFault::BadSignature,
         "may be forged"},
        {"wrong host", Chain(*leaf), "imap.elsewhere.test", CertificateFault::WrongHost,
         "another server name"},
        {"expired", Chain(*expired), Host, CertificateFault::Expired, "has expired"},
        {"not yet valid", Chain(*early), Host, CertificateFault::NotYetValid, "not valid yet"},
        {"unknown issuer",
         {strangers->Der(), otherIntermediate->Der()},
         Host,
         CertificateFault::UnknownIssuer,
         "not signed by an authority"},
        {"intermediate left out",
         {leaf->Der()},
         Host,
         CertificateFault::UnknownIssuer,
         "not signed by an authority"},
        {"self-signed",
         {selfSigned->Der()},
         Host,
         CertificateFault::SelfSigned,
         "signed by the server itself"},
        {"not a certificate", {"garbage"}, Host, CertificateFault::Unverifiable, "cannot be verified"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto verdict = VerifyServerCertificate(c.chain, c.host, 993, trust);
        EXPECT_EQ(verdict.Fault, c.fault);
        const std::string text = MailSupport::RefusalText(verdict);
        EXPECT_NE(text.find(c.words), std::string::npos) << text;
        if (c.fault != CertificateFault::None) {
            EXPECT_NE(text.find(c.host + ":993"), std::string::npos) << text;
        }
    }
}

TEST_F(CertificateVerifierTest, TheOwnFileOfAuthoritiesIsWhatVouchesForTheChain)
{
    EXPECT_TRUE(VerifyServerCertificate(Chain(*leaf), Host, 993, trust).Trusted());
    trust.CertificateFile = folder.filePath("missing.pem").toStdString();
    EXPECT_EQ(VerifyServerCertificate(Chain(*leaf), Host, 993, trust).Fault,
              CertificateFault::UnknownIssuer);
}

TEST_F(CertificateVerifierTest, OnlyTheCertificateTheUserTrustedPasses)
{
    auto selfSigned = TestCertificate::Make(Server(Host));
    auto another = TestCertificate::Make(Server(Host));
    const auto first = VerifyServerCertificate({selfSigned->Der()}, Host, 993, trust);
    ASSERT_TRUE(first.MayTrust());
    ASSERT_EQ(first.Fingerprint.size(), 32u * 3 - 1);
    EXPECT_EQ(first.Server, std::string(Host) + ":993");

    trust.TrustedFingerprint = first.Fingerprint;
    EXPECT_TRUE(VerifyServerCertificate({selfSigned->Der()}, Host, 993, trust).Trusted());

    const auto changed = VerifyServerCertificate({another->Der()}, Host, 993, trust);
    EXPECT_EQ(changed.Fault, CertificateFault::Changed);
    EXPECT_FALSE(changed.MayTrust());
    const std::string text = MailSupport::RefusalText(changed);
    EXPECT_NE(text.find("changed"), std::string::npos) << text;
    EXPECT_NE(text.find(first.Fingerprint), std::string::npos) << text;
    EXPECT_NE(text.find(changed.Fingerprint), std::string::npos) << text;

    // A forgery is never offered to trust; a chain an authority proves
    // needs no remembered certificate.
    auto mallory = TestCertificate::Make(Authority("Mallory"));
    auto forged = TestCertificate::Make(Server(Host), intermediate.get(), mallory.get());
    trust.TrustedFingerprint.clear();
    EXPECT_FALSE(VerifyServerCertificate(Chain(*forged), Host, 993, trust).MayTrust());
    trust.TrustedFingerprint = first.Fingerprint;
    EXPECT_TRUE(VerifyServerCertificate(Chain(*leaf), Host, 993, trust).Trusted());
}

} // namespace
} // namespace MailTesting
