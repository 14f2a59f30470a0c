// CONNECT tunnels and the upstream gateway.
#include <gtest/gtest.h>

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

class TunnelTest : public test::ProxyTest {
 protected:
  static std::string Connect(std::uint16_t port) {
    return "CONNECT 127.0.0.1:" + std::to_string(port) + " HTTP/1.1\r\nHost: x\r\n\r\n";
  }
};

TEST_F(TunnelTest, ConnectIsAnsweredThenBytesFlowBothWays) {
  OriginServer origin(OriginServer::Echoing());
  RawClient browser(ProxyPort());
  browser.Send(Connect(origin.port()));
  EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size()), kConnectionEstablishedReply);
  const std::string binary("\x16\x03\x01\0\x05hello\r\n\r\nGET / HTTP/1.1\r\n\r\n", 33);
  browser.Send(binary);
  EXPECT_EQ(browser.ReadBytes(binary.size()), binary);
  // The origin saw no header at all: only the tunnelled bytes.
  EXPECT_EQ(origin.Received(0), binary);
}

TEST_F(TunnelTest, BytesRightBehindTheConnectHeaderAreForwarded) {
  OriginServer origin(OriginServer::Echoing());
  RawClient browser(ProxyPort());
  browser.Send(Connect(origin.port()) + "early");
  EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size() + 5),
            std::string(kConnectionEstablishedReply) + "early");
}

TEST_F(TunnelTest, ConnectWithoutPortUsesPort80AndRepliesBeforeConnecting) {
  RawClient browser(ProxyPort());
  browser.Send("CONNECT no-such-host.invalid HTTP/1.1\r\n\r\n");
  EXPECT_EQ(browser.ReadToEnd(),
            std::string(kConnectionEstablishedReply) + std::string(kConnectFailedReply));
  bool sawPort80 = false;
  for (const std::string& text : Diagnostics())
    sawPort80 |= text == "Connecting to 'no-such-host.invalid' port = 80";
  EXPECT_TRUE(sawPort80);
}

TEST_F(TunnelTest, ConnectAfterAGetTunnelsToTheConnectTarget) {
  OriginServer web(OriginServer::Replying([](const std::string&) { return HttpResponse("page"); }));
  OriginServer secure(OriginServer::Echoing());
  RawClient browser(ProxyPort());
  browser.Send("GET http://127.0.0.1:" + std::to_string(web.port()) + "/ HTTP/1.1\r\n\r\n");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("page"));
  browser.Send(Connect(secure.port()));
  EXPECT_EQ(browser.ReadBytes(kConnectionEstablishedReply.size()), kConnectionEstablishedReply);
  browser.Send("ping");
  EXPECT_EQ(browser.ReadBytes(4), "ping");
  EXPECT_EQ(secure.Received(0), "ping");
}

class GatewayTest : public test::ProxyTest {
 protected:
  void UseGateway(std::uint16_t port) {
    Settings().gatewayEnable.store(1);
    Settings().gatewayIP.Set("127.0.0.1");
    Settings().gatewayPort.store(port);
    PublishSettings();
  }
};

TEST_F(GatewayTest, EveryRequestGoesToTheGatewayUnchanged) {
  OriginServer gateway(
      OriginServer::Replying([](const std::string&) { return HttpResponse("via gateway"); }));
  UseGateway(gateway.port());
  RawClient browser(ProxyPort());
  browser.Send("GET http://no-such-host.invalid:81/a HTTP/1.1\r\nHost: n\r\n\r\n");
  EXPECT_EQ(browser.ReadResponse(), HttpResponse("via gateway"));
  EXPECT_EQ(gateway.Received(0),
            "GET http://no-such-host.invalid:81/a HTTP/1.1\r\nHost: n\r\n\r\n");
}

TEST_F(GatewayTest, ConnectIsForwardedToTheGatewayWhichAnswersIt) {
  OriginServer gateway([](test::OriginConnection& connection) {
    connection.ReadHead();
    connection.Send("HTTP/1.1 200 OK\r\n\r\n");
    for (std::string bytes; !(bytes = connection.ReadSome()).empty();) connection.Send(bytes);
  });
  UseGateway(gateway.port());
  RawClient browser(ProxyPort());
  browser.Send("CONNECT secure.example:443 HTTP/1.1\r\n\r\n");
  EXPECT_EQ(browser.ReadUntil("\r\n\r\n"), "HTTP/1.1 200 OK\r\n\r\n");
  browser.Send("tls");
  EXPECT_EQ(browser.ReadBytes(3), "tls");
  EXPECT_EQ(gateway.Received(0), "CONNECT secure.example:443 HTTP/1.1\r\n\r\ntls");
}

}  // namespace
}  // namespace hush
