// The operating-system edge of the proxy engine. Everything the engine needs
// from sockets, threads and the debugger goes through these functions, so the
// engine itself is plain C++. platform_win32.cpp implements them on Winsock;
// platform_posix.cpp on BSD sockets for the native Linux build (sanitizers,
// fuzzing, benchmarks).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace hush::platform {

// SOCKET is an unsigned pointer-sized value on Windows whose INVALID_SOCKET
// is all ones, so a signed pointer-sized integer holds both worlds with -1 as
// "no socket".
using Socket = std::intptr_t;
inline constexpr Socket kNoSocket = -1;

// Socket errors are reported in Winsock numbering on every platform so that
// the error texts and the send back-off behave the same natively.
enum SocketErrorCode : int {
  kErrAccess = 10013,
  kErrFault = 10014,
  kErrInvalid = 10022,
  kErrWouldBlock = 10035,
  kErrInProgress = 10036,
  kErrNotSocket = 10038,
  kErrMessageSize = 10040,
  kErrNotSupported = 10045,
  kErrAddressInUse = 10048,
  kErrNetworkDown = 10050,
  kErrNetworkReset = 10052,
  kErrConnectionAborted = 10053,
  kErrConnectionReset = 10054,
  kErrNoBuffers = 10055,
  kErrNotConnected = 10057,
  kErrShutdown = 10058,
  kErrConnectionRefused = 10061,
};

// The longest queue of pending connections the system offers (SOMAXCONN).
extern const int kMaxListenBacklog;

enum class SocketOption { ReceiveBuffer, SendBuffer, ReuseAddress, NoDelay };

bool StartSockets();
int LastSocketError();
void SetLastSocketError(int code);

Socket OpenTcpSocket();
// Closing also wakes a thread blocked in Accept on the same socket.
void CloseSocket(Socket socket);
// Ends both directions without releasing the socket number.
void ShutdownSocket(Socket socket);
bool GetIntOption(Socket socket, SocketOption option, int& value);
bool SetIntOption(Socket socket, SocketOption option, int value);
bool SetBlocking(Socket socket);
bool BindLoopback(Socket socket, std::uint16_t port);
// Binds a socket that is to listen to 127.0.0.1:port for its use alone. On
// Windows that takes exclusive use of the address: with SO_REUSEADDR any
// local program could bind the same port beside ours and receive some of
// the browsers' connections. Natively SO_REUSEADDR, which on Linux never
// lets a second socket listen on the port but lets a restart bind while the
// last run's connections linger in TIME_WAIT (Windows binds past those
// anyway).
bool BindListener(Socket socket, std::uint16_t port);
bool Listen(Socket socket, int backlog);
Socket Accept(Socket listener);
// The bound port in host order, 0 when unknown.
std::uint16_t LocalPort(Socket socket);
// addressNetworkOrder as inet_addr returns it.
bool ConnectIPv4(Socket socket, std::uint32_t addressNetworkOrder, std::uint16_t port);
int Receive(Socket socket, char* buffer, int length);
int Send(Socket socket, const char* buffer, int length);

// Waits until `first` or `second` (which may be kNoSocket) is readable.
// timeoutMs < 0 waits without limit. Returns -1 on error, 0 on time-out and
// a positive count when something is readable.
int WaitReadable(Socket first, Socket second, int timeoutMs, bool& firstReady, bool& secondReady);

// inet_addr: a dotted IPv4 address in network order.
bool ParseDottedIPv4(const std::string& text, std::uint32_t& address);
// The first IPv4 address of a host name, in network order.
bool ResolveIPv4(const std::string& host, std::uint32_t& address);

// Starts a thread that nobody joins.
bool StartDetachedThread(void (*entry)(void*), void* argument, bool highestPriority);
void SleepMilliseconds(unsigned milliseconds);

// An unnamed manual-reset event, created non-signalled.
class ManualResetEvent {
 public:
  ManualResetEvent();
  ~ManualResetEvent();
  ManualResetEvent(const ManualResetEvent&) = delete;
  ManualResetEvent& operator=(const ManualResetEvent&) = delete;
  void Set();
  void Wait();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// True while the user holds a Ctrl key down (never in the native build).
bool ControlKeyHeld();

}  // namespace hush::platform
