#pragma once
// Certificates made by a test for itself with GnuTLS: keys, authorities
// and server certificates, right and wrong in exactly one way each.

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace MailTesting {

struct TestCertificateSpec {
    std::string CommonName;
    bool Authority = false;
    // Subject alternative names: DNS names and IPv4 addresses ("127.0.0.1").
    std::vector<std::string> Names;
    std::vector<std::string> Addresses;
    // From now: valid from, and until.
    std::chrono::hours NotBefore{-1};
    std::chrono::hours NotAfter{24};
};

class TestCertificate {
public:
    ~TestCertificate();
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;

    // Signed by `issuer`, or by itself when there is none. `signingKey`
    // forges: the certificate names `issuer` but is signed with that
    // certificate's key instead.
    static std::unique_ptr<TestCertificate> Make(const TestCertificateSpec& spec,
                                                 const TestCertificate* issuer = nullptr,
                                                 const TestCertificate* signingKey = nullptr);

    const std::string& Der() const { return der_; }
    std::string Pem() const;
    std::string KeyPem() const;

private:
    TestCertificate() = default;
    struct Handles;
    std::unique_ptr<Handles> handles_;
    std::string der_;
};

// Writes `text` into `file`; false when it could not.
bool WriteText(const std::filesystem::path& file, const std::string& text);

} // namespace MailTesting
