// One accepted browser connection: relays bytes between the browser and one
// server connection at a time, parsing each request header on the way up and
// handing everything from the server to the response side on the way down.
// Used by its own connection thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "proxy/byte_buffer.h"
#include "proxy/platform.h"

namespace hush {

class ProxyConnection {
 public:
  enum RequestState { kAwaitingHeader = 1, kPassingThrough = 2 };
  enum ResponseState { kAwaitingStatus = 1, kInBody = 2 };

  explicit ProxyConnection(platform::Socket browserSocket);
  ~ProxyConnection();
  ProxyConnection(const ProxyConnection&) = delete;
  ProxyConnection& operator=(const ProxyConnection&) = delete;

  // Chooses the buffer size, relays until either side ends, closes both.
  void Run();

  // Request side.
  bool OnBrowserData();
  bool ParseRequestHeader();
  void ParseRequestLine(const std::string& line);
  bool ConnectToServer();
  platform::Socket OpenServerSocket(const std::string& host, int port);
  int SendAll(platform::Socket socket, ByteBuffer& buffer);
  void Close();

  // Response side.
  void ResetResponse();
  void OnServerData();
  void FinishResponse();

 private:
  void ChooseBufferSizes();
  void RelayLoop();
  bool ReceiveInto(platform::Socket socket, ByteBuffer& buffer);
  void ApplyBufferSizes(platform::Socket socket) const;
  int SelectTimeoutMs() const;
  void SendText(platform::Socket socket, std::string_view text);
  bool FailRequest();

  ByteBuffer toBrowser_;
  ByteBuffer toServer_;
  std::vector<std::string> requestLines_;
  std::vector<std::string> responseLines_;
  std::string requestLine_;
  std::int32_t tunnel_ = 0;
  std::string method_, uri_, version_;
  std::string hostAndPort_;
  std::string path_;
  std::int32_t port_ = 80;
  std::string hostName_;
  std::int32_t responseState_ = kAwaitingStatus;
  std::int32_t requestState_ = kAwaitingHeader;
  platform::Socket serverSocket_ = platform::kNoSocket;
  platform::Socket browserSocket_ = platform::kNoSocket;
  std::int32_t sendSize_ = 0;
  std::int32_t receiveSize_ = 0;
  std::string previousHostName_;
  std::int32_t previousPort_ = 0;
  // Settings that the whole connection sees with one value.
  bool useDefaultBufferSizes_ = true;
};

// Lowers the process-wide BufferSize after the platform ran out of buffer
// space: by 1024, never below 2048.
void BackOffBufferSize();

// Makes the next `count` sends of any connection fail with `errorCode`, to
// exercise the failure paths that real loopback sockets never take.
void InjectSendFailuresForTesting(int errorCode, int count);

}  // namespace hush
