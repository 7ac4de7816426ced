#include "tests/platform/test_certificates.h"

#include <gnutls/abstract.h>
#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <arpa/inet.h>

#include <ctime>
#include <fstream>
#include <stdexcept>

namespace MailTesting {

struct TestCertificate::Handles {
    gnutls_x509_privkey_t Key = nullptr;
    gnutls_x509_crt_t Crt = nullptr;
    ~Handles()
    {
        if (Crt)
            gnutls_x509_crt_deinit(Crt);
        if (Key)
            gnutls_x509_privkey_deinit(Key);
    }
};

namespace {

void Check(int rc, const char* what)
{
    if (rc < 0)
        throw std::runtime_error(std::string(what) + ": " + gnutls_strerror(rc));
}

std::string Export(gnutls_x509_crt_t crt, gnutls_x509_crt_fmt_t format)
{
    gnutls_datum_t out{};
    Check(gnutls_x509_crt_export2(crt, format, &out), "export");
    std::string bytes(reinterpret_cast<const char*>(out.data), out.size);
    gnutls_free(out.data);
    return bytes;
}

} // namespace

TestCertificate::~TestCertificate() = default;

std::unique_ptr<TestCertificate> TestCertificate::Make(const TestCertificateSpec& spec,
                                                       const TestCertificate* issuer,
                                                       const TestCertificate* signingKey)
{
    std::unique_ptr<TestCertificate> made(new TestCertificate);
    made->handles_ = std::make_unique<Handles>();
    Handles& h = *made->handles_;
    Check(gnutls_x509_privkey_init(&h.Key), "key");
    Check(gnutls_x509_privkey_generate(h.Key, GNUTLS_PK_ECDSA,
                                       GNUTLS_CURVE_TO_BITS(GNUTLS_ECC_CURVE_SECP256R1), 0),
          "generate");
    Check(gnutls_x509_crt_init(&h.Crt), "certificate");
    gnutls_x509_crt_t crt = h.Crt;
    Check(gnutls_x509_crt_set_version(crt, 3), "version");
    static unsigned char serial = 0;
    const unsigned char number[2] = {0x01, ++serial};
    Check(gnutls_x509_crt_set_serial(crt, number, sizeof number), "serial");
    Check(gnutls_x509_crt_set_dn_by_oid(crt, GNUTLS_OID_X520_COMMON_NAME, 0, spec.CommonName.data(),
                                        static_cast<unsigned>(spec.CommonName.size())),
          "name");
    const std::time_t now = std::time(nullptr);
    Check(gnutls_x509_crt_set_activation_time(crt, now + spec.NotBefore.count() * 3600), "from");
    Check(gnutls_x509_crt_set_expiration_time(crt, now + spec.NotAfter.count() * 3600), "until");
    Check(gnutls_x509_crt_set_key(crt, h.Key), "public key");
    Check(gnutls_x509_crt_set_basic_constraints(crt, spec.Authority ? 1 : 0, -1), "constraints");
    if (spec.Authority) {
        Check(gnutls_x509_crt_set_key_usage(crt, GNUTLS_KEY_KEY_CERT_SIGN | GNUTLS_KEY_CRL_SIGN),
              "usage");
    } else {
        Check(gnutls_x509_crt_set_key_usage(crt, GNUTLS_KEY_DIGITAL_SIGNATURE), "usage");
        Check(gnutls_x509_crt_set_key_purpose_oid(crt, GNUTLS_KP_TLS_WWW_SERVER, 0), "purpose");
    }
    for (const std::string& name : spec.Names)
        Check(gnutls_x509_crt_set_subject_alt_name(crt, GNUTLS_SAN_DNSNAME, name.data(),
                                                   static_cast<unsigned>(name.size()),
                                                   GNUTLS_FSAN_APPEND),
              "DNS name");
    for (const std::string& address : spec.Addresses) {
        unsigned char ip[4];
        if (inet_pton(AF_INET, address.c_str(), ip) != 1)
            throw std::runtime_error("not an IPv4 address: " + address);
        Check(gnutls_x509_crt_set_subject_alt_name(crt, GNUTLS_SAN_IPADDRESS, ip, sizeof ip,
                                                   GNUTLS_FSAN_APPEND),
              "address");
    }
    unsigned char id[64];
    size_t idSize = sizeof id;
    Check(gnutls_x509_crt_get_key_id(crt, 0, id, &idSize), "key id");
    Check(gnutls_x509_crt_set_subject_key_id(crt, id, idSize), "subject key id");

    const gnutls_x509_crt_t issuerCrt = issuer ? issuer->handles_->Crt : crt;
    const gnutls_x509_privkey_t key = signingKey ? signingKey->handles_->Key
                                      : issuer   ? issuer->handles_->Key
                                                 : h.Key;
    if (issuer) {
        size_t issuerIdSize = sizeof id;
        if (gnutls_x509_crt_get_subject_key_id(issuerCrt, id, &issuerIdSize, nullptr) >= 0)
            Check(gnutls_x509_crt_set_authority_key_id(crt, id, issuerIdSize), "authority key id");
    }
    Check(gnutls_x509_crt_sign2(crt, issuerCrt, key, GNUTLS_DIG_SHA256, 0), "sign");
    made->der_ = Export(crt, GNUTLS_X509_FMT_DER);
    return made;
}

std::string TestCertificate::Pem() const
{
    return Export(handles_->Crt, GNUTLS_X509_FMT_PEM);
}

std::string TestCertificate::KeyPem() const
{
    gnutls_datum_t out{};
    Check(gnutls_x509_privkey_export2(handles_->Key, GNUTLS_X509_FMT_PEM, &out), "key export");
    std::string text(reinterpret_cast<const char*>(out.data), out.size);
    gnutls_free(out.data);
    return text;
}

bool WriteText(const std::filesystem::path& file, const std::string& text)
{
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

} // namespace MailTesting
