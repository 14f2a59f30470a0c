// Winsock and Win32 implementation of the engine's platform edge.
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <new>

#include "proxy/platform.h"

namespace hush::platform {
namespace {

SOCKET Native(Socket socket) { return static_cast<SOCKET>(socket); }

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

struct ThreadStart {
  void (*entry)(void*);
  void* argument;
};

DWORD WINAPI ThreadTrampoline(LPVOID parameter) {
  ThreadStart start = *static_cast<ThreadStart*>(parameter);
  delete static_cast<ThreadStart*>(parameter);
  start.entry(start.argument);
  return 0;
}

}  // namespace

const int kMaxListenBacklog = SOMAXCONN;

bool StartSockets() {
  WSADATA data;
  return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

int LastSocketError() { return WSAGetLastError(); }
void SetLastSocketError(int code) { WSASetLastError(code); }

Socket OpenTcpSocket() {
  SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(s);
}

void CloseSocket(Socket socket) {
  if (socket != kNoSocket) ::closesocket(Native(socket));
}

void ShutdownSocket(Socket socket) { ::shutdown(Native(socket), SD_BOTH); }

bool GetIntOption(Socket socket, SocketOption option, int& value) {
  int level = 0, name = 0;
  int length = sizeof(value);
  return OptionLevelAndName(option, level, name) &&
         ::getsockopt(Native(socket), level, name, reinterpret_cast<char*>(&value), &length) == 0;
}

bool SetIntOption(Socket socket, SocketOption option, int value) {
  int level = 0, name = 0;
  return OptionLevelAndName(option, level, name) &&
         ::setsockopt(Native(socket), level, name, reinterpret_cast<const char*>(&value),
                      sizeof(value)) == 0;
}

bool SetBlocking(Socket socket) {
  u_long nonBlocking = 0;
  return ::ioctlsocket(Native(socket), FIONBIO, &nonBlocking) == 0;
}

bool BindLoopback(Socket socket, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  return ::bind(Native(socket), reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
}

bool BindListener(Socket socket, std::uint16_t port) {
  const BOOL on = TRUE;
  if (::setsockopt(Native(socket), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                   reinterpret_cast<const char*>(&on), sizeof(on)) != 0)
    return false;
  return BindLoopback(socket, port);
}

bool Listen(Socket socket, int backlog) { return ::listen(Native(socket), backlog) == 0; }

Socket Accept(Socket listener) {
  SOCKET s = ::accept(Native(listener), nullptr, nullptr);
  return s == INVALID_SOCKET ? kNoSocket : static_cast<Socket>(s);
}

std::uint16_t LocalPort(Socket socket) {
  sockaddr_in address{};
  int length = sizeof(address);
  if (::getsockname(Native(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
  return ntohs(address.sin_port);
}

bool ConnectIPv4(Socket socket, std::uint32_t addressNetworkOrder, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = addressNetworkOrder;
  return ::connect(Native(socket), reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
}

int Receive(Socket socket, char* buffer, int length) {
  return ::recv(Native(socket), buffer, length, 0);
}

int Send(Socket socket, const char* buffer, int length) {
  return ::send(Native(socket), buffer, length, 0);
}

int WaitReadable(Socket first, Socket second, int timeoutMs, bool& firstReady, bool& secondReady) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Native(first), &readable);
  if (second != kNoSocket) FD_SET(Native(second), &readable);
  timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
  int result = ::select(0, &readable, nullptr, nullptr, timeoutMs < 0 ? nullptr : &limit);
  firstReady = result > 0 && FD_ISSET(Native(first), &readable);
  secondReady = result > 0 && second != kNoSocket && FD_ISSET(Native(second), &readable);
  return result == SOCKET_ERROR ? -1 : result;
}

bool ParseDottedIPv4(const std::string& text, std::uint32_t& address) {
  unsigned long value = ::inet_addr(text.c_str());
  if (value == INADDR_NONE) return false;
  address = static_cast<std::uint32_t>(value);
  return true;
}

bool ResolveIPv4(const std::string& host, std::uint32_t& address) {
  // gethostbyname keeps its result per thread in Winsock.
  hostent* entry = ::gethostbyname(host.c_str());
  if (entry == nullptr || entry->h_addrtype != AF_INET || entry->h_addr_list[0] == nullptr)
    return false;
  CopyMemory(&address, entry->h_addr_list[0], sizeof(address));
  return true;
}

bool StartDetachedThread(void (*entry)(void*), void* argument, bool highestPriority) {
  auto* start = new (std::nothrow) ThreadStart{entry, argument};
  if (start == nullptr) return false;
  HANDLE thread = ::CreateThread(nullptr, 0, ThreadTrampoline, start, 0, nullptr);
  if (thread == nullptr) {
    delete start;
    return false;
  }
  if (highestPriority) ::SetThreadPriority(thread, THREAD_PRIORITY_HIGHEST);
  ::CloseHandle(thread);
  return true;
}

void SleepMilliseconds(unsigned milliseconds) { ::Sleep(milliseconds); }

struct ManualResetEvent::State {
  HANDLE handle = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ~State() {
    if (handle != nullptr) ::CloseHandle(handle);
  }
};

ManualResetEvent::ManualResetEvent() : state_(std::make_unique<State>()) {}
ManualResetEvent::~ManualResetEvent() = default;
void ManualResetEvent::Set() { ::SetEvent(state_->handle); }
void ManualResetEvent::Wait() { ::WaitForSingleObject(state_->handle, INFINITE); }

bool ControlKeyHeld() { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

}  // namespace hush::platform
