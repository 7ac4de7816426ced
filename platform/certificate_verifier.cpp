#include "platform/certificate_verifier.h"

#include <gnutls/crypto.h>
#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <memory>

namespace MailSupport {
namespace {

struct CertificateList {
    std::vector<gnutls_x509_crt_t> Certificates;
    ~CertificateList()
    {
        for (gnutls_x509_crt_t c : Certificates)
            gnutls_x509_crt_deinit(c);
    }
};

struct TrustList {
    gnutls_x509_trust_list_t List = nullptr;
    ~TrustList()
    {
        if (List)
            gnutls_x509_trust_list_deinit(List, 1);
    }
};

gnutls_datum_t Datum(const std::string& bytes)
{
    return {reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data())),
            static_cast<unsigned int>(bytes.size())};
}

// The one fault a status stands for, the gravest first: a forgery is
// named as such even when the chain has other faults too.
CertificateFault FaultOf(unsigned status, gnutls_x509_crt_t own, std::size_t chainLength)
{
    if (status == 0)
        return CertificateFault::None;
    if (status & GNUTLS_CERT_SIGNATURE_FAILURE)
        return CertificateFault::BadSignature;
    if (status & GNUTLS_CERT_SIGNER_NOT_FOUND) {
        // Self-issued by name: only which text to show depends on it.
        const bool selfSigned = chainLength == 1 && gnutls_x509_crt_check_issuer(own, own) == 1;
        return selfSigned ? CertificateFault::SelfSigned : CertificateFault::UnknownIssuer;
    }
    if (status & GNUTLS_CERT_EXPIRED)
        return CertificateFault::Expired;
    if (status & GNUTLS_CERT_NOT_ACTIVATED)
        return CertificateFault::NotYetValid;
    if (status & GNUTLS_CERT_UNEXPECTED_OWNER)
        return CertificateFault::WrongHost;
    return CertificateFault::Unverifiable;
}

} // namespace

bool CertificateVerdict::MayTrust() const
{
    return Fault != CertificateFault::None && Fault != CertificateFault::BadSignature
           && Fault != CertificateFault::Changed && !Fingerprint.empty();
}

std::string ServerKey(const std::string& host, int port)
{
    return host + ":" + std::to_string(port);
}

std::string Sha256Fingerprint(const std::string& der)
{
    gnutls_x509_crt_t crt = nullptr;
    if (gnutls_x509_crt_init(&crt) < 0)
        return {};
    const std::unique_ptr<gnutls_x509_crt_int, decltype(&gnutls_x509_crt_deinit)> owned(
        crt, gnutls_x509_crt_deinit);
    const gnutls_datum_t data = Datum(der);
    if (gnutls_x509_crt_import(crt, &data, GNUTLS_X509_FMT_DER) < 0)
        return {};
    unsigned char digest[32];
    if (gnutls_hash_fast(GNUTLS_DIG_SHA256, der.data(), der.size(), digest) < 0)
        return {};
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : digest) {
        if (!text.empty())
            text += ':';
        text += hex[byte >> 4];
        text += hex[byte & 15];
    }
    return text;
}

CertificateVerdict VerifyServerCertificate(const std::vector<std::string>& chain,
                                           const std::string& host, int port,
                                           const CertificateTrust& trust)
{
    CertificateVerdict verdict;
    verdict.Server = ServerKey(host, port);
    verdict.Fault = CertificateFault::Unverifiable;
    if (chain.empty())
        return verdict;
    verdict.Fingerprint = Sha256Fingerprint(chain.front());
    if (verdict.Fingerprint.empty())
        return verdict;

    CertificateList certificates;
    for (const std::string& der : chain) {
        gnutls_x509_crt_t crt = nullptr;
        if (gnutls_x509_crt_init(&crt) < 0)
            return verdict;
        certificates.Certificates.push_back(crt);
        const gnutls_datum_t data = Datum(der);
        if (gnutls_x509_crt_import(crt, &data, GNUTLS_X509_FMT_DER) < 0)
            return verdict;
    }

    TrustList trusted;
    if (gnutls_x509_trust_list_init(&trusted.List, 0) < 0)
        return verdict;
    if (trust.SystemAuthorities)
        gnutls_x509_trust_list_add_system_trust(trusted.List, 0, 0);
    // An unreadable file of the user's simply adds no authority.
    if (!trust.CertificateFile.empty())
        gnutls_x509_trust_list_add_trust_file(trusted.List, trust.CertificateFile.c_str(), nullptr,
                                              GNUTLS_X509_FMT_PEM, 0, 0);

    gnutls_typed_vdata_st checks[2] = {
        {GNUTLS_DT_DNS_HOSTNAME, reinterpret_cast<unsigned char*>(const_cast<char*>(host.c_str())), 0},
        {GNUTLS_DT_KEY_PURPOSE_OID,
         reinterpret_cast<unsigned char*>(const_cast<char*>(GNUTLS_KP_TLS_WWW_SERVER)), 0},
    };
    unsigned status = 0;
    const int rc = gnutls_x509_trust_list_verify_crt2(
        trusted.List, certificates.Certificates.data(),
        static_cast<unsigned>(certificates.Certificates.size()), checks, 2, 0, &status, nullptr);
    if (rc < 0)
        return verdict;
    verdict.Fault = FaultOf(status, certificates.Certificates.front(), chain.size());
    if (verdict.Trusted() || trust.TrustedFingerprint.empty())
        return verdict;
    // Not proven by an authority: only the one certificate the user trusted
    // for this server will do.
    if (verdict.Fingerprint == trust.TrustedFingerprint) {
        verdict.Fault = CertificateFault::None;
    } else {
        verdict.Fault = CertificateFault::Changed;
        verdict.TrustedFingerprint = trust.TrustedFingerprint;
    }
    return verdict;
}

std::string RefusalText(const CertificateVerdict& verdict)
{
    const std::string of = "The certificate of " + verdict.Server;
    switch (verdict.Fault) {
    case CertificateFault::None:
        return {};
    case CertificateFault::UnknownIssuer:
        return of + " is not signed by an authority this computer trusts.";
    case CertificateFault::SelfSigned:
        return of + " is signed by the server itself, not by an authority this computer trusts.";
    case CertificateFault::BadSignature:
        return of + " has a signature that does not match its issuer: it may be forged.";
    case CertificateFault::Expired:
        return of + " has expired.";
    case CertificateFault::NotYetValid:
        return of + " is not valid yet.";
    case CertificateFault::WrongHost:
        return of + " was made for another server name.";
    case CertificateFault::Changed:
        return of + " has changed since you trusted it. Trusted: " + verdict.TrustedFingerprint
               + ". Now: " + verdict.Fingerprint + ".";
    case CertificateFault::Unverifiable:
        break;
    }
    return of + " cannot be verified.";
}

} // namespace MailSupport
