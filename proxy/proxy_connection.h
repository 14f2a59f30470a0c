// One accepted browser connection: relays bytes between the browser and one
// server connection at a time, parsing each request header on the way up and
// handing everything from the server to the response side on the way down.
// Used by its own connection thread only.
#pragma once

#include <chrono>
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
  void ClassifyHeaderLine(const std::string& loweredLine);
  void EndClassification();
  bool ParseStatus();
  void SendHeader();
  void SendHeaderWithBody();
  // Puts the prepared script in front of `page` (and the alert element
  // after its head tag); false, leaving the page alone, when it goes as it
  // is.
  bool InjectBlocker(ByteBuffer& page);
  void LeaveRoomForTheScript();
  static void FixContentLength(std::vector<std::string>& lines, std::size_t size);
  // The size of the chunk at the front of the to-browser buffer (its size
  // line removed), 0 for the last chunk, kChunkIncomplete when more bytes
  // are needed and kChunkInvalid when the size line is not one.
  std::int64_t ParseChunkSize();
  void Dechunk();

  enum ContentClass : std::uint16_t { kHtml = 1, kScript = 2, kOther = 4, kText = 8 };
  static constexpr std::int64_t kChunkIncomplete = -1;
  static constexpr std::int64_t kChunkInvalid = -2;

 private:
  // Lets the fuzz targets drive the parsing steps without sockets.
  friend struct ConnectionProbe;

  void ChooseBufferSizes();
  void ReleaseSockets();
  void RelayLoop();
  bool ReceiveInto(platform::Socket socket, ByteBuffer& buffer);
  void ApplyBufferSizes(platform::Socket socket) const;
  int SelectTimeoutMs() const;
  bool FirstRequestOverdue() const;
  void SendText(platform::Socket socket, std::string_view text);
  bool FailRequest();
  bool SplitResponseHeader();
  void OnResponseHeader();
  void OnResponseBody();
  bool LooksBinary() const;
  void ReleaseHeldResponse();
  void PassChunkedResponseThrough();
  bool HeldBytesOverLimit() const;

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
  bool headRequest_ = false;
  // Response side.
  std::int32_t statusCode_ = 0;
  std::int64_t contentLength_ = -1;  // -1: not given
  std::int64_t bodyCounted_ = 0;
  std::int32_t chunked_ = 0;
  std::uint16_t contentClass_ = 0;
  bool contentLengthInvalid_ = false;
  std::string dechunked_;
  std::vector<std::string> heldHeaderLines_;
  std::string contentTypeLine_;
  std::int32_t firstBodyData_ = 1;
  bool requestSeen_ = false;
  std::chrono::steady_clock::time_point firstRequestDeadline_{};
  // Settings that the whole connection sees with one value.
  bool useDefaultBufferSizes_ = true;
};

// Lowers the process-wide BufferSize after the platform ran out of buffer
// space: by 1024, never below 2048.
void BackOffBufferSize();

// Makes the next `count` sends of any connection fail with `errorCode`, to
// exercise the failure paths that real loopback sockets never take.
void InjectSendFailuresForTesting(int errorCode, int count);

// Shortens the time a connection may take to send its first request header
// (tests only).
void SetFirstRequestWaitForTesting(int milliseconds);

// Replaces the Ctrl-key test (tests only; nullptr restores it).
void SetControlKeyProbeForTesting(bool (*probe)());

}  // namespace hush
