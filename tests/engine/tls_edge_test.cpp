// The engine's TLS edge: the authority and the leaves it mints, sessions
// over real loopback sockets in both directions, and the platform's verdict
// on chains made here. A test root is trusted for the whole suite: natively
// through TrustAlsoForTesting, under Windows in the current user's Root
// store (taken out again at the end).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>

#include <mbedtls/oid.h>

#include "proxy/platform.h"
#include "proxy/tls_internal.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <wincrypt.h>
#endif

namespace hush::tls {
namespace {

constexpr int kWaitMs = 5000;
constexpr std::int64_t kDay = 86400;

// A key and the certificate issued for it.
struct Issued {
  std::string name;
  std::unique_ptr<KeyPair> key = KeyPair::GenerateP256();
  Der der;
};

struct IssueTerms {
  std::string host;  // empty: a CA
  int pathLength = 1;
  std::int64_t notBefore = -kDay, notAfter = 30 * kDay;  // from now
};

Issued Issue(const std::string& name, const Issued* issuer, const IssueTerms& terms) {
  Issued issued;
  issued.name = "CN=" + name;
  CertificateFields cert;
  cert.subjectName = issued.name;
  cert.issuerName = issuer ? issuer->name : issued.name;
  cert.subjectKey = issued.key->get();
  cert.issuerKey = issuer ? issuer->key->get() : issued.key->get();
  cert.notBefore = NowSeconds() + terms.notBefore;
  cert.notAfter = NowSeconds() + terms.notAfter;
  cert.authority = terms.host.empty();
  cert.pathLength = terms.pathLength;
  cert.host = terms.host;
  issued.der = WriteCertificate(cert);
  return issued;
}

#ifdef _WIN32
// Adds to (or, with remove, takes from) the current user's Root store.
void ChangeUserRoots(const Der& der, bool remove) {
  HCERTSTORE store =
      CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  ASSERT_NE(store, nullptr);
  PCCERT_CONTEXT cert =
      CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()));
  if (!remove) {
    EXPECT_TRUE(
        CertAddCertificateContextToStore(store, cert, CERT_STORE_ADD_REPLACE_EXISTING, nullptr));
  } else if (PCCERT_CONTEXT found = CertFindCertificateInStore(store, X509_ASN_ENCODING, 0,
                                                               CERT_FIND_EXISTING, cert, nullptr)) {
    EXPECT_TRUE(CertDeleteCertificateFromStore(found));
    // Wine forgets a deletion that is not committed.
    CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
  }
  CertFreeCertificateContext(cert);
  CertCloseStore(store, 0);
}
#endif

// A connected pair of loopback sockets.
struct SocketPair {
  platform::Socket client = platform::OpenTcpSocket(), server = platform::kNoSocket;
  SocketPair() {
    platform::StartSockets();
    platform::Socket listener = platform::OpenTcpSocket();
    std::uint32_t loopback = 0;
    platform::ParseDottedIPv4("127.0.0.1", loopback);
    if (platform::BindLoopback(listener, 0) && platform::Listen(listener, 1) &&
        platform::ConnectIPv4(client, loopback, platform::LocalPort(listener)))
      server = platform::Accept(listener);
    platform::CloseSocket(listener);
  }
  ~SocketPair() {
    platform::CloseSocket(client);
    if (server != platform::kNoSocket) platform::CloseSocket(server);
  }
};

// Exactly `count` decrypted bytes (fewer when the session ends).
std::string ReceiveAll(Session& session, std::size_t count) {
  std::string bytes;
  char buffer[256];
  while (bytes.size() < count) {
    const int got = session.Receive(buffer, sizeof buffer);
    if (got == Session::kNoDataYet) continue;
    if (got <= 0) break;
    bytes.append(buffer, std::size_t(got));
  }
  return bytes;
}

class TlsEdgeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new Issued(Issue("Hushwall Test Root", nullptr, {"", 1, -kDay, 3650 * kDay}));
    ASSERT_FALSE(root_->der.empty());
#ifdef _WIN32
    ChangeUserRoots(root_->der, false);
#else
    const std::string path = ::testing::TempDir() + "tls_edge_root.der";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(root_->der.data()),
               std::streamsize(root_->der.size()));
    TrustAlsoForTesting(path);
    std::remove(path.c_str());
#endif
  }
  static void TearDownTestSuite() {
#ifdef _WIN32
    ChangeUserRoots(root_->der, true);
#endif
    delete root_;
  }

  // An authority of the test's own (the test root unless told) that mints.
  static std::shared_ptr<LeafMinter> Minter(std::size_t capacity = 16,
                                            const Issued* authority = root_) {
    unsigned char key[512];
    const int length = mbedtls_pk_write_key_der(authority->key->get(), key, sizeof key);
    auto loaded =
        Authority::Load(SecretBytes({key + sizeof key - length, key + sizeof key}), authority->der);
    return loaded ? LeafMinter::Create(loaded, capacity) : nullptr;
  }

  static inline Issued* root_ = nullptr;
};

TEST_F(TlsEdgeTest, AuthoritiesAreNewEachTimeAndLoadOnlyWithTheirOwnKey) {
  auto first = Authority::Create("Hushwall Test");
  auto second = Authority::Create("Hushwall Test");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->Certificate(), second->Certificate());
  EXPECT_NE(first->PrivateKey().bytes(), second->PrivateKey().bytes());
  EXPECT_EQ(first->Thumbprint().size(), 20u);

  CertificateList parsed;
  ASSERT_TRUE(parsed.Add(first->Certificate()));
  EXPECT_TRUE(parsed.get()->MBEDTLS_PRIVATE(ca_istrue));
  EXPECT_EQ(parsed.get()->MBEDTLS_PRIVATE(max_pathlen), 1);  // the library counts length + 1
  EXPECT_EQ(mbedtls_x509_crt_check_key_usage(parsed.get(), MBEDTLS_X509_KU_KEY_CERT_SIGN), 0);

  auto reloaded = Authority::Load(first->PrivateKey(), first->Certificate());
  ASSERT_TRUE(reloaded);
  EXPECT_EQ(reloaded->Thumbprint(), first->Thumbprint());
  EXPECT_FALSE(Authority::Load(second->PrivateKey(), first->Certificate()));
  EXPECT_FALSE(Authority::Load(SecretBytes({1, 2, 3}), first->Certificate()));
}

TEST_F(TlsEdgeTest, LeavesNameTheirHostAndEndWithTheServerOrWithinNinetyDays) {
  struct Case {
    const char* host;
    const char* otherName;              // a name the leaf must not pass for
    std::int64_t serverEnds, leafEnds;  // from now
  } cases[] = {
      {"mint.test", "other.test", 30 * kDay, 30 * kDay},
      {"long-lived.test", "mint.test", 400 * kDay, 90 * kDay},
      {"192.0.2.7", "192.0.2.8", 400 * kDay, 90 * kDay},
  };
  auto minter = Minter();
  ASSERT_TRUE(minter);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.host);
    const std::int64_t now = NowSeconds();
    auto leaf = minter->LeafFor(c.host, now + c.serverEnds);
    ASSERT_TRUE(leaf);
    const Der der = LeafMinter::CertificateOf(*leaf);
    EXPECT_TRUE(PlatformTrustsServer({der, root_->der}, c.host));
    EXPECT_FALSE(PlatformTrustsServer({der, root_->der}, c.otherName));
    CertificateList parsed;
    ASSERT_TRUE(parsed.Add(der));
    EXPECT_NEAR(SecondsOf(parsed.get()->valid_to) - now, c.leafEnds, 5);
    EXPECT_NEAR(SecondsOf(parsed.get()->valid_from) - now, -kDay, 5);
    EXPECT_EQ(mbedtls_x509_crt_check_extended_key_usage(parsed.get(), MBEDTLS_OID_SERVER_AUTH,
                                                        MBEDTLS_OID_SIZE(MBEDTLS_OID_SERVER_AUTH)),
              0);
    EXPECT_TRUE(mbedtls_x509_crt_has_ext_type(parsed.get(), MBEDTLS_X509_EXT_EXTENDED_KEY_USAGE));
  }
  // Nor does a leaf outlive its authority.
  const Issued shortLived = Issue("Short-lived Root", nullptr, {"", 0, -kDay, 10 * kDay});
  auto shortMinter = Minter(16, &shortLived);
  ASSERT_TRUE(shortMinter);
  auto leaf = shortMinter->LeafFor("mint.test", NowSeconds() + 400 * kDay);
  ASSERT_TRUE(leaf);
  EXPECT_NEAR(leaf->NotAfter() - NowSeconds(), 10 * kDay, 5);
  // Names that are no host names never reach the certificate writer.
  EXPECT_FALSE(minter->LeafFor("a.test, CN=forged", NowSeconds() + kDay));
  EXPECT_FALSE(minter->LeafFor("", NowSeconds() + kDay));
}

TEST_F(TlsEdgeTest, TheCacheKeepsTheMostRecentLeavesAndRemintsWhenTheServerChanges) {
  auto minter = Minter(2);
  ASSERT_TRUE(minter);
  const std::int64_t ends = NowSeconds() + 30 * kDay;
  auto a = minter->LeafFor("a.test", ends);
  auto b = minter->LeafFor("b.test", ends);
  EXPECT_EQ(minter->LeafFor("a.test", ends), a);  // a is now the most recent
  minter->LeafFor("c.test", ends);                // so b goes
  EXPECT_EQ(minter->LeafFor("a.test", ends), a);
  EXPECT_NE(minter->LeafFor("b.test", ends), b);
  auto renewed = minter->LeafFor("a.test", ends + kDay);
  EXPECT_NE(renewed, a);
  EXPECT_EQ(minter->LeafFor("a.test", ends + kDay), renewed);
  // A leaf about to end is not handed out again.
  const std::int64_t soon = NowSeconds() + 3600;
  auto ending = minter->LeafFor("ending.test", soon);
  EXPECT_NE(minter->LeafFor("ending.test", soon), ending);
}

TEST_F(TlsEdgeTest, ConnectionThreadsMintFromOneCacheAtOnce) {
  auto minter = Minter(3);
  ASSERT_TRUE(minter);
  const std::int64_t ends = NowSeconds() + 30 * kDay;
  std::atomic<int> minted{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 20; ++i)
        if (minter->LeafFor("h" + std::to_string((t + i) % 6) + ".test", ends)) ++minted;
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(minted.load(), 80);
}

TEST_F(TlsEdgeTest, TheBrowserSideAndTheServerSideCarryDataBothWays) {
  struct Case {
    const char* serverName;  // as the connection asks for it
    const char* leafFor;
    ServerCheck expected;
  } cases[] = {
      {"localhost", "localhost", ServerCheck::kTrusted},
      {"127.0.0.1", "127.0.0.1", ServerCheck::kTrusted},  // no server name sent
      {"other.test", "localhost", ServerCheck::kUntrusted},
  };
  auto minter = Minter();
  ASSERT_TRUE(minter);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.serverName);
    auto leaf = minter->LeafFor(c.leafFor, NowSeconds() + 30 * kDay);
    ASSERT_TRUE(leaf);
    SocketPair sockets;
    ASSERT_NE(sockets.server, platform::kNoSocket);
    std::string heard, afterClose = "unset";
    std::thread browserSide([&] {
      // The first bytes of the ClientHello are read before the session
      // exists, as the connection does to learn the server name.
      char first[64];
      const int got = platform::Receive(sockets.server, first, sizeof first);
      if (got <= 0) return;
      auto session =
          AcceptBrowser(sockets.server, std::string_view(first, std::size_t(got)), *leaf, kWaitMs);
      if (!session) return;
      heard = ReceiveAll(*session, 4);
      session->Send("pong", 4);
      char rest[8];
      afterClose = std::to_string(session->Receive(rest, sizeof rest));
    });
    ServerConnection server = ConnectToServer(sockets.client, c.serverName, kWaitMs);
    std::string answer;
    if (server.session) {
      server.session->Send("ping", 4);
      answer = ReceiveAll(*server.session, 4);
      server.session->Close();
    }
    platform::ShutdownSocket(sockets.client);
    browserSide.join();
    EXPECT_EQ(server.check, c.expected);
    EXPECT_EQ(server.notAfter, leaf->NotAfter());
    if (c.expected != ServerCheck::kTrusted) {
      EXPECT_FALSE(server.session);
      continue;
    }
    EXPECT_EQ(heard, "ping");
    EXPECT_EQ(answer, "pong");
    EXPECT_EQ(afterClose, "0");
  }
}

// A test server on the library directly, for what our own server side
// never does: ask for the client's certificate, or speak only TLS 1.2.
struct LibraryServer {
  mbedtls_ssl_config conf;
  mbedtls_ssl_context ssl;
  CertificateList chain;
  LibraryServer() {
    mbedtls_ssl_config_init(&conf);
    mbedtls_ssl_init(&ssl);
  }
  ~LibraryServer() {
    mbedtls_ssl_free(&ssl);
    mbedtls_ssl_config_free(&conf);
  }
  static int Send(void* socket, const unsigned char* data, size_t size) {
    return platform::Send(*static_cast<platform::Socket*>(socket),
                          reinterpret_cast<const char*>(data), int(size));
  }
  static int Receive(void* socket, unsigned char* data, size_t size) {
    bool ready = false, unused = false;
    auto s = *static_cast<platform::Socket*>(socket);
    if (platform::WaitReadable(s, platform::kNoSocket, kWaitMs, ready, unused) <= 0)
      return MBEDTLS_ERR_SSL_TIMEOUT;
    return platform::Receive(s, reinterpret_cast<char*>(data), int(size));
  }
  // Answers one handshake on `socket`, for `version` only.
  int Serve(platform::Socket& socket, const Issued& leaf, const Issued* root, int version,
            bool askForCertificate) {
    if (!chain.Add(leaf.der) || !chain.Add(root->der)) return -1;
    mbedtls_ssl_config_defaults(&conf, MBEDTLS_SSL_IS_SERVER, MBEDTLS_SSL_TRANSPORT_STREAM,
                                MBEDTLS_SSL_PRESET_DEFAULT);
    mbedtls_ssl_conf_rng(&conf, DrawRandom, nullptr);
    mbedtls_ssl_conf_min_tls_version(&conf, mbedtls_ssl_protocol_version(version));
    mbedtls_ssl_conf_max_tls_version(&conf, mbedtls_ssl_protocol_version(version));
    mbedtls_ssl_conf_own_cert(&conf, chain.get(), leaf.key->get());
    mbedtls_ssl_conf_ca_chain(&conf, chain.get()->next, nullptr);
    mbedtls_ssl_conf_authmode(
        &conf, askForCertificate ? MBEDTLS_SSL_VERIFY_OPTIONAL : MBEDTLS_SSL_VERIFY_NONE);
    if (mbedtls_ssl_setup(&ssl, &conf) != 0) return -1;
    mbedtls_ssl_set_bio(&ssl, &socket, Send, Receive, nullptr);
    return mbedtls_ssl_handshake(&ssl);
  }
};

TEST_F(TlsEdgeTest, ServersThatAskForTheUsersCertificateAreToldApart) {
  struct Case {
    const char* name;
    int version;
    bool asks;
    ServerCheck expected;
  } cases[] = {
      {"TLS 1.3 asking", MBEDTLS_SSL_VERSION_TLS1_3, true, ServerCheck::kClientCertificateWanted},
      {"TLS 1.2 asking", MBEDTLS_SSL_VERSION_TLS1_2, true, ServerCheck::kClientCertificateWanted},
      {"TLS 1.2", MBEDTLS_SSL_VERSION_TLS1_2, false, ServerCheck::kTrusted},
  };
  const Issued leaf = Issue("localhost", root_, {"localhost"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SocketPair sockets;
    ASSERT_NE(sockets.server, platform::kNoSocket);
    LibraryServer server;
    std::thread serverSide([&] { server.Serve(sockets.server, leaf, root_, c.version, c.asks); });
    ServerConnection connection = ConnectToServer(sockets.client, "localhost", kWaitMs);
    // Ends the server's handshake when ours stopped halfway.
    platform::ShutdownSocket(sockets.client);
    serverSide.join();
    EXPECT_EQ(connection.check, c.expected);
    EXPECT_EQ(connection.session != nullptr, c.expected == ServerCheck::kTrusted);
  }
}

TEST_F(TlsEdgeTest, OnlyAGoodChainForTheNameIsTrusted) {
  const Issued intermediate = Issue("Test Intermediate", root_, {"", 0});
  const Issued stranger = Issue("Unknown Root", nullptr, {});
  const Issued notACa = Issue("not-a-ca.test", root_, {"not-a-ca.test"});
  const Issued direct = Issue("direct.test", root_, {"direct.test"});
  const Issued viaIntermediate = Issue("via.test", &intermediate, {"via.test"});
  const Issued expired = Issue("expired.test", root_, {"expired.test", 0, -30 * kDay, -kDay});
  const Issued byStranger = Issue("stranger.test", &stranger, {"stranger.test"});
  const Issued byNotACa = Issue("under.test", &notACa, {"under.test"});
  const Issued address = Issue("127.0.0.1", root_, {"127.0.0.1"});
  struct Case {
    const char* name;
    std::vector<Der> chain;
    const char* serverName;
    bool trusted;
  } cases[] = {
      {"good", {direct.der}, "direct.test", true},
      {"good with the root sent", {direct.der, root_->der}, "direct.test", true},
      {"good through an intermediate", {viaIntermediate.der, intermediate.der}, "via.test", true},
      {"IPv4 address", {address.der}, "127.0.0.1", true},
      {"other address", {address.der}, "127.0.0.2", false},
      {"wrong name", {direct.der}, "other.test", false},
      {"expired", {expired.der}, "expired.test", false},
      {"unknown root sent along", {byStranger.der, stranger.der}, "stranger.test", false},
      {"self-signed", {stranger.der}, "Unknown Root", false},
      {"missing intermediate", {viaIntermediate.der}, "via.test", false},
      {"issuer is no CA", {byNotACa.der, notACa.der}, "under.test", false},
      {"nothing", {}, "direct.test", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlatformTrustsServer(c.chain, c.serverName), c.trusted);
  }
}

}  // namespace
}  // namespace hush::tls
