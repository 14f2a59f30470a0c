// BSD-socket implementation of the engine's platform edge, for the native
// Linux build. Errors are translated to Winsock numbers.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

#include "proxy/platform.h"

namespace hush::platform {
namespace {

int Native(Socket socket) { return static_cast<int>(socket); }

int WinsockCodeFor(int error) {
  switch (error) {
    case 0:
      return 0;
    case EACCES:
      return kErrAccess;
    case EFAULT:
      return kErrFault;
    case EINVAL:
      return kErrInvalid;
    case EWOULDBLOCK:
      return kErrWouldBlock;
    case EINPROGRESS:
      return kErrInProgress;
    case EBADF:
    case ENOTSOCK:
      return kErrNotSocket;
    case EMSGSIZE:
      return kErrMessageSize;
    case EOPNOTSUPP:
      return kErrNotSupported;
    case EADDRINUSE:
      return kErrAddressInUse;
    case ENETDOWN:
      return kErrNetworkDown;
    case ENETRESET:
      return kErrNetworkReset;
    case ECONNABORTED:
      return kErrConnectionAborted;
    case ECONNRESET:
    case EPIPE:
      return kErrConnectionReset;
    case ENOBUFS:
    case ENOMEM:
      return kErrNoBuffers;
    case ENOTCONN:
      return kErrNotConnected;
    case ESHUTDOWN:
      return kErrShutdown;
    case ECONNREFUSED:
      return kErrConnectionRefused;
    default:
      return 20000 + error;  // outside every Winsock code
  }
}

thread_local int lastSocketError = 0;

template <typename Result>
Result Remember(Result result) {
  lastSocketError = result < 0 ? WinsockCodeFor(errno) : 0;
  return result;
}

// A signal (a profiler's or a fuzzer's timer, say) interrupts blocking
// calls with EINTR; Winsock has no such thing, so here they are resumed.
template <typename Call>
auto Resumed(Call call) {
  decltype(call()) result;
  do result = call();
  while (result < 0 && errno == EINTR);
  return result;
}

bool OptionLevelAndName(SocketOption option, int& level, int& name) {
  switch (option) {
    case SocketOption::ReceiveBuffer:
      level = SOL_SOCKET, name = SO_RCVBUF;
      return true;
    case SocketOption::SendBuffer:
      level = SOL_SOCKET, name = SO_SNDBUF;
      return true;
    case SocketOption::ReuseAddress:
      level = SOL_SOCKET, name = SO_REUSEADDR;
      return true;
    case SocketOption::NoDelay:
      level = IPPROTO_TCP, name = TCP_NODELAY;
      return true;
  }
  return false;
}

}  // namespace

const int kMaxListenBacklog = SOMAXCONN;

bool StartSockets() { return true; }
int LastSocketError() { return lastSocketError; }
void SetLastSocketError(int code) { lastSocketError = code; }

Socket OpenTcpSocket() {
  int s = Remember(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP));
  return s < 0 ? kNoSocket : s;
}

void CloseSocket(Socket socket) {
  if (socket == kNoSocket) return;
  // Linux does not wake a thread blocked in accept() on close(); shutdown does.
  ::shutdown(Native(socket), SHUT_RDWR);
  ::close(Native(socket));
}

void ShutdownSocket(Socket socket) { ::shutdown(Native(socket), SHUT_RDWR); }

bool GetIntOption(Socket socket, SocketOption option, int& value) {
  int level = 0, name = 0;
  socklen_t length = sizeof(value);
  return OptionLevelAndName(option, level, name) &&
         Remember(::getsockopt(Native(socket), level, name, &value, &length)) == 0;
}

bool SetIntOption(Socket socket, SocketOption option, int value) {
  int level = 0, name = 0;
  return OptionLevelAndName(option, level, name) &&
         Remember(::setsockopt(Native(socket), level, name, &value, sizeof(value))) == 0;
}

bool SetBlocking(Socket socket) {
  int flags = Remember(::fcntl(Native(socket), F_GETFL));
  return flags >= 0 && Remember(::fcntl(Native(socket), F_SETFL, flags & ~O_NONBLOCK)) == 0;
}

bool BindLoopback(Socket socket, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return Remember(::bind(Native(socket), reinterpret_cast<sockaddr*>(&address), sizeof(address))) ==
         0;
}

bool BindListener(Socket socket, std::uint16_t port) {
  const int on = 1;
  if (Remember(::setsockopt(Native(socket), SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on))) != 0)
    return false;
  return BindLoopback(socket, port);
}

bool Listen(Socket socket, int backlog) { return Remember(::listen(Native(socket), backlog)) == 0; }

Socket Accept(Socket listener) {
  int s = Remember(
      Resumed([&] { return ::accept4(Native(listener), nullptr, nullptr, SOCK_CLOEXEC); }));
  return s < 0 ? kNoSocket : s;
}

std::uint16_t LocalPort(Socket socket) {
  sockaddr_in address{};
  socklen_t length = sizeof(address);
  if (::getsockname(Native(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

bool ConnectIPv4(Socket socket, std::uint32_t addressNetworkOrder, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = addressNetworkOrder;
  if (::connect(Native(socket), reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
    lastSocketError = 0;
    return true;
  }
  if (errno != EINTR) return Remember(-1) == 0;
  // An interrupted connect goes on in the background: wait for its outcome.
  pollfd writable{Native(socket), POLLOUT, 0};
  if (Resumed([&] { return ::poll(&writable, 1, -1); }) < 0) return Remember(-1) == 0;
  int error = 0;
  socklen_t length = sizeof(error);
  ::getsockopt(Native(socket), SOL_SOCKET, SO_ERROR, &error, &length);
  lastSocketError = WinsockCodeFor(error);
  return error == 0;
}

int Receive(Socket socket, char* buffer, int length) {
  return static_cast<int>(Remember(
      Resumed([&] { return ::recv(Native(socket), buffer, static_cast<size_t>(length), 0); })));
}

int Send(Socket socket, const char* buffer, int length) {
  return static_cast<int>(Remember(Resumed(
      [&] { return ::send(Native(socket), buffer, static_cast<size_t>(length), MSG_NOSIGNAL); })));
}

int WaitReadable(Socket first, Socket second, int timeoutMs, bool& firstReady, bool& secondReady) {
  // poll, not select: descriptors above FD_SETSIZE are common with many
  // connections.
  pollfd fds[2] = {{Native(first), POLLIN, 0}, {Native(second), POLLIN, 0}};
  nfds_t count = second == kNoSocket ? 1 : 2;
  // An interrupted wait counts as a time-out: the caller waits again.
  int result = ::poll(fds, count, timeoutMs < 0 ? -1 : timeoutMs);
  if (result < 0 && errno == EINTR) result = 0;
  Remember(result);
  const short ready = POLLIN | POLLHUP | POLLERR;
  firstReady = result > 0 && (fds[0].revents & ready) != 0;
  secondReady = result > 0 && count == 2 && (fds[1].revents & ready) != 0;
  if (result > 0 && ((fds[0].revents | (count == 2 ? fds[1].revents : 0)) & POLLNVAL) != 0) {
    lastSocketError = kErrNotSocket;
    return -1;
  }
  return result;
}

bool ParseDottedIPv4(const std::string& text, std::uint32_t& address) {
  in_addr_t value = ::inet_addr(text.c_str());
  if (value == INADDR_NONE) return false;
  address = value;
  return true;
}

bool ResolveIPv4(const std::string& host, std::uint32_t& address) {
  // getaddrinfo, because glibc's gethostbyname is not safe across threads.
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* result = nullptr;
  if (::getaddrinfo(host.c_str(), nullptr, &hints, &result) != 0 || result == nullptr) return false;
  address = reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr.s_addr;
  ::freeaddrinfo(result);
  return true;
}

bool StartDetachedThread(void (*entry)(void*), void* argument, bool /*highestPriority*/) {
  // Raising a thread's priority needs privileges on Linux; the native build
  // runs every thread at the normal priority.
  // Out of threads is a system_error; the thread's own bookkeeping can
  // also run out of memory.
  try {
    std::thread(entry, argument).detach();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void SleepMilliseconds(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

struct ManualResetEvent::State {
  std::mutex mutex;
  std::condition_variable signalled;
  bool set = false;
};

ManualResetEvent::ManualResetEvent() : state_(std::make_unique<State>()) {}
ManualResetEvent::~ManualResetEvent() = default;

void ManualResetEvent::Set() {
  std::lock_guard<std::mutex> lock(state_->mutex);
  state_->set = true;
  state_->signalled.notify_all();
}

void ManualResetEvent::Wait() {
  std::unique_lock<std::mutex> lock(state_->mutex);
  state_->signalled.wait(lock, [this] { return state_->set; });
}

bool ControlKeyHeld() { return false; }

}  // namespace hush::platform
