// One accepted browser connection: relays bytes between the browser and one
// server connection at a time, parsing each request header on the way up
// (the request rules decide what becomes of it) and handing everything from
// the server to its response filter on the way down. An intercepted CONNECT
// puts a TLS session on each side, and the decrypted exchange goes the same
// way. Used by its own connection thread only.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "proxy/byte_buffer.h"
#include "proxy/client_hello.h"
#include "proxy/engine_settings.h"
#include "proxy/platform.h"
#include "proxy/request_rules.h"
#include "proxy/response_filter.h"
#include "proxy/tls.h"

namespace hush {

class ProxyConnection : private BrowserSink {
 public:
  // Takes the current settings from `feed` now and with every request header.
  ProxyConnection(platform::Socket browserSocket, std::shared_ptr<const SettingsFeed> feed);
  ~ProxyConnection();
  ProxyConnection(const ProxyConnection&) = delete;
  ProxyConnection& operator=(const ProxyConnection&) = delete;

  // Chooses the buffer size, relays until either side ends, closes both.
  void Run();

  // Request side: takes what the browser sent; false when the connection
  // is to end.
  bool OnBrowserData();
  int SendAll(platform::Socket socket, ByteBuffer& buffer);
  void Close();

  // Response side, handed to the response filter.
  void ResetResponse();
  void OnServerData();
  void FinishResponse();

 private:
  // Whether the browser's next bytes start a request header or continue a
  // body (or a tunnel).
  enum class RequestState { kAwaitingHeader, kPassingThrough };

  // Lets the fuzz targets drive the parsing steps without sockets.
  friend struct ConnectionProbe;

  void SendToBrowser(ByteBuffer& bytes) override;
  bool BrowserOpen() const override;

  bool ParseRequestHeader();
  bool ParseInterceptedHeader();
  bool ConnectToServer();
  // Interception of a CONNECT (proxy_interception.cpp): answers it, reads
  // the ClientHello and either puts TLS on both sides or opens a blind
  // tunnel that replays the browser's own bytes; false when the connection
  // is to end.
  bool InterceptConnect(const std::string& host, std::int32_t port);
  bool AwaitClientHello(ClientHello& hello);
  enum class TlsOutcome { kIntercepted, kNotIntercepted, kFailed };
  TlsOutcome OpenTlsBothWays(const std::string& serverName, const std::string& host,
                             std::int32_t port);
  bool OpenBlindTunnel(const std::string& host, std::int32_t port);
  platform::Socket OpenTunnelSocket(const std::string& host, std::int32_t port);
  bool AskGatewayForTunnel(platform::Socket gateway, const std::string& host, std::int32_t port);
  int HandshakeTimeoutMs() const;
  int ReceiveOn(platform::Socket socket, char* buffer, int length);
  int SendOn(platform::Socket socket, const char* data, int length);
  bool HasBuffered(platform::Socket socket) const;
  tls::Session* SessionOn(platform::Socket socket) const;
  void CloseServer();
  void CloseBrowser();
  platform::Socket OpenServerSocket(const std::string& host, int port);
  void ChooseBufferSizes();
  void ReleaseSockets();
  void RelayLoop();
  // Reads what `socket` (or its TLS session) has: the count, or one of these.
  static constexpr int kEnded = -1;      // closed or failed
  static constexpr int kNothingYet = 0;  // a TLS record without data came
  int ReceiveInto(platform::Socket socket, ByteBuffer& buffer);
  void ApplyBufferSizes(platform::Socket socket) const;
  int SelectTimeoutMs() const;
  bool FirstRequestOverdue() const;
  void SendText(platform::Socket socket, std::string_view text);
  bool FailRequest();

  ByteBuffer toServer_;
  std::vector<std::string> requestLines_;
  RequestLine request_;
  bool tunnel_ = false;
  bool headRequest_ = false;
  std::string hostName_;
  RequestState requestState_ = RequestState::kAwaitingHeader;
  platform::Socket serverSocket_ = platform::kNoSocket;
  platform::Socket browserSocket_ = platform::kNoSocket;
  std::int32_t sendSize_ = 0;
  std::int32_t receiveSize_ = 0;
  std::string previousHostName_;
  std::int32_t previousPort_ = 0;
  bool requestSeen_ = false;
  std::chrono::steady_clock::time_point firstRequestDeadline_{};
  // An intercepted connection: the TLS sessions over the two sockets, and
  // the one server every request inside goes to.
  std::unique_ptr<tls::Session> browserTls_;
  std::unique_ptr<tls::Session> serverTls_;
  // The leaf and its minter stay while the browser's session may use them.
  std::shared_ptr<tls::LeafMinter> minter_;
  std::shared_ptr<const tls::Leaf> leaf_;
  bool intercepted_ = false;
  std::string interceptedHost_;
  std::int32_t interceptedPort_ = 0;
  std::shared_ptr<const SettingsFeed> feed_;
  // The settings of the request under way.
  std::shared_ptr<const EngineSettings> settings_;
  ResponseFilter response_;
};

// Lowers the process-wide buffer size after the platform ran out of buffer
// space: by 1024 from `configured` or the size lowered to before, never below
// 2048.
void BackOffBufferSize(std::int32_t configured);

// Makes the next `count` sends of any connection fail with `errorCode`, to
// exercise the failure paths that real loopback sockets never take.
void InjectSendFailuresForTesting(int errorCode, int count);

// Shortens the time a connection may take to send its first request header
// (tests only).
void SetFirstRequestWaitForTesting(int milliseconds);
int FirstRequestWaitMilliseconds();

}  // namespace hush
