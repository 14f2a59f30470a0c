#include "proxy/proxy_connection.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <exception>
#include <new>

#include "common/ascii.h"
#include "common/diagnostic.h"
#include "proxy/header_parsing.h"
#include "proxy/host_cache.h"
#include "proxy/proxy_settings.h"
#include "proxy/proxy_state.h"
#include "proxy/replies.h"

namespace hush {
namespace {

using platform::kNoSocket;
using platform::Socket;

// A browser connection that has not sent a whole request header within this
// time is closed: idle or trickling connections must not pin threads for
// ever. Browsers open spare connections ahead of need and use or drop them
// well within it.
std::atomic<int> firstRequestWaitMs{60000};

std::atomic<int> injectedSendFailures{0};
std::atomic<int> injectedSendError{0};

int SendSlice(Socket socket, const char* data, int length) {
  if (injectedSendFailures.load(std::memory_order_relaxed) > 0 &&
      injectedSendFailures.fetch_sub(1) > 0) {
    platform::SetLastSocketError(injectedSendError.load());
    return -1;
  }
  return platform::Send(socket, data, length);
}

// Methods whose request carries no body unless it says so.
bool IsBodylessMethod(const std::string& requestLine) {
  std::string head = ToLower(requestLine.substr(0, 9));
  for (const char* method : {"get", "head", "put", "delete"})
    if (head.find(method) != std::string::npos) return true;
  return false;
}

// A request that announces a body which will follow its header.
bool DeclaresBody(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (StartsWithIgnoreCase(line, "content-length:")) {
      size_t digit = line.find_first_of("123456789");
      size_t end = line.find_first_of("\r\n");
      if (digit != std::string::npos && digit < end) return true;
    } else if (StartsWithIgnoreCase(line, "transfer-encoding:") &&
               ContainsIgnoreCase(line, "chunked")) {
      return true;
    }
  }
  return false;
}

}  // namespace

void BackOffBufferSize() {
  SettingNumber& size = Settings().bufferSize;
  std::int32_t current = size.load();
  std::int32_t lowered;
  do {
    lowered = current - 1024 < 2048 ? 2048 : current - 1024;
  } while (!size.compare_exchange_weak(current, lowered));
}

void SetFirstRequestWaitForTesting(int milliseconds) { firstRequestWaitMs.store(milliseconds); }

void InjectSendFailuresForTesting(int errorCode, int count) {
  injectedSendError.store(errorCode);
  injectedSendFailures.store(count);
}

ProxyConnection::ProxyConnection(Socket browserSocket) : browserSocket_(browserSocket) {
  ActiveConnectionCount.fetch_add(1);
}

ProxyConnection::~ProxyConnection() {
  // A connection that ends because memory ran out (or anything else was
  // thrown) does not finish its response: a page held in part would go out
  // as though it were whole. Finishing may also need memory, and throwing
  // again from here would end the whole program.
  if (std::uncaught_exceptions() > 0) {
    ReleaseSockets();
  } else {
    try {
      Close();
    } catch (const std::bad_alloc&) {
      ReleaseSockets();
    }
  }
  try {
    if (DiagnosticsWanted())
      ReportDiagnostic(FormatText("Closing connection: %s", hostName_.c_str()));
  } catch (const std::bad_alloc&) {
  }
  ActiveConnectionCount.fetch_sub(1);
}

void ProxyConnection::ReleaseSockets() {
  for (Socket* socket : {&serverSocket_, &browserSocket_}) {
    platform::CloseSocket(*socket);
    *socket = kNoSocket;
  }
}

void ProxyConnection::Run() {
  firstRequestDeadline_ =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(firstRequestWaitMs.load());
  ChooseBufferSizes();
  LeaveRoomForTheScript();
  RelayLoop();
}

void ProxyConnection::ChooseBufferSizes() {
  const ProxySettings& settings = Settings();
  useDefaultBufferSizes_ = settings.useDefaultBufferSizes.load() != 0;
  std::int32_t size;
  if (useDefaultBufferSizes_) {
    size = std::max(
        {DefaultReceiveBufferSize.load(), DefaultSendBufferSize.load(), std::int32_t{256}});
  } else {
    size = std::max(settings.bufferSize.load(), std::int32_t{1});
  }
  sendSize_ = receiveSize_ = size;
}

void ProxyConnection::ApplyBufferSizes(Socket socket) const {
  platform::SetIntOption(socket, platform::SocketOption::SendBuffer, sendSize_);
  platform::SetIntOption(socket, platform::SocketOption::ReceiveBuffer, receiveSize_);
}

int ProxyConnection::SelectTimeoutMs() const {
  const int configured = ConnectionWaitMilliseconds(Settings());
  if (requestSeen_) return configured;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        firstRequestDeadline_ - std::chrono::steady_clock::now())
                        .count();
  const int remaining = left > 0 ? static_cast<int>(std::min<std::int64_t>(left, INT_MAX)) : 0;
  return configured < 0 ? remaining : std::min(configured, remaining);
}

bool ProxyConnection::FirstRequestOverdue() const {
  return !requestSeen_ && std::chrono::steady_clock::now() >= firstRequestDeadline_;
}

bool ProxyConnection::ReceiveInto(Socket socket, ByteBuffer& buffer) {
  char* space = buffer.Reserve(static_cast<size_t>(receiveSize_));
  int received = platform::Receive(socket, space, receiveSize_);
  buffer.Commit(received > 0 ? static_cast<size_t>(received) : 0);
  return received > 0;
}

void ProxyConnection::RelayLoop() {
  if (!useDefaultBufferSizes_) ApplyBufferSizes(browserSocket_);
  platform::SetIntOption(browserSocket_, platform::SocketOption::NoDelay, 1);
  ResetResponse();
  // The stop signal is looked at after each wait: a connection accepted
  // just before the stop waits for its browser like every other one.
  do {
    if (FirstRequestOverdue()) break;
    bool browserReady = false, serverReady = false;
    const Socket polledServer = serverSocket_;
    if (platform::WaitReadable(browserSocket_, polledServer, SelectTimeoutMs(), browserReady,
                               serverReady) < 0)
      break;
    if (browserReady) {
      const bool browserOpen = ReceiveInto(browserSocket_, toServer_);
      if (!OnBrowserData()) break;
      if (!browserOpen) {
        platform::CloseSocket(browserSocket_);
        browserSocket_ = kNoSocket;
        break;
      }
    }
    // The dispatcher may have replaced the server connection meanwhile.
    if (serverReady && serverSocket_ != kNoSocket && serverSocket_ == polledServer) {
      const bool serverOpen = ReceiveInto(serverSocket_, toBrowser_);
      requestState_ = kAwaitingHeader;
      if (!toBrowser_.empty()) OnServerData();
      if (!serverOpen) break;
    }
  } while (ListenSocket.load(std::memory_order_relaxed) != kNoSocket);
  Close();
}

bool ProxyConnection::OnBrowserData() {
  if (tunnel_ != 0) requestState_ = kPassingThrough;
  if (requestState_ == kAwaitingHeader) {
    if (!IsHeaderComplete(toServer_.view())) {
      // A header that never ends must not grow without bound.
      return toServer_.size() <= kMaxHeaderBlock ? true : FailRequest();
    }
    if (!ParseRequestHeader()) return false;
    requestSeen_ = true;
    ResetResponse();
    if (!ConnectToServer()) return false;
  }
  SendAll(serverSocket_, toServer_);
  return true;
}

bool ProxyConnection::FailRequest() {
  SendText(browserSocket_, kInvalidHeaderReply);
  return false;
}

bool ProxyConnection::ParseRequestHeader() {
  const bool disabled = Settings().disabled.load() != 0;
  HeaderSplitOptions options;
  options.dropGzipOffer = !disabled && tunnel_ == 0;
  // Nothing of an earlier request may stand in for a missing request line.
  requestLine_.clear();
  hostName_.clear();
  if (!SplitHeaderBlock(toServer_, requestLines_, options)) return FailRequest();
  if (!requestLines_.empty()) ParseRequestLine(requestLines_.front());
  if (requestLine_.empty() || hostName_.empty()) return FailRequest();
  headRequest_ = tunnel_ == 0 && ToLower(method_) == "head";
  if (Settings().gatewayEnable.load() == 0 && tunnel_ == 0)
    requestLines_.front() = method_ + " " + path_ + " " + version_ + "\r\n";
  // A body that is still to come is passed through unparsed until the server
  // answers; so is everything after a method that is not known to be bodyless.
  if (!IsBodylessMethod(requestLines_.front()) || DeclaresBody(requestLines_))
    requestState_ = kPassingThrough;
  return true;
}

void ProxyConnection::ParseRequestLine(const std::string& line) {
  requestLine_ = line;
  std::vector<std::string> tokens;
  Tokenize(line, " \r\n", tokens);
  hostAndPort_.clear();
  path_.clear();
  hostName_.clear();
  if (tokens.size() == 3) {
    if (ToLower(tokens[0]) == "connect") {
      tunnel_ = 1;
      method_ = tokens[0];
      hostAndPort_ = tokens[1];
      version_ = tokens[2];
    } else if (!tokens[0].empty()) {
      tunnel_ = 0;
      method_ = tokens[0];
      uri_ = tokens[1];
      version_ = tokens[2];
      if (StartsWithIgnoreCase(uri_, "http://"))
        uri_.erase(0, 7);
      else if (StartsWithIgnoreCase(uri_, "https://"))
        uri_.erase(0, 8);
      else
        uri_.clear();
      size_t slash = uri_.find('/');
      if (slash != std::string::npos) {
        path_ = uri_.substr(slash);
        hostAndPort_ = uri_.substr(0, slash);
      }
    }
  }
  if (hostAndPort_.empty()) return;
  std::vector<std::string> parts;
  if (Tokenize(hostAndPort_, ":", parts) >= 1) {
    port_ = 80;
    hostName_ = parts[0];
    if (parts.size() == 2) port_ = std::atoi(parts[1].c_str());
  }
}

bool ProxyConnection::ConnectToServer() {
  if (!previousHostName_.empty() && (hostName_ != previousHostName_ || port_ != previousPort_) &&
      serverSocket_ != kNoSocket) {
    platform::CloseSocket(serverSocket_);
    serverSocket_ = kNoSocket;
  }
  previousHostName_ = hostName_;
  previousPort_ = port_;

  const ProxySettings& settings = Settings();
  const bool gateway = settings.gatewayEnable.load() != 0;
  std::string targetHost = hostName_;
  if (gateway) {
    targetHost = settings.gatewayIP.Get();
    port_ = settings.gatewayPort.load();
  }
  if (tunnel_ != 0) responseState_ = kInBody;

  if (gateway || tunnel_ == 0) {
    // Every byte behind the header (the start of a body) follows it.
    std::string request = JoinHeader(requestLines_);
    request.append(toServer_.view());
    toServer_.Assign(request);
  } else {
    responseState_ = kInBody;
    tunnel_ = 1;
    SendText(browserSocket_, kConnectionEstablishedReply);
    // Bytes the browser sent behind the CONNECT header stay in the to-server
    // buffer and go to the server once it is connected.
    requestLines_.clear();
  }

  if (DiagnosticsWanted())
    ReportDiagnostic(FormatText("Connecting to '%s' port = %u", targetHost.c_str(),
                                static_cast<unsigned>(port_)));
  if (serverSocket_ == kNoSocket) {
    serverSocket_ = OpenServerSocket(targetHost, port_);
    if (serverSocket_ == kNoSocket) {
      toBrowser_.Assign(kConnectFailedReply);
      SendAll(browserSocket_, toBrowser_);
      Close();
      return false;
    }
  }
  return true;
}

Socket ProxyConnection::OpenServerSocket(const std::string& host, int port) {
  std::uint32_t address = 0;
  if (!platform::ParseDottedIPv4(host, address)) {
    address = HostCacheLookup(host);
    if (address == 0) {
      if (!platform::ResolveIPv4(host, address)) return kNoSocket;
      HostCacheInsert(host, address);
    }
  }
  Socket server = platform::OpenTcpSocket();
  if (server == kNoSocket) return kNoSocket;
  if (!useDefaultBufferSizes_) ApplyBufferSizes(server);
  platform::SetBlocking(server);
  if (!platform::ConnectIPv4(server, address, static_cast<std::uint16_t>(port))) {
    platform::CloseSocket(server);
    return kNoSocket;
  }
  return server;
}

int ProxyConnection::SendAll(Socket socket, ByteBuffer& buffer) {
  if (socket == kNoSocket || buffer.empty()) return 0;
  int total = 0;
  while (!buffer.empty()) {
    const int slice = static_cast<int>(std::min(buffer.size(), static_cast<size_t>(sendSize_)));
    const int sent = SendSlice(socket, buffer.data(), slice);
    if (sent < 1) {
      if (platform::LastSocketError() == platform::kErrNoBuffers) BackOffBufferSize();
      break;
    }
    total += sent;
    buffer.Consume(static_cast<size_t>(sent));
  }
  return total;
}

void ProxyConnection::SendText(Socket socket, std::string_view text) {
  ByteBuffer reply;
  reply.Append(text);
  SendAll(socket, reply);
}

void ProxyConnection::Close() {
  if (serverSocket_ != kNoSocket) {
    FinishResponse();
    platform::CloseSocket(serverSocket_);
    serverSocket_ = kNoSocket;
  }
  if (browserSocket_ != kNoSocket) {
    platform::CloseSocket(browserSocket_);
    browserSocket_ = kNoSocket;
  }
}

}  // namespace hush
