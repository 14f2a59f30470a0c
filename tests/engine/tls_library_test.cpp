// The TLS library as the program builds it: its client and server complete
// TLS 1.3 and TLS 1.2 handshakes with each other in memory, agree on ALPN and
// carry data, and refuse the old protocol and the CBC suites left out.
// It checks the library as configured, beneath the engine's own TLS
// interface (tls_edge_test.cpp), so it uses the library's headers directly.
#include <gtest/gtest.h>
#include <mbedtls/ctr_drbg.h>
#include <mbedtls/entropy.h>
#include <mbedtls/ssl.h>
#include <mbedtls/x509_crt.h>
#include <psa/crypto.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <string>

namespace hush {
namespace {

using Queue = std::deque<unsigned char>;

// One side of a connection: its settings, its session and the two queues it
// writes to and reads from.
struct Endpoint {
  mbedtls_ssl_config conf;
  mbedtls_ssl_context ssl;
  Queue* out;
  Queue* in;
  int result = MBEDTLS_ERR_SSL_WANT_READ;
  Endpoint(Queue* to, Queue* from) : out(to), in(from) {
    mbedtls_ssl_config_init(&conf);
    mbedtls_ssl_init(&ssl);
  }
  ~Endpoint() {
    mbedtls_ssl_free(&ssl);
    mbedtls_ssl_config_free(&conf);
  }
  Endpoint(const Endpoint&) = delete;
  Endpoint& operator=(const Endpoint&) = delete;
  bool Pending() const {
    return result == MBEDTLS_ERR_SSL_WANT_READ || result == MBEDTLS_ERR_SSL_WANT_WRITE;
  }
  static int Send(void* self, const unsigned char* data, size_t size) {
    Queue& queue = *static_cast<Endpoint*>(self)->out;
    queue.insert(queue.end(), data, data + size);
    return static_cast<int>(size);
  }
  static int Receive(void* self, unsigned char* data, size_t size) {
    Queue& queue = *static_cast<Endpoint*>(self)->in;
    if (queue.empty()) return MBEDTLS_ERR_SSL_WANT_READ;
    const size_t count = std::min(size, queue.size());
    std::copy_n(queue.begin(), count, data);
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(count));
    return static_cast<int>(count);
  }
};

// A random generator, a P-256 key and its self-signed certificate, shared by
// every connection.
struct Credentials {
  mbedtls_entropy_context entropy;
  mbedtls_ctr_drbg_context drbg;
  mbedtls_pk_context key;
  mbedtls_x509_crt cert;
  Credentials() {
    mbedtls_entropy_init(&entropy);
    mbedtls_ctr_drbg_init(&drbg);
    mbedtls_pk_init(&key);
    mbedtls_x509_crt_init(&cert);
  }
  ~Credentials() {
    mbedtls_x509_crt_free(&cert);
    mbedtls_pk_free(&key);
    mbedtls_ctr_drbg_free(&drbg);
    mbedtls_entropy_free(&entropy);
  }
  // Makes the key and a certificate for "localhost" that the key signs.
  int Make() {
    int rc = mbedtls_ctr_drbg_seed(&drbg, mbedtls_entropy_func, &entropy, nullptr, 0);
    if (rc == 0) rc = mbedtls_pk_setup(&key, mbedtls_pk_info_from_type(MBEDTLS_PK_ECKEY));
    if (rc == 0)
      rc = mbedtls_ecp_gen_key(MBEDTLS_ECP_DP_SECP256R1, mbedtls_pk_ec(key),
                               mbedtls_ctr_drbg_random, &drbg);
    mbedtls_x509write_cert writer;
    mbedtls_x509write_crt_init(&writer);
    mbedtls_x509write_crt_set_subject_key(&writer, &key);
    mbedtls_x509write_crt_set_issuer_key(&writer, &key);
    mbedtls_x509write_crt_set_md_alg(&writer, MBEDTLS_MD_SHA256);
    unsigned char serial[] = {0x2a}, der[2048];
    for (int step :
         {mbedtls_x509write_crt_set_subject_name(&writer, "CN=localhost"),
          mbedtls_x509write_crt_set_issuer_name(&writer, "CN=localhost"),
          mbedtls_x509write_crt_set_serial_raw(&writer, serial, sizeof serial),
          mbedtls_x509write_crt_set_validity(&writer, "20200101000000", "20491231235959")})
      if (rc == 0) rc = step;
    if (rc == 0)
      rc = mbedtls_x509write_crt_der(&writer, der, sizeof der, mbedtls_ctr_drbg_random, &drbg);
    mbedtls_x509write_crt_free(&writer);
    // The certificate is written at the end of the buffer; rc is its length.
    if (rc > 0) rc = mbedtls_x509_crt_parse_der(&cert, der + sizeof der - rc, size_t(rc));
    return rc;
  }
};

// What the client offers (the server keeps the library's defaults), and
// whether the two sides must agree.
struct Offer {
  const char* name;
  int minVersion, maxVersion;
  const int* suites;  // nullptr: every suite built in
  bool agreed;
};

class TlsLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(psa_crypto_init(), PSA_SUCCESS);
    credentials_ = std::make_unique<Credentials>();
    ASSERT_EQ(credentials_->Make(), 0);
  }
  static void TearDownTestSuite() {
    credentials_.reset();
    mbedtls_psa_crypto_free();
  }

  // Sets one side up; returns the library's result.
  static int Configure(Endpoint& end, int side, const Offer& offer) {
    static const char* clientProtocols[] = {"h2", "http/1.1", nullptr};
    static const char* serverProtocols[] = {"http/1.1", nullptr};
    const bool client = side == MBEDTLS_SSL_IS_CLIENT;
    int rc = mbedtls_ssl_config_defaults(&end.conf, side, MBEDTLS_SSL_TRANSPORT_STREAM,
                                         MBEDTLS_SSL_PRESET_DEFAULT);
    if (rc != 0) return rc;
    mbedtls_ssl_conf_rng(&end.conf, mbedtls_ctr_drbg_random, &credentials_->drbg);
    rc = mbedtls_ssl_conf_alpn_protocols(&end.conf, client ? clientProtocols : serverProtocols);
    if (rc != 0) return rc;
    if (client) {
      mbedtls_ssl_conf_min_tls_version(&end.conf, mbedtls_ssl_protocol_version(offer.minVersion));
      mbedtls_ssl_conf_max_tls_version(&end.conf, mbedtls_ssl_protocol_version(offer.maxVersion));
      if (offer.suites != nullptr) mbedtls_ssl_conf_ciphersuites(&end.conf, offer.suites);
      mbedtls_ssl_conf_authmode(&end.conf, MBEDTLS_SSL_VERIFY_REQUIRED);
      mbedtls_ssl_conf_ca_chain(&end.conf, &credentials_->cert, nullptr);
    } else {
      rc = mbedtls_ssl_conf_own_cert(&end.conf, &credentials_->cert, &credentials_->key);
      if (rc != 0) return rc;
    }
    rc = mbedtls_ssl_setup(&end.ssl, &end.conf);
    if (rc == 0 && client) rc = mbedtls_ssl_set_hostname(&end.ssl, "localhost");
    mbedtls_ssl_set_bio(&end.ssl, &end, Endpoint::Send, Endpoint::Receive, nullptr);
    return rc;
  }

  // Steps both handshakes until neither side waits for the other.
  static void Handshake(Endpoint& client, Endpoint& server) {
    for (int round = 0; round < 100 && (client.Pending() || server.Pending()); ++round) {
      if (client.Pending()) client.result = mbedtls_ssl_handshake(&client.ssl);
      if (server.Pending()) server.result = mbedtls_ssl_handshake(&server.ssl);
    }
  }

  static std::unique_ptr<Credentials> credentials_;
};
std::unique_ptr<Credentials> TlsLibraryTest::credentials_;

TEST_F(TlsLibraryTest, AgreesOnTls13And12WithAlpnAndRefusesTls11AndCbc) {
  static const int cbcOnly[] = {MBEDTLS_TLS_ECDHE_ECDSA_WITH_AES_128_CBC_SHA256, 0};
  constexpr int tls11 = 0x0302, tls12 = MBEDTLS_SSL_VERSION_TLS1_2,
                tls13 = MBEDTLS_SSL_VERSION_TLS1_3;
  for (const Offer& offer : {Offer{"TLS 1.3", tls13, tls13, nullptr, true},
                             Offer{"TLS 1.2", tls12, tls12, nullptr, true},
                             Offer{"TLS 1.1", tls11, tls11, nullptr, false},
                             Offer{"CBC suite", tls12, tls12, cbcOnly, false}}) {
    SCOPED_TRACE(offer.name);
    Queue toServer, toClient;
    Endpoint client(&toServer, &toClient), server(&toClient, &toServer);
    ASSERT_EQ(Configure(server, MBEDTLS_SSL_IS_SERVER, offer), 0);
    const int setup = Configure(client, MBEDTLS_SSL_IS_CLIENT, offer);
    if (setup == 0) Handshake(client, server);
    if (!offer.agreed) {
      EXPECT_TRUE(setup != 0 || client.result != 0);
      EXPECT_NE(server.result, 0);
      continue;
    }
    ASSERT_EQ(setup, 0);
    ASSERT_EQ(client.result, 0);
    ASSERT_EQ(server.result, 0);
    EXPECT_EQ(mbedtls_ssl_get_version_number(&server.ssl), offer.maxVersion);
    EXPECT_STREQ(mbedtls_ssl_get_alpn_protocol(&client.ssl), "http/1.1");
    EXPECT_STREQ(mbedtls_ssl_get_alpn_protocol(&server.ssl), "http/1.1");
    const unsigned char request[] = "GET / HTTP/1.1";
    unsigned char received[sizeof request] = {};
    ASSERT_EQ(mbedtls_ssl_write(&client.ssl, request, sizeof request), int(sizeof request));
    ASSERT_EQ(mbedtls_ssl_read(&server.ssl, received, sizeof received), int(sizeof request));
    EXPECT_EQ(std::string(received, received + sizeof received),
              std::string(request, request + sizeof request));
  }
}

}  // namespace
}  // namespace hush
