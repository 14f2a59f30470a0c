// What the TLS edge costs natively (not a test): minting a leaf for a new
// host, one intercepted handshake pair over loopback (the engine as client
// towards a server that is the engine as server, with the platform's
// verdict), and the heap an idle intercepted connection (its two sessions)
// holds.
//
//   tls_mint [leaves] [handshakes] [idle connections]
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "proxy/platform.h"
#include "proxy/tls.h"

namespace {

using namespace hush;
using Clock = std::chrono::steady_clock;
constexpr int kWaitMs = 5000;

// Process CPU time: the machine may be busy with other work, and the
// handshake's cost is its computation.
double CpuMilliseconds() { return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC; }

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::int64_t InNinetyDays() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
             .count() +
         90 * 86400;
}

struct Connected {
  platform::Socket client = platform::kNoSocket, server = platform::kNoSocket;
};

Connected ConnectLoopback(platform::Socket listener, std::uint16_t port) {
  Connected pair;
  std::uint32_t loopback = 0;
  platform::ParseDottedIPv4("127.0.0.1", loopback);
  pair.client = platform::OpenTcpSocket();
  if (platform::ConnectIPv4(pair.client, loopback, port)) pair.server = platform::Accept(listener);
  return pair;
}

// Both halves of one intercepted connection, handshaken.
struct Intercepted {
  Connected sockets;
  std::unique_ptr<tls::Session> towardsServer, towardsBrowser;
};

bool Handshake(Intercepted& connection, const tls::Leaf& leaf) {
  std::thread serverSide([&] {
    connection.towardsBrowser = tls::AcceptBrowser(connection.sockets.server, {}, leaf, kWaitMs);
  });
  tls::ServerConnection server =
      tls::ConnectToServer(connection.sockets.client, "bench.test", kWaitMs);
  serverSide.join();
  connection.towardsServer = std::move(server.session);
  return connection.towardsServer && connection.towardsBrowser;
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

}  // namespace

int main(int argc, char** argv) {
  const int leaves = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int handshakes = argc > 2 ? std::atoi(argv[2]) : 200;
  const int idle = argc > 3 ? std::atoi(argv[3]) : 200;
  platform::StartSockets();

  auto authority = tls::Authority::Create("Hushwall Benchmark");
  auto minter = authority ? tls::LeafMinter::Create(authority, std::size_t(leaves) + 1) : nullptr;
  if (!minter) return std::puts("no authority"), 1;
  const std::string rootPath = "/tmp/hush-bench-root.der";
  std::ofstream(rootPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(authority->Certificate().data()),
             std::streamsize(authority->Certificate().size()));
  tls::TrustAlsoForTesting(rootPath);
  std::remove(rootPath.c_str());

  const std::int64_t ends = InNinetyDays();
  Clock::time_point start = Clock::now();
  double cpu = CpuMilliseconds();
  for (int i = 0; i < leaves; ++i)
    if (!minter->LeafFor("host" + std::to_string(i) + ".bench.test", ends)) return 1;
  std::printf("mint a leaf for a new host: %.3f ms (CPU %.3f ms)\n",
              MillisecondsSince(start) / leaves, (CpuMilliseconds() - cpu) / leaves);

  auto leaf = minter->LeafFor("bench.test", ends);
  platform::Socket listener = platform::OpenTcpSocket();
  platform::BindLoopback(listener, 0);
  platform::Listen(listener, 64);
  const std::uint16_t port = platform::LocalPort(listener);

  // The first verdict reads the system's CA bundle; not part of the cost.
  {
    Intercepted warmUp;
    warmUp.sockets = ConnectLoopback(listener, port);
    Handshake(warmUp, *leaf);
    platform::CloseSocket(warmUp.sockets.client);
    platform::CloseSocket(warmUp.sockets.server);
  }
  start = Clock::now();
  cpu = CpuMilliseconds();
  for (int i = 0; i < handshakes; ++i) {
    Intercepted connection;
    connection.sockets = ConnectLoopback(listener, port);
    if (!Handshake(connection, *leaf)) return std::puts("handshake failed"), 1;
    platform::CloseSocket(connection.sockets.client);
    platform::CloseSocket(connection.sockets.server);
  }
  std::printf("handshake pair (client + server + chain verdict): %.3f ms (CPU %.3f ms)\n",
              MillisecondsSince(start) / handshakes, (CpuMilliseconds() - cpu) / handshakes);

  std::vector<Intercepted> open(static_cast<std::size_t>(idle));
  const std::size_t before = HeapInUse();
  for (Intercepted& connection : open) {
    connection.sockets = ConnectLoopback(listener, port);
    if (!Handshake(connection, *leaf)) return std::puts("handshake failed"), 1;
  }
  const std::size_t after = HeapInUse();
  std::printf("heap per idle intercepted connection (two sessions): %.1f KiB\n",
              double(after - before) / idle / 1024.0);
  for (Intercepted& connection : open) {
    connection.towardsServer.reset();
    connection.towardsBrowser.reset();
    platform::CloseSocket(connection.sockets.client);
    platform::CloseSocket(connection.sockets.server);
  }
  platform::CloseSocket(listener);
  return 0;
}
