// The native build's verdict on a server's chain: the system's CA bundle
// (and what tests added), the library's default profile, the host name.
#include <mbedtls/oid.h>

#include <fstream>
#include <iterator>
#include <mutex>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr const char* kSystemBundle = "/etc/ssl/certs/ca-certificates.crt";

void ParseFile(mbedtls_x509_crt* into, const char* path);

// Read once, and again after a test adds roots; readers hold the lock only
// while they verify (a few hundred microseconds).
class TrustStore {
 public:
  bool Verify(const CertificateList& chain, const std::string& serverName) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!loaded_) {
      ParseFile(roots_.get(), kSystemBundle);
      loaded_ = true;
    }
    if (roots_.get()->raw.p == nullptr) return false;
    std::uint32_t flags = 0;
    return mbedtls_x509_crt_verify(const_cast<mbedtls_x509_crt*>(chain.get()), roots_.get(),
                                   nullptr, serverName.c_str(), &flags, nullptr, nullptr) == 0 &&
           flags == 0;
  }

  void Add(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    ParseFile(roots_.get(), path.c_str());
  }

 private:
  std::mutex mutex_;
  bool loaded_ = false;
  CertificateList roots_;
};

// Every certificate the file holds that the library can read (PEM or
// DER); bundles often hold one it cannot, and the rest still count.
void ParseFile(mbedtls_x509_crt* into, const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (bytes.empty()) return;
  // PEM is parsed only with its terminating zero counted.
  const bool pem = bytes.find("-----BEGIN") != std::string::npos;
  mbedtls_x509_crt_parse(into, reinterpret_cast<const unsigned char*>(bytes.c_str()),
                         bytes.size() + (pem ? 1 : 0));
}

TrustStore& TheTrustStore() {
  static TrustStore* store = new TrustStore();
  return *store;
}

// The server certificate must be for TLS servers, as a browser demands.
bool UsableForServers(const mbedtls_x509_crt* leaf) {
  return mbedtls_x509_crt_check_extended_key_usage(leaf, MBEDTLS_OID_SERVER_AUTH,
                                                   MBEDTLS_OID_SIZE(MBEDTLS_OID_SERVER_AUTH)) == 0;
}

}  // namespace

bool PlatformTrustsServer(const std::vector<Der>& chain, const std::string& serverName) {
  if (chain.empty() || serverName.empty() || !StartCrypto()) return false;
  CertificateList parsed;
  for (const Der& der : chain)
    if (!parsed.Add(der)) return false;
  return UsableForServers(parsed.get()) && TheTrustStore().Verify(parsed, serverName);
}

void TrustAlsoForTesting(const std::string& path) { TheTrustStore().Add(path); }

}  // namespace hush::tls
