#include "proxy/proxy_listener.h"

#include <new>

#include "common/diagnostic.h"
#include "proxy/proxy_connection.h"
#include "proxy/proxy_state.h"
#include "proxy/winsock_errors.h"

namespace hush {
namespace {

using platform::kNoSocket;
using platform::Socket;

void ReportSocketFailure(const char* format) {
  std::string error;
  WinsockErrorText(error);
  ReportDiagnostic(FormatText(format, error.c_str()));
}

// What a connection thread is handed; the thread owns it.
struct ConnectionStart {
  Socket browserSocket;
  std::shared_ptr<const SettingsFeed> feed;
};

// What the accept thread is handed; the thread owns it and the references
// to the event of the start that created it and to the settings.
struct AcceptStart {
  std::shared_ptr<platform::ManualResetEvent> stopEvent;
  std::shared_ptr<const SettingsFeed> feed;
};

void ConnectionThread(void* parameter) {
  std::unique_ptr<ConnectionStart> start(static_cast<ConnectionStart*>(parameter));
  try {
    ProxyConnection connection(start->browserSocket, std::move(start->feed));
    connection.Run();
  } catch (const std::bad_alloc&) {
    // Out of memory for the relay: the connection's destructor has closed
    // both sockets; the rest of the proxy carries on.
  }
}

// Waits at most ten seconds for each connection that was alive when the
// stop began, and ends within a second of the last one closing.
void DrainConnections() {
  const std::int32_t alive = ActiveConnectionCount.load();
  for (std::int32_t i = 0; i < 10 * alive; ++i) {
    if (ActiveConnectionCount.load() == 0) break;
    platform::SleepMilliseconds(1000);
  }
  ConnectionsStarted.store(0);
}

// How long the accept loop rests when the system is out of sockets or
// threads: long enough not to spin, short enough that browsers barely notice
// once resources return.
constexpr unsigned kExhaustionBackOffMs = 100;

// Starts the thread of one accepted connection; false when the system is out
// of threads.
bool StartConnectionThread(Socket accepted, const std::shared_ptr<const SettingsFeed>& feed) {
  auto start = std::make_unique<ConnectionStart>(ConnectionStart{accepted, feed});
  if (!platform::StartDetachedThread(ConnectionThread, start.get(), /*highestPriority=*/true))
    return false;
  start.release();  // the thread owns it now
  return true;
}

void AcceptThread(void* parameter) {
  std::unique_ptr<AcceptStart> start(static_cast<AcceptStart*>(parameter));
  for (Socket listener; (listener = ListenSocket.load()) != kNoSocket;) {
    Socket accepted = platform::Accept(listener);
    if (accepted == kNoSocket) {
      // Out of sockets (or the stop closed the listener, which the loop
      // condition sees next).
      if (ListenSocket.load() != kNoSocket) platform::SleepMilliseconds(kExhaustionBackOffMs);
      continue;
    }
    platform::SetBlocking(accepted);
    ConnectionsStarted.store(1);
    bool started = false;
    try {
      started = StartConnectionThread(accepted, start->feed);
    } catch (const std::bad_alloc&) {
    }
    if (!started) {
      // Out of threads: this browser connection is refused, the next ones
      // are served once running connections end.
      platform::CloseSocket(accepted);
      platform::SleepMilliseconds(kExhaustionBackOffMs);
    }
  }
  start->stopEvent->Wait();
  DrainConnections();
}

// With exclusive use of the address (Windows), a restart on the same port
// fails while connections accepted by the last listener are still open;
// they end within moments of the stop, so the bind is tried again meanwhile.
bool BindWhenFree(Socket listener, std::uint16_t port) {
  for (int attempt = 0;; ++attempt) {
    if (platform::BindListener(listener, port)) return true;
    if (platform::LastSocketError() != platform::kErrAddressInUse || attempt == 20 ||
        ActiveConnectionCount.load() == 0)
      return false;
    platform::SleepMilliseconds(100);
  }
}

}  // namespace

ProxyListener::ProxyListener() : feed_(std::make_shared<SettingsFeed>()) {}

ProxyListener::~ProxyListener() {
  StopListening();
  if (ConnectionsStarted.load() == 1) platform::SleepMilliseconds(1000);
}

bool ProxyListener::StartListening() {
  if (ListenSocket.load() != kNoSocket) StopListening();
  const std::uint16_t port = feed_->Load()->listenPort;
  Socket listener = platform::OpenTcpSocket();
  if (listener == kNoSocket) {
    ReportSocketFailure("Unable to create listen socket.\n\n%s");
    return false;
  }
  int size = 0;
  if (platform::GetIntOption(listener, platform::SocketOption::ReceiveBuffer, size))
    DefaultReceiveBufferSize.store(size);
  if (platform::GetIntOption(listener, platform::SocketOption::SendBuffer, size))
    DefaultSendBufferSize.store(size);
  const bool bound = BindWhenFree(listener, port);
  const int bindError = platform::LastSocketError();
  platform::SetBlocking(listener);
  // The socket is published even when it cannot listen, so that the next
  // start or the stop closes it.
  ListenSocket.store(listener);
  if (!bound) {
    platform::SetLastSocketError(bindError);
    ReportSocketFailure("Error creating blocking socket.\n\n%s");
    return false;
  }
  // Browsers open many connections at once when a page loads; a short queue
  // of pending connections refuses (Windows) or stalls for a second (Linux)
  // the ones beyond it. The system's longest queue keeps bursts whole.
  if (!platform::Listen(listener, platform::kMaxListenBacklog)) {
    ReportSocketFailure("Error creating listen socket.\n\n%s");
    return false;
  }
  stopEvent_ = std::make_shared<platform::ManualResetEvent>();
  auto start = std::make_unique<AcceptStart>(AcceptStart{stopEvent_, feed_});
  if (!platform::StartDetachedThread(AcceptThread, start.get(), /*highestPriority=*/false))
    return false;
  start.release();  // the thread owns it now
  return true;
}

void ProxyListener::Publish(EngineSettings settings) {
  feed_->Store(std::make_shared<const EngineSettings>(std::move(settings)));
}

void ProxyListener::StopListening() {
  // The stop signal goes out before the socket closes, so that the accept
  // loop never retries on a closed (or reused) socket number.
  const Socket listener = ListenSocket.exchange(kNoSocket);
  platform::CloseSocket(listener);
  if (stopEvent_) stopEvent_->Set();
  platform::SleepMilliseconds(500);
}

std::uint16_t ProxyListener::ListeningPort() const {
  const Socket listener = ListenSocket.load();
  return listener == kNoSocket ? 0 : platform::LocalPort(listener);
}

}  // namespace hush
