// Interception of a CONNECT: the ClientHello is read, the server opened
// (directly or through the gateway) and verified, and only a trusted server
// gets a minted leaf on the browser's side. Everything else is tunnelled
// blind to a fresh server connection, the browser's own ClientHello first,
// so the browser meets the real certificate and judges it itself.
#include <chrono>

#include "common/ascii.h"
#include "common/diagnostic.h"
#include "proxy/header_parsing.h"
#include "proxy/interception_rules.h"
#include "proxy/proxy_connection.h"
#include "proxy/replies.h"

namespace hush {
namespace {

using platform::kNoSocket;
using platform::Socket;

// A gateway's answer to CONNECT is a short header; more is not waited for.
constexpr std::size_t kLargestGatewayReply = 8192;

int MillisecondsUntil(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

int ProxyConnection::HandshakeTimeoutMs() const {
  const int configured = settings_->waitMilliseconds;
  return configured > 0 ? configured : FirstRequestWaitMilliseconds();
}

bool ProxyConnection::InterceptConnect(const std::string& host, std::int32_t port) {
  // Whatever an earlier request on this connection left open is not ours.
  CloseServer();
  SendText(browserSocket_, kConnectionEstablishedReply);
  requestLines_.clear();
  ClientHello hello;
  if (!AwaitClientHello(hello)) return false;
  std::string name;
  if (HelloAllowsInterception(hello, host, *settings_, name)) {
    switch (OpenTlsBothWays(name, host, port)) {
      case TlsOutcome::kIntercepted:
        return true;
      case TlsOutcome::kFailed:
        return false;
      case TlsOutcome::kNotIntercepted:
        break;
    }
  }
  return OpenBlindTunnel(host, port);
}

bool ProxyConnection::AwaitClientHello(ClientHello& hello) {
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(FirstRequestWaitMilliseconds());
  for (;;) {
    hello = ReadClientHello(toServer_.view());
    if (hello.status != ClientHello::Status::kIncomplete) return true;
    bool ready = false, unused = false;
    if (platform::WaitReadable(browserSocket_, kNoSocket, MillisecondsUntil(deadline), ready,
                               unused) <= 0 ||
        ReceiveInto(browserSocket_, toServer_) <= 0)
      return false;
  }
}

ProxyConnection::TlsOutcome ProxyConnection::OpenTlsBothWays(const std::string& serverName,
                                                             const std::string& host,
                                                             std::int32_t port) {
  serverSocket_ = OpenTunnelSocket(host, port);
  if (serverSocket_ == kNoSocket) return TlsOutcome::kFailed;
  minter_ = settings_->minter;
  leaf_.reset();
  tls::ServerConnection server =
      tls::ConnectToServer(serverSocket_, serverName, HandshakeTimeoutMs());
  if (server.check == tls::ServerCheck::kTrusted && server.session)
    leaf_ = minter_->LeafFor(serverName, server.notAfter);
  if (!leaf_) {
    if (DiagnosticsWanted())
      ReportDiagnostic(FormatText("Not intercepting '%s' (%d)", serverName.c_str(),
                                  static_cast<int>(server.check)));
    server.session.reset();
    CloseServer();
    return TlsOutcome::kNotIntercepted;
  }
  serverTls_ = std::move(server.session);
  browserTls_ = tls::AcceptBrowser(browserSocket_, toServer_.view(), *leaf_, HandshakeTimeoutMs());
  // The ClientHello went into the handshake, whatever became of it.
  toServer_.Clear();
  if (!browserTls_) return TlsOutcome::kFailed;
  intercepted_ = true;
  interceptedHost_ = serverName;
  interceptedPort_ = port;
  hostName_ = serverName;
  tunnel_ = false;
  requestState_ = RequestState::kAwaitingHeader;
  ResetResponse();
  if (DiagnosticsWanted()) ReportDiagnostic(FormatText("Intercepting '%s'", serverName.c_str()));
  return TlsOutcome::kIntercepted;
}

bool ProxyConnection::OpenBlindTunnel(const std::string& host, std::int32_t port) {
  // The bytes read so far (the browser's ClientHello) stay in the to-server
  // buffer and go first.
  serverSocket_ = OpenTunnelSocket(host, port);
  return serverSocket_ != kNoSocket;
}

Socket ProxyConnection::OpenTunnelSocket(const std::string& host, std::int32_t port) {
  if (!settings_->gatewayEnabled) return OpenServerSocket(host, port);
  Socket gateway = OpenServerSocket(settings_->gatewayHost, settings_->gatewayPort);
  if (gateway != kNoSocket && !AskGatewayForTunnel(gateway, host, port)) {
    platform::CloseSocket(gateway);
    gateway = kNoSocket;
  }
  return gateway;
}

bool ProxyConnection::AskGatewayForTunnel(Socket gateway, const std::string& host,
                                          std::int32_t port) {
  SendText(gateway, GatewayConnectRequest(host, port));
  // Read a byte at a time: whatever follows the header belongs to the
  // tunnel and must stay on the socket for the TLS handshake.
  std::string reply;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(HandshakeTimeoutMs());
  while (!IsHeaderComplete(reply)) {
    bool ready = false, unused = false;
    char byte = 0;
    if (reply.size() >= kLargestGatewayReply ||
        platform::WaitReadable(gateway, kNoSocket, MillisecondsUntil(deadline), ready, unused) <=
            0 ||
        platform::Receive(gateway, &byte, 1) != 1)
      return false;
    reply += byte;
  }
  return GatewayOpenedTunnel(reply);
}

}  // namespace hush
