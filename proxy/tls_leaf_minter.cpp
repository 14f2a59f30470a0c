// Leaf certificates for the hosts the browser asks for, signed by the
// user's authority and kept in a small cache (least recently used goes
// first). One leaf key serves the whole run: a new key per host would cost
// more than the signature and buy nothing, since every leaf ends at the
// same process.
#include <algorithm>
#include <list>
#include <mutex>
#include <unordered_map>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kLongestLeafLife = 90 * kDay;
// A leaf this close to its end is minted again rather than handed out.
constexpr std::int64_t kRenewalMargin = kDay;
// Longer names do not fit a certificate's common name; the SAN entry
// carries them all the same.
constexpr std::size_t kLongestCommonName = 64;
constexpr std::size_t kLongestHostName = 253;

// Letters, digits, '-', '.' and '_': names the certificate writer's name
// parser takes literally (a server name from a ClientHello could hold
// anything).
bool IsMintableHost(const std::string& host) {
  if (host.empty() || host.size() > kLongestHostName) return false;
  for (char c : host) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_';
    if (!plain) return false;
  }
  return true;
}

struct CachedLeaf {
  std::string host;
  std::int64_t serverNotAfter;
  std::shared_ptr<const Leaf> leaf;
};

class CachingMinter : public LeafMinter {
 public:
  CachingMinter(std::shared_ptr<const AuthorityKeys> authority, std::shared_ptr<KeyPair> leafKey,
                std::size_t capacity)
      : authority_(std::move(authority)), leafKey_(std::move(leafKey)), capacity_(capacity) {}

  std::shared_ptr<const Leaf> LeafFor(const std::string& host,
                                      std::int64_t serverNotAfter) override {
    const std::int64_t now = NowSeconds();
    if (auto cached = Cached(host, serverNotAfter, now)) return cached;
    std::shared_ptr<const Leaf> leaf = Mint(host, serverNotAfter, now);
    if (leaf) Keep(host, serverNotAfter, leaf);
    return leaf;
  }

 private:
  std::shared_ptr<const Leaf> Cached(const std::string& host, std::int64_t serverNotAfter,
                                     std::int64_t now) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = index_.find(host);
    if (found == index_.end()) return nullptr;
    const CachedLeaf& entry = *found->second;
    if (entry.serverNotAfter != serverNotAfter || entry.leaf->NotAfter() - now < kRenewalMargin)
      return nullptr;
    order_.splice(order_.begin(), order_, found->second);
    return entry.leaf;
  }

  std::shared_ptr<const Leaf> Mint(const std::string& host, std::int64_t serverNotAfter,
                                   std::int64_t now) const {
    if (!IsMintableHost(host)) return nullptr;
    CertificateFields fields;
    fields.subjectName = "CN=" + host.substr(0, kLongestCommonName);
    fields.issuerName = authority_->SubjectName();
    fields.subjectKey = leafKey_->get();
    fields.issuerKey = authority_->SigningKey();
    fields.notBefore = now - kDay;
    fields.notAfter = std::min({serverNotAfter, now + kLongestLeafLife, authority_->NotAfter()});
    fields.host = host;
    auto leaf = std::make_shared<Leaf>();
    if (!leaf->Prepare(WriteCertificate(fields), authority_->Certificate(), leafKey_))
      return nullptr;
    return leaf;
  }

  void Keep(const std::string& host, std::int64_t serverNotAfter,
            const std::shared_ptr<const Leaf>& leaf) {
    if (capacity_ == 0) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto found = index_.find(host); found != index_.end()) {
      order_.erase(found->second);
      index_.erase(found);
    }
    order_.push_front(CachedLeaf{host, serverNotAfter, leaf});
    index_[host] = order_.begin();
    while (order_.size() > capacity_) {
      index_.erase(order_.back().host);
      order_.pop_back();
    }
  }

  const std::shared_ptr<const AuthorityKeys> authority_;
  const std::shared_ptr<KeyPair> leafKey_;
  const std::size_t capacity_;
  std::mutex mutex_;
  std::list<CachedLeaf> order_;  // most recently used first
  std::unordered_map<std::string, std::list<CachedLeaf>::iterator> index_;
};

}  // namespace

std::shared_ptr<LeafMinter> LeafMinter::Create(std::shared_ptr<const Authority> authority,
                                               std::size_t capacity) {
  auto keys = std::dynamic_pointer_cast<const AuthorityKeys>(authority);
  if (!keys) return nullptr;
  std::shared_ptr<KeyPair> leafKey = KeyPair::GenerateP256();
  if (!leafKey) return nullptr;
  return std::make_shared<CachingMinter>(std::move(keys), std::move(leafKey), capacity);
}

Der LeafMinter::CertificateOf(const Leaf& leaf) { return leaf.Certificate(); }

bool Leaf::Prepare(Der certificate, const Der& authorityCertificate, std::shared_ptr<KeyPair> key) {
  static const char* protocols[] = {"http/1.1", nullptr};
  certificate_ = std::move(certificate);
  key_ = std::move(key);
  if (certificate_.empty() || !chain_.Add(certificate_) || !chain_.Add(authorityCertificate))
    return false;
  notAfter_ = SecondsOf(chain_.get()->valid_to);
  mbedtls_ssl_config* conf = &serverConfig_;
  if (mbedtls_ssl_config_defaults(conf, MBEDTLS_SSL_IS_SERVER, MBEDTLS_SSL_TRANSPORT_STREAM,
                                  MBEDTLS_SSL_PRESET_DEFAULT) != 0)
    return false;
  mbedtls_ssl_conf_rng(conf, DrawRandom, nullptr);
  mbedtls_ssl_conf_min_tls_version(conf, MBEDTLS_SSL_VERSION_TLS1_2);
  return mbedtls_ssl_conf_alpn_protocols(conf, protocols) == 0 &&
         mbedtls_ssl_conf_own_cert(conf, chain_.get(), key_->get()) == 0;
}

}  // namespace hush::tls
