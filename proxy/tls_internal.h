// What the tls_*.cpp files share behind proxy/tls.h: the TLS library's
// types wrapped for ownership, the shared random source, certificate
// writing and time conversions. Included by those files (and the tests that
// make certificates of their own), never by the rest of the engine.
#pragma once

#include <mbedtls/pk.h>
#include <mbedtls/ssl.h>
#include <mbedtls/x509_crt.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "proxy/tls.h"

namespace hush::tls {

// Seeds the one random generator of the process from the platform's
// entropy and starts the library's crypto core, once. False when either
// failed (then nothing in here works).
bool StartCrypto();
// The library's random-function signature; the context is ignored.
int DrawRandom(void* unused, unsigned char* output, std::size_t length);

// An asymmetric key; wiped by the library when freed.
class KeyPair {
 public:
  KeyPair() { mbedtls_pk_init(&pk_); }
  ~KeyPair() { mbedtls_pk_free(&pk_); }
  KeyPair(const KeyPair&) = delete;
  KeyPair& operator=(const KeyPair&) = delete;
  mbedtls_pk_context* get() { return &pk_; }
  const mbedtls_pk_context* get() const { return &pk_; }

  // A fresh ECDSA P-256 key.
  static std::unique_ptr<KeyPair> GenerateP256();

 private:
  mbedtls_pk_context pk_;
};

// A parsed certificate list (leaf first).
class CertificateList {
 public:
  CertificateList() { mbedtls_x509_crt_init(&crt_); }
  ~CertificateList() { mbedtls_x509_crt_free(&crt_); }
  CertificateList(const CertificateList&) = delete;
  CertificateList& operator=(const CertificateList&) = delete;
  mbedtls_x509_crt* get() { return &crt_; }
  const mbedtls_x509_crt* get() const { return &crt_; }
  bool Add(const Der& der) {
    return mbedtls_x509_crt_parse_der(&crt_, der.data(), der.size()) == 0;
  }

 private:
  mbedtls_x509_crt crt_;
};

// What a certificate says; written by WriteCertificate.
struct CertificateFields {
  std::string subjectName;  // "CN=..." as the library's name parser reads it
  std::string issuerName;
  mbedtls_pk_context* subjectKey = nullptr;
  mbedtls_pk_context* issuerKey = nullptr;
  std::int64_t notBefore = 0, notAfter = 0;  // seconds since 1970, UTC
  // A CA may sign certificates below it with at most `pathLength`
  // intermediates between; otherwise a server certificate for `host`.
  bool authority = false;
  int pathLength = 0;
  std::string host;
};

// The DER of a certificate signed with SHA-256 by the issuer's key, with a
// random 16-byte serial and the key identifiers. Empty on failure.
Der WriteCertificate(const CertificateFields& fields);

// A dotted-quad IPv4 literal ("192.0.2.1", four decimal parts), the four
// bytes in network order; nothing for any other text.
std::optional<std::array<unsigned char, 4>> IPv4Literal(const std::string& text);

// Seconds since 1970 (UTC).
std::int64_t NowSeconds();
std::int64_t SecondsOf(const mbedtls_x509_time& time);
// "YYYYMMDDhhmmss", UTC, as the certificate writer takes it.
std::string CertificateTimeText(std::int64_t seconds);

// The certificate the leaf was minted with (with the authority's behind it),
// its key and the server settings that present them.
class Leaf : public std::enable_shared_from_this<Leaf> {
 public:
  Leaf() { mbedtls_ssl_config_init(&serverConfig_); }
  ~Leaf() { mbedtls_ssl_config_free(&serverConfig_); }
  Leaf(const Leaf&) = delete;
  Leaf& operator=(const Leaf&) = delete;

  // Parses the chain and sets the server settings up; false on failure.
  bool Prepare(Der certificate, const Der& authorityCertificate, std::shared_ptr<KeyPair> key);
  const Der& Certificate() const { return certificate_; }
  const mbedtls_ssl_config* ServerConfig() const { return &serverConfig_; }
  // The leaf's own end of validity.
  std::int64_t NotAfter() const { return notAfter_; }

 private:
  Der certificate_;
  std::int64_t notAfter_ = 0;
  CertificateList chain_;
  std::shared_ptr<KeyPair> key_;
  mbedtls_ssl_config serverConfig_;
};

// The authority as the minter uses it.
class AuthorityKeys : public Authority {
 public:
  virtual mbedtls_pk_context* SigningKey() const = 0;
  // The subject name, in the form CertificateFields takes it.
  virtual const std::string& SubjectName() const = 0;
  // The end of the authority's own validity, which no leaf outlives.
  virtual std::int64_t NotAfter() const = 0;
};

}  // namespace hush::tls

extern "C" {
// True once the server asked for the client's certificate in the handshake
// running on `ssl` (TLS 1.2 and 1.3); reads the library's handshake state.
int hush_tls_server_asked_for_certificate(const mbedtls_ssl_context* ssl);
// Frees the server's parsed chain a finished client handshake keeps.
void hush_tls_forget_peer_certificate(mbedtls_ssl_context* ssl);
}
