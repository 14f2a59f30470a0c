// Requests through the proxy on real loopback sockets: what the origin
// receives, what the browser gets back, and the proxy's own replies.
#include <gtest/gtest.h>

#include "proxy/header_parsing.h"
#include "proxy/platform.h"
#include "proxy/proxy_connection.h"
#include "proxy/proxy_state.h"
#include "proxy/replies.h"
#include "proxy/settings_store.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

using test::HttpResponse;
using test::OriginServer;
using test::RawClient;

class RelayTest : public test::ProxyTest {
 protected:
  static OriginServer::Script Ok() {
    return OriginServer::Replying([](const std::string&) { return HttpResponse("ok"); });
  }
  static std::string Url(std::uint16_t port, const std::string& path = "/") {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }
  bool SawDiagnostic(const std::string& text) {
    for (const std::string& seen : Diagnostics())
      if (seen == text) return true;
    return false;
  }
};

TEST_F(RelayTest, AbsoluteUriReachesTheOriginInPathForm) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("GET " + Url(origin.port(), "/a?b=1") +
               " HTTP/1.1\r\nHost: h\r\nX-Other: y\r\n\r\n");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok"));
  EXPECT_EQ(origin.Received(0), "GET /a?b=1 HTTP/1.1\r\nHost: h\r\nX-Other: y\r\n\r\n");
}

TEST_F(RelayTest, HttpsSchemeWithoutConnectGoesToPort80) {
  RawClient browser(ProxyPort());
  browser.Send("GET HTTPS://127.0.0.1/x HTTP/1.0\r\n\r\n");
  browser.ReadToEnd();
  EXPECT_TRUE(SawDiagnostic("Connecting to '127.0.0.1' port = 80"));
}

TEST_F(RelayTest, UnparsableRequestsGetThe400ReplyAndTheConnectionEnds) {
  for (const char* request :
       {"GET /path-only HTTP/1.1\r\nHost: h\r\n\r\n", "GET http://hostonly HTTP/1.1\r\n\r\n",
        "GET http://h/a b HTTP/1.1\r\n\r\n", "GET ftp://h/ HTTP/1.1\r\n\r\n", "\r\n\r\n",
        "GET http://h/ HTTP/1.0\n\r\r\n"}) {
    RawClient browser(ProxyPort());
    browser.Send(request);
    EXPECT_EQ(browser.ReadToEnd(), kInvalidHeaderReply) << request;
    EXPECT_TRUE(browser.PeerClosed()) << request;
  }
}

// After a good request on the same connection, nothing of it stands in for
// what the next header lacks: a path-only URI, or a header left empty once
// its gzip offer is dropped.
TEST_F(RelayTest, ABadRequestAfterAGoodOneGetsThe400Reply) {
  for (const char* bad : {"GET /next HTTP/1.1\r\n\r\n", "Accept-Encoding: gzip\r\n\r\n"}) {
    OriginServer origin(Ok());
    RawClient browser(ProxyPort());
    browser.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n");
    EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok")) << bad;
    browser.Send(bad);
    EXPECT_EQ(browser.ReadToEnd(), kInvalidHeaderReply) << bad;
    EXPECT_EQ(origin.Received(0), "GET / HTTP/1.1\r\n\r\n") << bad;
  }
}

TEST_F(RelayTest, AHeaderThatNeverEndsIsRefused) {
  RawClient browser(ProxyPort());
  browser.Send("GET http://h/ HTTP/1.1\r\nX-Long: " + std::string(kMaxHeaderBlock, 'x'));
  EXPECT_EQ(browser.ReadToEnd(), kInvalidHeaderReply);
  EXPECT_TRUE(browser.PeerClosed());
}

TEST_F(RelayTest, UnreachableSitesGetThe404Reply) {
  std::uint16_t refusedPort = 0;
  {
    OriginServer gone(Ok());
    refusedPort = gone.port();
  }
  for (const std::string& url : {std::string("http://no-such-host.invalid/"), Url(refusedPort)}) {
    RawClient browser(ProxyPort());
    browser.Send("GET " + url + " HTTP/1.0\r\n\r\n");
    EXPECT_EQ(browser.ReadToEnd(), kConnectFailedReply) << url;
  }
}

TEST_F(RelayTest, OnlyGzipOffersAreRemoved) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("GET " + Url(origin.port()) +
               " HTTP/1.1\r\nAccept-Encoding: gzip, deflate\r\nHost: h\r\n\r\n");
  browser.ReadResponse();
  browser.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\nAccept-Encoding: deflate\r\n\r\n");
  browser.ReadResponse();
  EXPECT_EQ(origin.Received(0),
            "GET / HTTP/1.1\r\nHost: h\r\n\r\n"
            "GET / HTTP/1.1\r\nAccept-Encoding: deflate\r\n\r\n");
}

TEST_F(RelayTest, FilteringOffKeepsTheGzipOffer) {
  Settings().disabled.store(1);
  PublishSettings();
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n");
  browser.ReadResponse();
  EXPECT_EQ(origin.Received(0), "GET / HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n");
}

// A connection kept open across a settings change follows it from its next
// request on: switching filtering off must not wait for the browser to
// open new connections.
TEST_F(RelayTest, ASettingsChangeAppliesFromTheNextRequestOnTheSameConnection) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  const std::string request =
      "GET " + Url(origin.port()) + " HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n";
  browser.Send(request);
  browser.ReadResponse();
  Settings().disabled.store(1);
  PublishSettings();
  browser.Send(request);
  browser.ReadResponse();
  EXPECT_EQ(origin.Received(0),
            "GET / HTTP/1.1\r\n\r\nGET / HTTP/1.1\r\nAccept-Encoding: gzip\r\n\r\n");
}

TEST_F(RelayTest, ServerConnectionIsReusedForTheSameHostOnly) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  for (const char* host : {"127.0.0.1", "127.0.0.1", "localhost"}) {
    browser.Send("GET http://" + std::string(host) + ":" + std::to_string(origin.port()) +
                 "/ HTTP/1.1\r\n\r\n");
    EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok")) << host;
  }
  EXPECT_EQ(origin.connectionsAccepted(), 2);
  EXPECT_EQ(origin.Received(0), std::string("GET / HTTP/1.1\r\n\r\n") + "GET / HTTP/1.1\r\n\r\n");
}

TEST_F(RelayTest, PostBodyFollowsTheRebuiltHeaderAsItComes) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("POST " + Url(origin.port(), "/form") +
               " HTTP/1.1\r\nContent-Length: 10\r\n\r\nfirst");
  test::Eventually([&] { return origin.Received(0).size() >= 42; });
  browser.Send("-rest");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok"));
  EXPECT_EQ(origin.Received(0), "POST /form HTTP/1.1\r\nContent-Length: 10\r\n\r\nfirst-rest");
}

TEST_F(RelayTest, ASingleBodyByteBehindTheHeaderIsKept) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("POST " + Url(origin.port()) + " HTTP/1.1\r\nContent-Length: 1\r\n\r\nx");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok"));
  EXPECT_EQ(origin.Received(0), "POST / HTTP/1.1\r\nContent-Length: 1\r\n\r\nx");
}

TEST_F(RelayTest, PutBodyArrivingLaterIsPassedThrough) {
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  browser.Send("PUT " + Url(origin.port()) + " HTTP/1.1\r\nContent-Length: 4\r\n\r\n");
  test::Eventually([&] { return !origin.Received(0).empty(); });
  browser.Send("data");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("ok"));
  EXPECT_EQ(origin.Received(0), "PUT / HTTP/1.1\r\nContent-Length: 4\r\n\r\ndata");
}

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (char& c : bytes) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
  return bytes;
}

TEST_F(RelayTest, LargeBodiesArriveByteForByteWithAnyBufferSize) {
  const std::string body = Pattern(3 * 1024 * 1024 + 17);
  OriginServer origin(
      OriginServer::Replying([&](const std::string&) { return HttpResponse(body); }));
  for (int useDefaults : {1, 0}) {
    Settings().useDefaultBufferSizes.store(useDefaults);
    Settings().bufferSize.store(1000);
    PublishSettings();
    RawClient browser(ProxyPort());
    browser.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(browser.ReadResponse(20000) == HttpResponse(body))
        << "default buffer sizes: " << useDefaults;
  }
}

TEST_F(RelayTest, SendBackOffLowersTheBufferSizeToItsFloor) {
  Settings().bufferSize.store(2500);
  PublishSettings();
  OriginServer origin(Ok());
  RawClient browser(ProxyPort());
  InjectSendFailuresForTesting(platform::kErrNoBuffers, 1);
  browser.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n");
  EXPECT_TRUE(test::Eventually([] { return LoweredBufferSize.load() == 2048; }));
  InjectSendFailuresForTesting(0, 0);
  // Other failures leave the size alone.
  Settings().bufferSize.store(9000);
  PublishSettings();
  InjectSendFailuresForTesting(platform::kErrConnectionReset, 1);
  RawClient other(ProxyPort());
  other.Send("GET " + Url(origin.port()) + " HTTP/1.1\r\n\r\n");
  test::Eventually([&] { return origin.connectionsAccepted() == 2; });
  InjectSendFailuresForTesting(0, 0);
  EXPECT_EQ(LoweredBufferSize.load(), 2048);
}

}  // namespace
}  // namespace hush
