// A scripted origin server on 127.0.0.1 for wire-level tests: every accepted
// connection runs the test's script on a thread of its own, and every byte a
// connection receives is recorded.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "proxy/platform.h"

namespace hush::test {

class OriginConnection {
 public:
  OriginConnection(platform::Socket socket, std::function<void(std::string_view)> record);
  ~OriginConnection();
  // The next request header block with its blank line; empty when the peer
  // closed first.
  std::string ReadHead();
  // Exactly `count` more bytes (fewer when the peer closes).
  std::string ReadBytes(std::size_t count);
  // Whatever arrives next; empty when the peer closed.
  std::string ReadSome();
  void Send(std::string_view bytes);
  // For a script that speaks TLS over the connection itself.
  platform::Socket socket() const { return socket_; }

 private:
  bool Fill();
  platform::Socket socket_;
  std::string pending_;
  std::function<void(std::string_view)> record_;
};

class OriginServer {
 public:
  using Script = std::function<void(OriginConnection&)>;
  explicit OriginServer(Script script);
  ~OriginServer();

  std::uint16_t port() const { return port_; }
  int connectionsAccepted() const { return accepted_.load(); }
  // All bytes received so far on the n-th accepted connection (from 0).
  std::string Received(int connection) const;

  // Answers each request with `reply(head)` until the peer closes; request
  // bodies announced with Content-Length are read and recorded.
  static Script Replying(std::function<std::string(const std::string& head)> reply);
  // Sends back every byte it receives.
  static Script Echoing();

 private:
  void AcceptLoop();
  platform::Socket listener_;
  std::uint16_t port_ = 0;
  Script script_;
  std::atomic<int> accepted_{0};
  mutable std::mutex mutex_;
  std::vector<std::string> received_;
  std::vector<platform::Socket> open_;
  std::vector<std::thread> threads_;
  std::thread acceptor_;
};

// A plain HTTP/1.1 response with the given body.
std::string HttpResponse(const std::string& body, const std::string& extraHeaders = "");

}  // namespace hush::test
