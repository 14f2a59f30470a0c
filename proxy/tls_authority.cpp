// The user's own certificate authority: made fresh, or loaded from the
// parts the program stored, and checked that they belong together.
#include <mbedtls/md.h>
#include <mbedtls/platform_util.h>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kAuthorityLifetime = 10 * 365 * kDay;
constexpr std::size_t kLargestKeyDer = 512;

class StoredAuthority : public AuthorityKeys {
 public:
  // Takes the key and the certificate; null when the certificate does not
  // parse or is not the key's.
  static std::shared_ptr<const StoredAuthority> Make(std::unique_ptr<KeyPair> key,
                                                     Der certificate) {
    auto authority = std::shared_ptr<StoredAuthority>(new StoredAuthority());
    authority->key_ = std::move(key);
    authority->certificate_ = std::move(certificate);
    if (!authority->parsed_.Add(authority->certificate_)) return nullptr;
    const mbedtls_x509_crt* parsed = authority->parsed_.get();
    if (mbedtls_pk_check_pair(&parsed->pk, authority->key_->get(), DrawRandom, nullptr) != 0)
      return nullptr;
    char name[512];
    if (mbedtls_x509_dn_gets(name, sizeof name, &parsed->subject) < 0) return nullptr;
    authority->subjectName_ = name;
    return authority;
  }

  const Der& Certificate() const override { return certificate_; }

  SecretBytes PrivateKey() const override {
    unsigned char buffer[kLargestKeyDer];
    const int length = mbedtls_pk_write_key_der(key_->get(), buffer, sizeof buffer);
    std::vector<unsigned char> bytes;
    if (length > 0) bytes.assign(buffer + sizeof buffer - length, buffer + sizeof buffer);
    mbedtls_platform_zeroize(buffer, sizeof buffer);
    return SecretBytes(std::move(bytes));
  }

  std::vector<unsigned char> Thumbprint() const override {
    std::vector<unsigned char> digest(20);
    if (mbedtls_md(mbedtls_md_info_from_type(MBEDTLS_MD_SHA1), certificate_.data(),
                   certificate_.size(), digest.data()) != 0)
      digest.clear();
    return digest;
  }

  mbedtls_pk_context* SigningKey() const override { return key_->get(); }
  std::int64_t NotAfter() const override { return SecondsOf(parsed_.get()->valid_to); }
  const std::string& SubjectName() const override { return subjectName_; }

 private:
  StoredAuthority() = default;
  std::unique_ptr<KeyPair> key_;
  Der certificate_;
  CertificateList parsed_;
  std::string subjectName_;
};

// "CN=" and the name, with the characters the name parser treats as
// syntax escaped.
std::string CommonNameOf(const std::string& commonName) {
  std::string name = "CN=";
  for (char c : commonName) {
    if (c == ',' || c == '=' || c == '+' || c == '\\' || c == '"' || c == '<' || c == '>' ||
        c == ';' || c == '#')
      name += '\\';
    name += c;
  }
  return name;
}

}  // namespace

std::shared_ptr<const Authority> Authority::Create(const std::string& commonName) {
  std::unique_ptr<KeyPair> key = KeyPair::GenerateP256();
  if (!key) return nullptr;
  CertificateFields fields;
  fields.subjectName = fields.issuerName = CommonNameOf(commonName);
  fields.subjectKey = fields.issuerKey = key->get();
  fields.notBefore = NowSeconds() - kDay;
  fields.notAfter = fields.notBefore + kDay + kAuthorityLifetime;
  fields.authority = true;
  fields.pathLength = 0;
  Der certificate = WriteCertificate(fields);
  if (certificate.empty()) return nullptr;
  return StoredAuthority::Make(std::move(key), std::move(certificate));
}

std::shared_ptr<const Authority> Authority::Load(const SecretBytes& privateKeyDer,
                                                 const Der& certificateDer) {
  if (!StartCrypto() || privateKeyDer.bytes().empty()) return nullptr;
  auto key = std::make_unique<KeyPair>();
  if (mbedtls_pk_parse_key(key->get(), privateKeyDer.bytes().data(), privateKeyDer.bytes().size(),
                           nullptr, 0, DrawRandom, nullptr) != 0)
    return nullptr;
  return StoredAuthority::Make(std::move(key), certificateDer);
}

}  // namespace hush::tls
