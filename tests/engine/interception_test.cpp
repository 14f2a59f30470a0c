// HTTPS interception: which CONNECTs are intercepted, what may be asked
// inside one, and on real sockets what is tunnelled blind instead.
#include <gtest/gtest.h>

#include <string>

#include "proxy/interception_rules.h"
#include "proxy/replies.h"
#include "proxy/tls.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

using test::OriginServer;
using test::RawClient;

// A minter that never mints: interception is on, but no server gets a leaf.
class NoLeaves : public tls::LeafMinter {
 public:
  std::shared_ptr<const tls::Leaf> LeafFor(const std::string&, std::int64_t) override {
    return nullptr;
  }
};

TEST(InterceptionRulesTest, ChoosesWhatIsIntercepted) {
  EngineSettings on;
  on.httpsFiltering = true;
  on.httpsPorts = {443, 8443};
  on.httpsExclusions = {"bank.example", "localhost"};
  on.minter = std::make_shared<NoLeaves>();
  EngineSettings off = on, noMinter = on, disabled = on;
  off.httpsFiltering = false;
  noMinter.minter = nullptr;
  disabled.disabled = true;
  struct Case {
    const char* connect;
    const EngineSettings& settings;
    bool intercepted;
  } cases[] = {
      {"CONNECT shop.example:443 HTTP/1.1", on, true},
      {"CONNECT shop.example:8443 HTTP/1.1", on, true},
      {"CONNECT shop.example:444 HTTP/1.1", on, false},
      {"CONNECT bank.example:443 HTTP/1.1", on, false},
      {"CONNECT WWW.Bank.Example:443 HTTP/1.1", on, false},
      {"CONNECT notbank.example:443 HTTP/1.1", on, true},
      {"CONNECT shop.example:443 HTTP/1.1", off, false},
      {"CONNECT shop.example:443 HTTP/1.1", noMinter, false},
      {"CONNECT shop.example:443 HTTP/1.1", disabled, false},
      {"GET https://shop.example/ HTTP/1.1", on, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WantsInterception(*ParseRequestLine(c.connect), c.settings), c.intercepted)
        << c.connect;

  // Then the ClientHello has its say: the name TLS is opened for is its
  // own, else the CONNECT host.
  struct HelloCase {
    const char* serverName;
    bool http11, h2, invalidName;
    const char* name;
    bool intercepted;
  } hellos[] = {
      {"shop.example", true, true, false, "shop.example", true},
      {"", false, false, false, "connect.example", true},
      {"bank.example", true, false, false, "bank.example", false},
      {"shop.example", false, true, false, "shop.example", false},
      {"", true, false, true, "connect.example", false},
  };
  for (const HelloCase& c : hellos) {
    ClientHello hello;
    hello.status = ClientHello::Status::kComplete;
    hello.serverName = c.serverName;
    hello.offersHttp11 = c.http11;
    hello.offersH2 = c.h2;
    hello.serverNameInvalid = c.invalidName;
    std::string name;
    EXPECT_EQ(HelloAllowsInterception(hello, "Connect.Example", on, name), c.intercepted)
        << c.serverName;
    EXPECT_EQ(name, c.name);
  }
}

TEST(InterceptionRulesTest, RequestsInsideReachOnlyTheInterceptedHost) {
  struct Case {
    std::vector<std::string> lines;
    bool accepted;
  } cases[] = {
      {{"GET /a?b HTTP/1.1\r\n", "Host: shop.example\r\n"}, true},
      {{"GET / HTTP/1.1\r\n", "host:  SHOP.example:443 \r\n"}, true},
      {{"GET / HTTP/1.0\r\n"}, true},
      {{"GET / HTTP/1.1\r\n", "Host: other.example\r\n"}, false},
      {{"GET / HTTP/1.1\r\n", "Host: shop.example\r\n", "Host: other.example\r\n"}, false},
      {{"GET http://other.example/ HTTP/1.1\r\n"}, false},
      {{"CONNECT other.example:443 HTTP/1.1\r\n"}, false},
      {{"GET /\r\n"}, false},
  };
  for (const Case& c : cases) {
    const auto request = ParseInterceptedRequest(c.lines, "shop.example", 443);
    EXPECT_EQ(request.has_value(), c.accepted) << c.lines.back();
    if (request) {
      EXPECT_EQ(request->hostName, "shop.example");
    }
  }
  EXPECT_TRUE(GatewayOpenedTunnel("HTTP/1.1 200 Connection established\r\n\r\n"));
  EXPECT_FALSE(GatewayOpenedTunnel("HTTP/1.1 407 Proxy Authentication Required\r\n\r\n"));
  EXPECT_FALSE(GatewayOpenedTunnel("\x16\x03\x01"));
}

class InterceptionTest : public test::ProxyTest {
 protected:
  // Interception on for `port`, `excluded` excluded.
  static void InterceptPort(std::uint16_t port, std::vector<std::string> excluded = {}) {
    PublishSettings([&](EngineSettings& settings) {
      settings.httpsFiltering = true;
      settings.httpsPorts = {port};
      settings.httpsExclusions = excluded;
      settings.minter = std::make_shared<NoLeaves>();
    });
  }
  static std::string Connect(const std::string& host, std::uint16_t port) {
    return "CONNECT " + host + ":" + std::to_string(port) + " HTTP/1.1\r\n\r\n";
  }
};

// The smallest ClientHello: one cipher suite, no extensions.
const std::string kHello = std::string("\x16\x03\x01\x00\x2d\x01\x00\x00\x29\x03\x03", 11) +
                           std::string(32, 'r') + std::string("\x00\x00\x02\xc0\x2f\x01\x00", 7);

TEST_F(InterceptionTest, WhatIsNotInterceptedIsTunnelledBlind) {
  struct Case {
    const char* what;
    std::string first;
    std::vector<std::string> excluded;
  } cases[] = {
      {"not TLS", "GET / HTTP/1.1\r\n\r\n", {}},
      {"excluded host", kHello, {"127.0.0.1"}},
  };
  for (const Case& c : cases) {
    OriginServer origin(OriginServer::Echoing());
    InterceptPort(origin.port(), c.excluded);
    RawClient browser(ProxyPort());
    browser.Send(Connect("127.0.0.1", origin.port()) + c.first);
    EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size() + c.first.size()),
              std::string(kConnectionEstablishedReply) + c.first)
        << c.what;
    browser.Send("more");
    EXPECT_EQ(browser.ReadBytes(4), "more") << c.what;
    EXPECT_EQ(origin.connectionsAccepted(), 1) << c.what;
  }
}

TEST_F(InterceptionTest, AServerThatFailsTheHandshakeGetsTheHelloOnAFreshConnection) {
  // The echo server answers the proxy's own ClientHello with that hello:
  // no TLS server, so the browser's bytes go to a second connection.
  OriginServer origin(OriginServer::Echoing());
  InterceptPort(origin.port());
  RawClient browser(ProxyPort());
  browser.Send(Connect("localhost", origin.port()) + kHello);
  EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size() + kHello.size()),
            std::string(kConnectionEstablishedReply) + kHello);
  EXPECT_EQ(origin.connectionsAccepted(), 2);
  EXPECT_EQ(origin.Received(1), kHello);
}

TEST_F(InterceptionTest, TheGatewayIsAskedForATunnelOfTheProxysOwn) {
  OriginServer gateway([](test::OriginConnection& connection) {
    connection.ReadHead();
    connection.Send("HTTP/1.1 200 Connection established\r\n\r\n");
    for (std::string bytes; !(bytes = connection.ReadSome()).empty();) connection.Send(bytes);
  });
  PublishSettings([&](EngineSettings& settings) {
    settings.gatewayEnabled = true;
    settings.gatewayHost = "127.0.0.1";
    settings.gatewayPort = gateway.port();
    settings.httpsFiltering = true;
    settings.minter = std::make_shared<NoLeaves>();
  });
  RawClient browser(ProxyPort());
  browser.Send(Connect("secure.example", 443) + "plain");
  EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size() + 5),
            std::string(kConnectionEstablishedReply) + "plain");
  EXPECT_EQ(gateway.Received(0),
            "CONNECT secure.example:443 HTTP/1.1\r\nHost: secure.example:443\r\n\r\nplain");
}

TEST_F(InterceptionTest, AfterSwitchingProtocolsBytesFlowBothWaysUnparsed) {
  OriginServer origin([](test::OriginConnection& connection) {
    connection.ReadHead();
    connection.Send("HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n\r\n\x81\x02hi");
    for (std::string bytes; !(bytes = connection.ReadSome()).empty();) connection.Send(bytes);
  });
  RawClient browser(ProxyPort());
  browser.Send("GET http://127.0.0.1:" + std::to_string(origin.port()) +
               "/ws HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n\r\n");
  EXPECT_EQ(browser.ReadUntil("\r\n\r\n"),
            "HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n\r\n");
  EXPECT_EQ(browser.ReadBytes(4), "\x81\x02hi");
  const std::string frame("\x81\x85mask\x01\x02\x03\x04\x05", 11);
  browser.Send(frame);
  EXPECT_EQ(browser.ReadBytes(frame.size()), frame);
}

}  // namespace
}  // namespace hush
