// The process's one random generator: CTR-DRBG seeded from the platform's
// entropy (BCryptGenRandom on Windows, getrandom natively). The library
// locks it inside, so every connection thread draws from it directly.
#include <mbedtls/ctr_drbg.h>
#include <mbedtls/entropy.h>
#include <mbedtls/platform_util.h>
#include <psa/crypto.h>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

struct Generator {
  mbedtls_entropy_context entropy;
  mbedtls_ctr_drbg_context drbg;
  bool ready = false;
  Generator() {
    mbedtls_entropy_init(&entropy);
    mbedtls_ctr_drbg_init(&drbg);
    static const unsigned char personal[] = "hushwall tls";
    ready = psa_crypto_init() == PSA_SUCCESS &&
            mbedtls_ctr_drbg_seed(&drbg, mbedtls_entropy_func, &entropy, personal,
                                  sizeof personal - 1) == 0;
  }
  // Lives until the process ends: connection threads nobody joins may still
  // draw from it while static objects are destroyed.
};

Generator& TheGenerator() {
  static Generator* generator = new Generator();
  return *generator;
}

}  // namespace

bool StartCrypto() { return TheGenerator().ready; }

int DrawRandom(void*, unsigned char* output, std::size_t length) {
  Generator& generator = TheGenerator();
  if (!generator.ready) return MBEDTLS_ERR_CTR_DRBG_ENTROPY_SOURCE_FAILED;
  return mbedtls_ctr_drbg_random(&generator.drbg, output, length);
}

SecretBytes::~SecretBytes() {
  if (!bytes_.empty()) mbedtls_platform_zeroize(bytes_.data(), bytes_.size());
}

SecretBytes& SecretBytes::operator=(SecretBytes&& other) noexcept {
  if (this != &other) {
    if (!bytes_.empty()) mbedtls_platform_zeroize(bytes_.data(), bytes_.size());
    bytes_ = std::move(other.bytes_);
  }
  return *this;
}

}  // namespace hush::tls
