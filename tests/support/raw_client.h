// A raw TCP client for wire-level tests: sends exact bytes and reads with
// time limits, so that a proxy fault shows as a failed expectation rather
// than a hung test.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "proxy/platform.h"

namespace hush::test {

inline constexpr int kReadLimitMs = 5000;

class RawClient {
 public:
  explicit RawClient(std::uint16_t port);
  ~RawClient();
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  bool connected() const { return socket_ != platform::kNoSocket; }
  void Send(std::string_view bytes);
  // Reads until `count` bytes arrived, the peer closed or the limit passed.
  std::string ReadBytes(std::size_t count, int limitMs = kReadLimitMs);
  // Reads until `marker` has arrived (returning everything up to and with
  // it; the rest is kept for the next read).
  std::string ReadUntil(std::string_view marker, int limitMs = kReadLimitMs);
  // Reads until the peer closes or the limit passes.
  std::string ReadToEnd(int limitMs = kReadLimitMs);
  // True when the peer closed (reads nothing more within the limit).
  bool PeerClosed(int limitMs = kReadLimitMs);
  // One HTTP response with a Content-Length body.
  std::string ReadResponse(int limitMs = kReadLimitMs);
  void Close();
  // For a test that speaks TLS over the connection once nothing is pending.
  platform::Socket socket() const { return socket_; }

 private:
  // Reads once; false on close, error or time-out.
  bool Fill(int limitMs);
  platform::Socket socket_;
  std::string pending_;
  bool peerClosed_ = false;
};

}  // namespace hush::test
