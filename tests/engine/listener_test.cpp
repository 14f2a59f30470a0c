// The listener's life: ports, bind failures, the count of live connections,
// the stop and the drain that follows it, and the socket error texts.
#include <gtest/gtest.h>

#include "app/engine_publication.h"
#include "common/diagnostic.h"
#include "proxy/proxy_connection.h"
#include "proxy/proxy_listener.h"
#include "proxy/proxy_state.h"
#include "proxy/settings_store.h"
#include "proxy/winsock_errors.h"
#include "support/origin_server.h"
#include "support/raw_client.h"
#include "support/test_environment.h"

namespace hush {
namespace {

using test::Eventually;
using test::RawClient;

class ListenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ResetSettingsToDefaults();
    SetDiagnosticObserver([this](const std::string& text) { seen_.push_back(text); });
  }
  void TearDown() override { SetDiagnosticObserver(nullptr); }
  // A port that was free a moment ago.
  static std::uint16_t FreePort() {
    platform::Socket probe = platform::OpenTcpSocket();
    platform::BindLoopback(probe, 0);
    std::uint16_t port = platform::LocalPort(probe);
    platform::CloseSocket(probe);
    return port;
  }
  std::vector<std::string> seen_;
};

TEST_F(ListenerTest, PortIsTakenModulo65536) {
  const std::uint16_t port = FreePort();
  Settings().popupPort.store(65536 + port);
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  EXPECT_EQ(listener.ListeningPort(), port);
  RawClient client(port);
  EXPECT_TRUE(client.connected());
}

TEST_F(ListenerTest, BindFailureIsReportedAsTheBlockingSocketError) {
  platform::Socket holder = platform::OpenTcpSocket();
  ASSERT_TRUE(platform::BindLoopback(holder, 0));
  ASSERT_TRUE(platform::Listen(holder, 1));
  Settings().popupPort.store(platform::LocalPort(holder));
  {
    ProxyListener listener;
    PublishEngineSettings(listener);
    EXPECT_FALSE(listener.StartListening());
  }
  platform::CloseSocket(holder);
  ASSERT_FALSE(seen_.empty());
  EXPECT_EQ(seen_[0].rfind("Error creating blocking socket.\n\n", 0), 0u) << seen_[0];
  EXPECT_GT(seen_[0].size(), 33u);  // the socket error text follows
}

TEST_F(ListenerTest, RestartListensAnewAndTheOldPortIsGone) {
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  const std::uint16_t first = listener.ListeningPort();
  Settings().popupPort.store(FreePort());
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  EXPECT_NE(listener.ListeningPort(), first);
  EXPECT_FALSE(RawClient(first).connected());
  EXPECT_TRUE(RawClient(listener.ListeningPort()).connected());
}

// Another local program must not be able to listen beside the proxy (and
// take some of the browsers' connections), even asking to reuse the address;
// a restart on the same port right after serving still works.
TEST_F(ListenerTest, ThePortIsTheProxysAloneAndARestartGetsItBack) {
  test::OriginServer origin(
      test::OriginServer::Replying([](const std::string&) { return test::HttpResponse("ok"); }));
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  const std::uint16_t port = listener.ListeningPort();
  platform::Socket thief = platform::OpenTcpSocket();
  platform::SetIntOption(thief, platform::SocketOption::ReuseAddress, 1);
  EXPECT_FALSE(platform::BindLoopback(thief, port) && platform::Listen(thief, 1));
  platform::CloseSocket(thief);

  Settings().popupPort.store(port);
  PublishEngineSettings(listener);
  for (int round = 0; round < 2; ++round) {
    {
      RawClient browser(port);
      browser.Send("GET http://127.0.0.1:" + std::to_string(origin.port()) + "/ HTTP/1.1\r\n\r\n");
      EXPECT_EQ(browser.ReadResponse(), test::HttpResponse("ok")) << round;
    }
    listener.StopListening();
    ASSERT_TRUE(listener.StartListening()) << round;
    EXPECT_EQ(listener.ListeningPort(), port);
  }
}

// Idle and trickling connections that never complete a request would pin
// their threads for ever.
TEST_F(ListenerTest, ConnectionsThatNeverSendARequestAreClosed) {
  SetFirstRequestWaitForTesting(500);
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  RawClient idle(listener.ListeningPort());
  RawClient trickling(listener.ListeningPort());
  for (int i = 0; i < 8; ++i) {
    trickling.Send("G");
    platform::SleepMilliseconds(100);
  }
  EXPECT_TRUE(idle.PeerClosed(3000));
  EXPECT_TRUE(trickling.PeerClosed(3000));
  EXPECT_TRUE(Eventually([] { return ActiveConnectionCount.load() == 0; }));
  SetFirstRequestWaitForTesting(60000);
}

TEST_F(ListenerTest, CountsConnectionsAndDrainsAfterTheStop) {
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  auto first = std::make_unique<RawClient>(listener.ListeningPort());
  auto second = std::make_unique<RawClient>(listener.ListeningPort());
  ASSERT_TRUE(Eventually([] { return ActiveConnectionCount.load() == 2; }));
  EXPECT_EQ(ConnectionsStarted.load(), 1);

  listener.StopListening();
  // Idle connections wait for their first request and do not see the stop...
  EXPECT_EQ(ActiveConnectionCount.load(), 2);
  EXPECT_EQ(ConnectionsStarted.load(), 1);
  // ...until their browser goes; the drain ends within a second of the last.
  first.reset();
  second.reset();
  EXPECT_TRUE(Eventually([] { return ActiveConnectionCount.load() == 0; }));
  EXPECT_TRUE(Eventually([] { return ConnectionsStarted.load() == 0; }, 2500));
}

TEST_F(ListenerTest, ConnectionWithATimeLimitEndsAfterTheStop) {
  Settings().useDefaultTimeOut.store(0);
  Settings().connectionTimeOut.store(1);
  ProxyListener listener;
  PublishEngineSettings(listener);
  ASSERT_TRUE(listener.StartListening());
  RawClient client(listener.ListeningPort());
  // Idle connections are never closed while the proxy runs...
  EXPECT_FALSE(client.PeerClosed(1500));
  listener.StopListening();
  // ...but notice the stop at their next time-out.
  EXPECT_TRUE(client.PeerClosed(3000));
}

TEST(SocketErrorText, FollowsTheTable) {
  std::string text = "kept";
  platform::SetLastSocketError(0);
  WinsockErrorText(text);
  EXPECT_EQ(text, "kept");
  platform::SetLastSocketError(10054);
  WinsockErrorText(text);
  EXPECT_EQ(text, "Connection reset");
  platform::SetLastSocketError(10058);
  WinsockErrorText(text);
  EXPECT_EQ(text, "The socket has been shut down.");
  platform::SetLastSocketError(10061);
  WinsockErrorText(text);
  EXPECT_EQ(text, "Winsock error = (10061)");
}

}  // namespace
}  // namespace hush
