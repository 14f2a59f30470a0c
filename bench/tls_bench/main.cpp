// tls_bench: the HTTPS benchmark's client, on the engine's own TLS door so
// that it costs less than the proxy it measures.
//
//   tls_bench rate HOST PORT PATH [--proxy N] [--connections N] [--seconds N] [--trust FILE]...
//       keep-alive GETs of PATH over TLS on N connections (a thread each),
//       straight to HOST:PORT or through a CONNECT to the proxy on
//       127.0.0.1:N; prints pages per second
//   tls_bench hold HOST PORT PATH --proxy N [--connections N] [--trust FILE]...
//       opens N connections through the proxy, fetches PATH once on each,
//       prints "ready" and keeps them idle until standard input ends
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "proxy/platform.h"
#include "proxy/tls.h"

namespace {

using namespace hush;
using Clock = std::chrono::steady_clock;

struct Options {
  std::string mode, host, path;
  int port = 0, proxy = 0, connections = 8, seconds = 8;
};

constexpr int kTimeoutMs = 10000;

platform::Socket Connect(const std::string& host, int port) {
  std::uint32_t address = 0;
  if (!platform::ResolveIPv4(host, address)) return platform::kNoSocket;
  platform::Socket socket = platform::OpenTcpSocket();
  if (socket == platform::kNoSocket) return socket;
  platform::SetIntOption(socket, platform::SocketOption::NoDelay, 1);
  if (!platform::ConnectIPv4(socket, address, static_cast<std::uint16_t>(port))) {
    platform::CloseSocket(socket);
    return platform::kNoSocket;
  }
  return socket;
}

// Sends CONNECT and reads the proxy's answer up to its blank line.
bool Tunnel(platform::Socket socket, const Options& o) {
  const std::string request = "CONNECT " + o.host + ":" + std::to_string(o.port) +
                              " HTTP/1.1\r\nHost: " + o.host + ":" + std::to_string(o.port) +
                              "\r\n\r\n";
  if (platform::Send(socket, request.data(), static_cast<int>(request.size())) !=
      static_cast<int>(request.size()))
    return false;
  std::string answer;
  char c = 0;
  while (answer.find("\r\n\r\n") == std::string::npos) {
    if (platform::Receive(socket, &c, 1) != 1) return false;
    answer += c;
  }
  return answer.rfind("HTTP/1.1 200", 0) == 0 || answer.rfind("HTTP/1.0 200", 0) == 0;
}

// One TLS connection to the origin, through the proxy when one is named.
struct Connection {
  platform::Socket socket = platform::kNoSocket;
  std::unique_ptr<tls::Session> session;
  std::string pending;  // bytes read past the last answer
  ~Connection() {
    if (session) session->Close();
    if (socket != platform::kNoSocket) platform::CloseSocket(socket);
  }
};

std::unique_ptr<Connection> Open(const Options& o) {
  auto connection = std::make_unique<Connection>();
  connection->socket = o.proxy ? Connect("127.0.0.1", o.proxy) : Connect(o.host, o.port);
  if (connection->socket == platform::kNoSocket) return nullptr;
  if (o.proxy && !Tunnel(connection->socket, o)) return nullptr;
  tls::ServerConnection server = tls::ConnectToServer(connection->socket, o.host, kTimeoutMs);
  if (server.check != tls::ServerCheck::kTrusted) return nullptr;
  connection->session = std::move(server.session);
  return connection;
}

// Reads into `pending` until it holds `size` bytes.
bool Fill(Connection& c, std::size_t size) {
  char buffer[16384];
  while (c.pending.size() < size) {
    const int got = c.session->Receive(buffer, sizeof buffer);
    if (got <= 0) return false;
    c.pending.append(buffer, static_cast<std::size_t>(got));
  }
  return true;
}

// One GET on the connection, its answer read whole (Content-Length).
bool Fetch(Connection& c, const Options& o) {
  const std::string request =
      "GET " + o.path + " HTTP/1.1\r\nHost: " + o.host + ":" + std::to_string(o.port) + "\r\n\r\n";
  if (!c.session->Send(request.data(), request.size())) return false;
  std::size_t end = std::string::npos;
  while ((end = c.pending.find("\r\n\r\n")) == std::string::npos)
    if (!Fill(c, c.pending.size() + 1)) return false;
  if (c.pending.rfind("HTTP/1.1 200", 0) != 0) return false;
  const std::size_t length = c.pending.find("Content-Length: ");
  if (length == std::string::npos || length > end) return false;
  const std::size_t total = end + 4 + std::strtoul(c.pending.c_str() + length + 16, nullptr, 10);
  if (!Fill(c, total)) return false;
  c.pending.erase(0, total);
  return true;
}

int Rate(const Options& o) {
  std::atomic<long> pages{0}, failures{0};
  const auto deadline = Clock::now() + std::chrono::seconds(o.seconds);
  std::vector<std::thread> threads;
  for (int i = 0; i < o.connections; ++i) {
    threads.emplace_back([&] {
      std::unique_ptr<Connection> c = Open(o);
      while (c && Clock::now() < deadline) {
        if (!Fetch(*c, o)) break;
        ++pages;
      }
      if (!c || Clock::now() < deadline) ++failures;
    });
  }
  for (auto& t : threads) t.join();
  std::printf("%.0f %ld\n", static_cast<double>(pages) / o.seconds, failures.load());
  return failures == 0 ? 0 : 1;
}

int Hold(const Options& o) {
  std::vector<std::unique_ptr<Connection>> held;
  for (int i = 0; i < o.connections; ++i) {
    held.push_back(Open(o));
    if (!held.back() || !Fetch(*held.back(), o)) {
      std::fprintf(stderr, "tls_bench: connection %d failed\n", i);
      return 1;
    }
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  return 0;
}

bool Parse(int argc, char** argv, Options& o) {
  if (argc < 5) return false;
  o.mode = argv[1];
  o.host = argv[2];
  o.port = std::atoi(argv[3]);
  o.path = argv[4];
  int i = 5;
  for (; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--proxy")
      o.proxy = std::atoi(value);
    else if (name == "--connections")
      o.connections = std::atoi(value);
    else if (name == "--seconds")
      o.seconds = std::atoi(value);
    else if (name == "--trust")
      tls::TrustAlsoForTesting(value);
    else
      return false;
  }
  return i == argc && o.connections > 0 && o.seconds > 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o) || !platform::StartSockets()) {
    std::fprintf(stderr, "usage: see the head of bench/tls_bench/main.cpp\n");
    return 2;
  }
  if (o.mode == "rate") return Rate(o);
  if (o.mode == "hold" && o.proxy) return Hold(o);
  return 2;
}
