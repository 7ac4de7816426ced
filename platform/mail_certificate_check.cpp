#include "platform/mail_certificate_check.h"

#include <vmime/vmime.hpp>

namespace MailSupport {
namespace {

class ChainVerifier : public vmime::security::cert::certificateVerifier {
public:
    ChainVerifier(const MailAccount& account, int port, std::shared_ptr<CertificateRefusalSlot> slot)
        : account_(account), port_(port), slot_(std::move(slot))
    {
    }

    void verify(std::shared_ptr<vmime::security::cert::certificateChain> chain,
                const vmime::string& hostname) override
    {
        std::vector<std::string> ders;
        for (std::size_t i = 0; chain && i < chain->getCount(); ++i) {
            const vmime::byteArray der = chain->getAt(i)->getEncoded();
            ders.emplace_back(der.begin(), der.end());
        }
        CertificateTrust trust;
        trust.CertificateFile = account_.TrustedCertificateFile;
        const auto pinned = account_.TrustedServerCertificates.find(ServerKey(hostname, port_));
        if (pinned != account_.TrustedServerCertificates.end())
            trust.TrustedFingerprint = pinned->second;
        CertificateVerdict verdict = VerifyServerCertificate(ders, hostname, port_, trust);
        if (verdict.Trusted())
            return;
        const std::string text = RefusalText(verdict);
        slot_->Refused = std::move(verdict);
        throw vmime::security::cert::certificateException(text);
    }

private:
    MailAccount account_;
    int port_;
    std::shared_ptr<CertificateRefusalSlot> slot_;
};

} // namespace

std::shared_ptr<vmime::security::cert::certificateVerifier>
MakeCertificateVerifier(const MailAccount& account, int port,
                        std::shared_ptr<CertificateRefusalSlot> slot)
{
    return std::make_shared<ChainVerifier>(account, port, std::move(slot));
}

} // namespace MailSupport
