// Interception with real TLS on both sides: an origin that speaks TLS with
// a leaf from an authority of the test's own, a client that speaks TLS
// through the proxy's CONNECT, and the proxy's authority in between.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <wincrypt.h>
#endif

#include "proxy/replies.h"
#include "proxy/tls.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

using test::OriginConnection;
using test::OriginServer;
using test::RawClient;

constexpr int kLimitMs = 5000;
const std::string kScript = "<script>hush()</script>";
const std::string kPage = "<html><body>page</body></html>";
// The page as the browser gets it (the proxy's length line ends as it
// always has).
const std::string kFilteredPage =
    "HTTP/1.1 200 OK\r\nContent-Length: 53\nContent-Type: text/html\r\n\r\n" + kScript + kPage;

// Whatever arrives next on `session` within the limit; empty on close,
// error or time-out.
std::string ReadSome(tls::Session& session, platform::Socket socket) {
  for (int waits = 0; waits < 50; ++waits) {
    bool ready = session.HasBuffered(), unused = false;
    if (!ready && platform::WaitReadable(socket, platform::kNoSocket, kLimitMs, ready, unused) <= 0)
      return {};
    char buffer[16384];
    const int received = session.Receive(buffer, sizeof buffer);
    if (received != tls::Session::kNoDataYet)
      return received > 0 ? std::string(buffer, static_cast<std::size_t>(received)) : "";
  }
  return {};
}

// One response with a Content-Length body (or the header alone).
std::string ReadResponse(tls::Session& session, platform::Socket socket, std::string& pending) {
  std::size_t end;
  while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
    const std::string more = ReadSome(session, socket);
    if (more.empty()) return std::exchange(pending, {});
    pending += more;
  }
  const std::size_t length = pending.find("Content-Length: ");
  std::size_t total = end + 4;
  if (length != std::string::npos && length < end) total += std::stoul(pending.substr(length + 16));
  while (pending.size() < total) {
    const std::string more = ReadSome(session, socket);
    if (more.empty()) break;
    pending += more;
  }
  std::string response = pending.substr(0, total);
  pending.erase(0, response.size());
  return response;
}

// Trusts `authority` when servers are verified, for the rest of the run:
// natively beside the system's roots, under Windows in the current user's
// Root store (the test prefix is thrown away afterwards).
void TrustForTheRun(const tls::Authority& authority) {
  const tls::Der& der = authority.Certificate();
#ifdef _WIN32
  HCERTSTORE store =
      CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  ASSERT_NE(store, nullptr);
  EXPECT_TRUE(CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                               static_cast<DWORD>(der.size()),
                                               CERT_STORE_ADD_REPLACE_EXISTING, nullptr));
  CertCloseStore(store, 0);
#else
  const std::string path = ::testing::TempDir() + "intercepted_tls_root.der";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(der.data()), static_cast<std::streamsize>(der.size()));
  tls::TrustAlsoForTesting(path);
  std::remove(path.c_str());
#endif
}

// An origin that answers every request on TLS with `leaf` with the page.
OriginServer::Script TlsOrigin(std::shared_ptr<const tls::Leaf> leaf) {
  return [leaf](OriginConnection& connection) {
    auto session = tls::AcceptBrowser(connection.socket(), "", *leaf, kLimitMs);
    std::string pending;
    while (session) {
      std::size_t end;
      while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
        const std::string more = ReadSome(*session, connection.socket());
        if (more.empty()) return;
        pending += more;
      }
      pending.erase(0, end + 4);
      const std::string reply = test::HttpResponse(kPage, "Content-Type: text/html\r\n");
      session->Send(reply.data(), reply.size());
    }
  };
}

class InterceptedTlsTest : public test::ProxyTest {
 protected:
  static void SetUpTestSuite() {
    ProxyTest::SetUpTestSuite();
    auto originAuthority = tls::Authority::Create("Test origin authority");
    proxyAuthority_ = tls::Authority::Create("Test proxy authority");
    ASSERT_TRUE(originAuthority && proxyAuthority_);
    TrustForTheRun(*originAuthority);
    TrustForTheRun(*proxyAuthority_);
    trusted_ = tls::LeafMinter::Create(originAuthority);
    stranger_ = tls::LeafMinter::Create(tls::Authority::Create("Unknown authority"));
  }
  static void InterceptPort(std::uint16_t port) {
    PublishSettings([&](EngineSettings& settings) {
      settings.httpsFiltering = true;
      settings.httpsPorts = {port};
      settings.minter = tls::LeafMinter::Create(proxyAuthority_);
      settings.blockerScript = kScript;
    });
  }
  static std::shared_ptr<const tls::Leaf> OriginLeaf(tls::LeafMinter& minter) {
    return minter.LeafFor("localhost", 4102444800);  // 2100-01-01
  }
  // A client through the proxy's CONNECT, TLS opened for "localhost".
  static tls::ServerConnection ConnectThroughProxy(RawClient& browser, std::uint16_t port) {
    browser.Send("CONNECT localhost:" + std::to_string(port) + " HTTP/1.1\r\n\r\n");
    EXPECT_EQ(browser.ReadUntil("\r\n\r\n"), kConnectionEstablishedReply);
    return tls::ConnectToServer(browser.socket(), "localhost", kLimitMs);
  }

  static std::shared_ptr<tls::LeafMinter> trusted_, stranger_;
  static std::shared_ptr<const tls::Authority> proxyAuthority_;
};

std::shared_ptr<tls::LeafMinter> InterceptedTlsTest::trusted_, InterceptedTlsTest::stranger_;
std::shared_ptr<const tls::Authority> InterceptedTlsTest::proxyAuthority_;

TEST_F(InterceptedTlsTest, PagesGetTheScriptOverKeepAliveAndOtherHostsAreRefused) {
  OriginServer origin(TlsOrigin(OriginLeaf(*trusted_)));
  InterceptPort(origin.port());
  RawClient browser(ProxyPort());
  tls::ServerConnection proxy = ConnectThroughProxy(browser, origin.port());
  ASSERT_EQ(proxy.check, tls::ServerCheck::kTrusted);
  std::string pending;
  for (int round = 0; round < 2; ++round) {
    const std::string request = "GET / HTTP/1.1\r\nHost: localhost\r\n\r\n";
    proxy.session->Send(request.data(), request.size());
    EXPECT_EQ(ReadResponse(*proxy.session, browser.socket(), pending), kFilteredPage);
  }
  EXPECT_EQ(origin.connectionsAccepted(), 1);
  const std::string elsewhere = "GET / HTTP/1.1\r\nHost: elsewhere.example\r\n\r\n";
  proxy.session->Send(elsewhere.data(), elsewhere.size());
  EXPECT_EQ(ReadResponse(*proxy.session, browser.socket(), pending), kInvalidHeaderReply);
}

TEST_F(InterceptedTlsTest, AnUntrustedOriginIsTunnelledWithItsOwnCertificate) {
  // The client trusts the proxy's authority: only the origin's own
  // certificate, from an unknown authority, fails its check.
  OriginServer origin(TlsOrigin(OriginLeaf(*stranger_)));
  InterceptPort(origin.port());
  RawClient browser(ProxyPort());
  EXPECT_EQ(ConnectThroughProxy(browser, origin.port()).check, tls::ServerCheck::kUntrusted);
  EXPECT_EQ(origin.connectionsAccepted(), 2);
}

TEST_F(InterceptedTlsTest, TheGatewaysTunnelCarriesTheInterceptedConnection) {
  auto tlsOrigin = TlsOrigin(OriginLeaf(*trusted_));
  OriginServer gateway([tlsOrigin](OriginConnection& connection) {
    connection.ReadHead();
    connection.Send("HTTP/1.1 200 Connection established\r\n\r\n");
    tlsOrigin(connection);
  });
  PublishSettings([&](EngineSettings& settings) {
    settings.gatewayEnabled = true;
    settings.gatewayHost = "127.0.0.1";
    settings.gatewayPort = gateway.port();
    settings.httpsFiltering = true;
    settings.httpsPorts = {gateway.port()};
    settings.minter = tls::LeafMinter::Create(proxyAuthority_);
    settings.blockerScript = kScript;
  });
  RawClient browser(ProxyPort());
  tls::ServerConnection proxy = ConnectThroughProxy(browser, gateway.port());
  ASSERT_EQ(proxy.check, tls::ServerCheck::kTrusted);
  const std::string request = "GET / HTTP/1.1\r\nHost: localhost\r\n\r\n";
  proxy.session->Send(request.data(), request.size());
  std::string pending;
  EXPECT_EQ(ReadResponse(*proxy.session, browser.socket(), pending), kFilteredPage);
}

}  // namespace
}  // namespace hush
