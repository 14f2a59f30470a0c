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
#include "proxy/interception_rules.h"
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

}  // namespace

void BackOffBufferSize(std::int32_t configured) {
  std::int32_t current = LoweredBufferSize.load();
  std::int32_t lowered;
  do {
    const std::int32_t from = current != 0 && current < configured ? current : configured;
    lowered = from - 1024 < 2048 ? 2048 : from - 1024;
  } while (!LoweredBufferSize.compare_exchange_weak(current, lowered));
}

void SetFirstRequestWaitForTesting(int milliseconds) { firstRequestWaitMs.store(milliseconds); }

int FirstRequestWaitMilliseconds() { return firstRequestWaitMs.load(); }

void InjectSendFailuresForTesting(int errorCode, int count) {
  injectedSendError.store(errorCode);
  injectedSendFailures.store(count);
}

ProxyConnection::ProxyConnection(Socket browserSocket, std::shared_ptr<const SettingsFeed> feed)
    : browserSocket_(browserSocket),
      feed_(std::move(feed)),
      settings_(feed_->Load()),
      response_(*this) {
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
  browserTls_.reset();
  serverTls_.reset();
  for (Socket* socket : {&serverSocket_, &browserSocket_}) {
    platform::CloseSocket(*socket);
    *socket = kNoSocket;
  }
}

void ProxyConnection::Run() {
  firstRequestDeadline_ =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(firstRequestWaitMs.load());
  ChooseBufferSizes();
  response_.LeaveRoomForTheScript(*settings_);
  RelayLoop();
}

void ProxyConnection::ChooseBufferSizes() {
  std::int32_t size;
  if (settings_->useDefaultBufferSizes) {
    size = std::max(
        {DefaultReceiveBufferSize.load(), DefaultSendBufferSize.load(), std::int32_t{256}});
  } else {
    const std::int32_t lowered = LoweredBufferSize.load();
    const std::int32_t configured = settings_->bufferSize;
    size = std::max(lowered != 0 && lowered < configured ? lowered : configured, std::int32_t{1});
  }
  sendSize_ = receiveSize_ = size;
}

void ProxyConnection::ApplyBufferSizes(Socket socket) const {
  platform::SetIntOption(socket, platform::SocketOption::SendBuffer, sendSize_);
  platform::SetIntOption(socket, platform::SocketOption::ReceiveBuffer, receiveSize_);
}

int ProxyConnection::SelectTimeoutMs() const {
  const int configured = settings_->waitMilliseconds;
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

int ProxyConnection::ReceiveInto(Socket socket, ByteBuffer& buffer) {
  char* space = buffer.Reserve(static_cast<size_t>(receiveSize_));
  const int received = ReceiveOn(socket, space, receiveSize_);
  buffer.Commit(received > 0 ? static_cast<size_t>(received) : 0);
  if (received == tls::Session::kNoDataYet) return kNothingYet;
  return received > 0 ? received : kEnded;
}

void ProxyConnection::RelayLoop() {
  if (!settings_->useDefaultBufferSizes) ApplyBufferSizes(browserSocket_);
  platform::SetIntOption(browserSocket_, platform::SocketOption::NoDelay, 1);
  ResetResponse();
  // The stop signal is looked at after each wait: a connection accepted
  // just before the stop waits for its browser like every other one.
  do {
    if (FirstRequestOverdue()) break;
    bool browserReady = false, serverReady = false;
    const Socket polledServer = serverSocket_;
    // Bytes a TLS session already holds never show on its socket.
    const bool browserHolds = HasBuffered(browserSocket_), serverHolds = HasBuffered(polledServer);
    if (platform::WaitReadable(browserSocket_, polledServer,
                               browserHolds || serverHolds ? 0 : SelectTimeoutMs(), browserReady,
                               serverReady) < 0)
      break;
    browserReady |= browserHolds;
    serverReady |= serverHolds;
    if (browserReady) {
      const int received = ReceiveInto(browserSocket_, toServer_);
      if (received != kNothingYet) {
        if (!OnBrowserData()) break;
        if (received == kEnded) {
          CloseBrowser();
          break;
        }
      }
    }
    // The dispatcher may have replaced the server connection meanwhile.
    if (serverReady && serverSocket_ != kNoSocket && serverSocket_ == polledServer) {
      // A TLS record without data (a session ticket) is no answer: a body
      // the browser is sending must not be taken for the next header.
      const int received = ReceiveInto(serverSocket_, response_.Incoming());
      if (received != kNothingYet) {
        requestState_ = RequestState::kAwaitingHeader;
        OnServerData();
        if (received == kEnded) break;
      }
    }
  } while (ListenSocket.load(std::memory_order_relaxed) != kNoSocket);
  Close();
}

bool ProxyConnection::OnBrowserData() {
  if (tunnel_) requestState_ = RequestState::kPassingThrough;
  if (requestState_ == RequestState::kAwaitingHeader) {
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
  // A changed setting applies from the next request on, never halfway.
  settings_ = feed_->Load();
  if (intercepted_) return ParseInterceptedHeader();
  HeaderSplitOptions options;
  options.dropGzipOffer = !settings_->disabled && !tunnel_;
  // Nothing of an earlier request may stand in for a missing request line.
  hostName_.clear();
  if (!SplitHeaderBlock(toServer_, requestLines_, options)) return FailRequest();
  std::optional<RequestLine> line;
  if (!requestLines_.empty()) line = ParseRequestLine(requestLines_.front());
  if (!line) return FailRequest();
  request_ = std::move(*line);
  tunnel_ = request_.connect;
  hostName_ = request_.hostName;
  headRequest_ = !tunnel_ && ToLower(request_.method) == "head";
  if (!settings_->gatewayEnabled && !tunnel_) requestLines_.front() = OriginFormLine(request_);
  // A body that is still to come is passed through unparsed until the server
  // answers; so is everything after a method that is not known to be bodyless.
  if (!IsBodylessMethod(requestLines_.front()) || DeclaresBody(requestLines_))
    requestState_ = RequestState::kPassingThrough;
  return true;
}

bool ProxyConnection::ParseInterceptedHeader() {
  HeaderSplitOptions options;
  options.dropGzipOffer = !settings_->disabled;
  if (!SplitHeaderBlock(toServer_, requestLines_, options)) return FailRequest();
  // Every request goes to the server the connection was verified for, so
  // one naming another host is refused rather than sent where it was not
  // meant to go.
  std::optional<RequestLine> line =
      ParseInterceptedRequest(requestLines_, interceptedHost_, interceptedPort_);
  if (!line) return FailRequest();
  request_ = std::move(*line);
  headRequest_ = ToLower(request_.method) == "head";
  if (!IsBodylessMethod(requestLines_.front()) || DeclaresBody(requestLines_))
    requestState_ = RequestState::kPassingThrough;
  return true;
}

bool ProxyConnection::ConnectToServer() {
  if (intercepted_) {
    // The request only needs its header joined again; the server is the
    // one the TLS session was opened to.
    std::string request = JoinHeader(requestLines_);
    request.append(toServer_.view());
    toServer_.Assign(request);
    return true;
  }
  if (tunnel_ && WantsInterception(request_, *settings_))
    return InterceptConnect(request_.hostName, request_.port);
  if (!previousHostName_.empty() &&
      (hostName_ != previousHostName_ || request_.port != previousPort_) &&
      serverSocket_ != kNoSocket)
    CloseServer();
  previousHostName_ = hostName_;
  previousPort_ = request_.port;

  const Route route = ChooseRoute(request_, *settings_);
  if (!route.answerConnectHere) {
    // Every byte behind the header (the start of a body) follows it.
    std::string request = JoinHeader(requestLines_);
    request.append(toServer_.view());
    toServer_.Assign(request);
  } else {
    SendText(browserSocket_, kConnectionEstablishedReply);
    // Bytes the browser sent behind the CONNECT header stay in the to-server
    // buffer and go to the server once it is connected.
    requestLines_.clear();
  }

  if (DiagnosticsWanted())
    ReportDiagnostic(FormatText("Connecting to '%s' port = %u", route.host.c_str(),
                                static_cast<unsigned>(route.port)));
  if (serverSocket_ == kNoSocket) {
    serverSocket_ = OpenServerSocket(route.host, route.port);
    if (serverSocket_ == kNoSocket) {
      ByteBuffer& reply = response_.Incoming();
      reply.Assign(kConnectFailedReply);
      SendAll(browserSocket_, reply);
      Close();
      return false;
    }
  }
  return true;
}

Socket ProxyConnection::OpenServerSocket(const std::string& host, int port) {
  std::uint32_t address = 0;
  if (!platform::ParseDottedIPv4(host, address)) {
    address = HostCacheLookup(host, settings_->hostCacheEntries);
    if (address == 0) {
      if (!platform::ResolveIPv4(host, address)) return kNoSocket;
      HostCacheInsert(host, address, settings_->hostCacheEntries);
    }
  }
  Socket server = platform::OpenTcpSocket();
  if (server == kNoSocket) return kNoSocket;
  if (!settings_->useDefaultBufferSizes) ApplyBufferSizes(server);
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
    const int sent = SendOn(socket, buffer.data(), slice);
    if (sent < 1) {
      if (platform::LastSocketError() == platform::kErrNoBuffers)
        BackOffBufferSize(settings_->bufferSize);
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

void ProxyConnection::SendToBrowser(ByteBuffer& bytes) { SendAll(browserSocket_, bytes); }

bool ProxyConnection::BrowserOpen() const { return browserSocket_ != kNoSocket; }

void ProxyConnection::ResetResponse() {
  response_.BeginResponse(settings_, RequestFacts{headRequest_, tunnel_, hostName_});
}

void ProxyConnection::OnServerData() {
  if (response_.OnServerData()) requestState_ = RequestState::kPassingThrough;
  // After 101 Switching Protocols the browser's bytes are no requests either.
  if (response_.Upgraded()) tunnel_ = true;
}

void ProxyConnection::FinishResponse() { response_.FinishResponse(); }

void ProxyConnection::Close() {
  if (serverSocket_ != kNoSocket) {
    FinishResponse();
    CloseServer();
  }
  CloseBrowser();
}

void ProxyConnection::CloseServer() {
  if (serverTls_) serverTls_->Close();
  serverTls_.reset();
  if (serverSocket_ != kNoSocket) platform::CloseSocket(serverSocket_);
  serverSocket_ = kNoSocket;
}

void ProxyConnection::CloseBrowser() {
  if (browserTls_) browserTls_->Close();
  browserTls_.reset();
  if (browserSocket_ != kNoSocket) platform::CloseSocket(browserSocket_);
  browserSocket_ = kNoSocket;
}

tls::Session* ProxyConnection::SessionOn(Socket socket) const {
  if (socket == kNoSocket) return nullptr;
  if (socket == browserSocket_) return browserTls_.get();
  if (socket == serverSocket_) return serverTls_.get();
  return nullptr;
}

int ProxyConnection::ReceiveOn(Socket socket, char* buffer, int length) {
  tls::Session* session = SessionOn(socket);
  if (session != nullptr) return session->Receive(buffer, length);
  // Any failure of a plain socket ends it, whatever its number.
  const int received = platform::Receive(socket, buffer, length);
  return received < 0 ? -1 : received;
}

int ProxyConnection::SendOn(Socket socket, const char* data, int length) {
  tls::Session* session = SessionOn(socket);
  if (session == nullptr) return SendSlice(socket, data, length);
  return session->Send(data, static_cast<size_t>(length)) ? length : -1;
}

bool ProxyConnection::HasBuffered(Socket socket) const {
  const tls::Session* session = SessionOn(socket);
  return session != nullptr && session->HasBuffered();
}

}  // namespace hush
