// TLS over a connected, blocking socket: towards the server (the engine as
// client, judging the server's chain with the platform) and towards the
// browser (the engine as server, with a minted leaf).
#include <mbedtls/net_sockets.h>

#include <algorithm>
#include <cstring>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr int kFailed = -1;
constexpr std::size_t kLargestSocketCall = 1 << 20;
// What one socket read asks for: a whole record of the largest size, so
// that a record costs one read rather than one for its header and one for
// the rest (each read is a trip through the Wine server).
constexpr std::size_t kReadAhead = 16 * 1024 + 256;

class SocketSession : public Session {
 public:
  SocketSession(platform::Socket socket, int timeoutMs, std::string_view alreadyRead,
                std::shared_ptr<const void> keepAlive)
      : socket_(socket),
        timeoutMs_(timeoutMs),
        held_(alreadyRead),
        keepAlive_(std::move(keepAlive)) {
    mbedtls_ssl_init(&ssl_);
  }
  ~SocketSession() override { mbedtls_ssl_free(&ssl_); }
  SocketSession(const SocketSession&) = delete;
  SocketSession& operator=(const SocketSession&) = delete;

  mbedtls_ssl_context* ssl() { return &ssl_; }

  bool Setup(const mbedtls_ssl_config* config) {
    if (mbedtls_ssl_setup(&ssl_, config) != 0) return false;
    mbedtls_ssl_set_bio(&ssl_, this, SendToSocket, ReceiveFromSocket, nullptr);
    return true;
  }

  // One step of the handshake; every read in it waits for the peer.
  int HandshakeStep() { return mbedtls_ssl_handshake_step(&ssl_); }
  int Handshake() { return mbedtls_ssl_handshake(&ssl_); }
  void HandshakeDone() {
    handshaking_ = false;
    // Bytes read ahead that the handshake did not take stay for Receive.
    if (heldOffset_ == held_.size()) ForgetHeld();
  }

  int Receive(char* buffer, int length) override {
    if (length <= 0) return kFailed;
    firstRead_ = true;
    for (;;) {
      const int rc =
          mbedtls_ssl_read(&ssl_, reinterpret_cast<unsigned char*>(buffer), std::size_t(length));
      if (rc > 0) return rc;
      if (rc == 0 || rc == MBEDTLS_ERR_SSL_PEER_CLOSE_NOTIFY || rc == MBEDTLS_ERR_SSL_CONN_EOF)
        return 0;
      if (rc != MBEDTLS_ERR_SSL_WANT_READ && rc != MBEDTLS_ERR_SSL_WANT_WRITE) return kFailed;
      // Only a record without data (a session ticket, say) or part of a
      // record came, and the socket holds nothing more right now.
      if (!firstRead_) return kNoDataYet;
    }
  }

  // The records of one call go out in one socket write: records are small
  // (to keep idle connections small) and a write per record would cost a
  // system call each.
  bool Send(const char* data, std::size_t length) override {
    std::string records;
    outgoing_ = &records;
    bool written = true;
    while (length > 0 && written) {
      const int rc = mbedtls_ssl_write(&ssl_, reinterpret_cast<const unsigned char*>(data), length);
      if (rc == MBEDTLS_ERR_SSL_WANT_READ || rc == MBEDTLS_ERR_SSL_WANT_WRITE) continue;
      written = rc > 0;
      if (written) {
        data += rc;
        length -= std::size_t(rc);
      }
    }
    outgoing_ = nullptr;
    return WriteAll(records) && written;
  }

  bool HasBuffered() const override {
    return heldOffset_ < held_.size() || mbedtls_ssl_get_bytes_avail(&ssl_) > 0 ||
           mbedtls_ssl_check_pending(&ssl_) != 0;
  }

  void Close() override { mbedtls_ssl_close_notify(&ssl_); }

 private:
  bool WriteAll(const std::string& bytes) const {
    for (std::size_t done = 0; done < bytes.size();) {
      const int chunk = static_cast<int>(std::min(bytes.size() - done, kLargestSocketCall));
      const int sent = platform::Send(socket_, bytes.data() + done, chunk);
      if (sent <= 0) return false;
      done += std::size_t(sent);
    }
    return true;
  }

  static int SendToSocket(void* context, const unsigned char* data, std::size_t length) {
    auto* self = static_cast<SocketSession*>(context);
    if (self->outgoing_ != nullptr) {
      const std::size_t taken = std::min(length, kLargestSocketCall);
      self->outgoing_->append(reinterpret_cast<const char*>(data), taken);
      return static_cast<int>(taken);
    }
    const int chunk = static_cast<int>(std::min(length, kLargestSocketCall));
    const int sent = platform::Send(self->socket_, reinterpret_cast<const char*>(data), chunk);
    return sent < 0 ? MBEDTLS_ERR_NET_SEND_FAILED : sent;
  }

  // The browser's bytes read before the handshake come first, then what
  // was read ahead. During the handshake every read waits (up to the
  // time-out); afterwards only the first read of a Receive does, and further
  // reads in the same call take what is there already, so a record without
  // data never holds the caller up while the other side has something to
  // say.
  static int ReceiveFromSocket(void* context, unsigned char* buffer, std::size_t length) {
    auto* self = static_cast<SocketSession*>(context);
    if (self->held_.empty()) {
      const int read = self->ReadAhead();
      if (read <= 0) return read;
    }
    const std::size_t count = std::min(length, self->held_.size() - self->heldOffset_);
    std::memcpy(buffer, self->held_.data() + self->heldOffset_, count);
    self->heldOffset_ += count;
    // An idle connection holds no buffer.
    if (self->heldOffset_ == self->held_.size()) self->ForgetHeld();
    return static_cast<int>(count);
  }

  int ReadAhead() {
    const bool mayWait = handshaking_ || firstRead_;
    bool ready = false, unused = false;
    const int waited = platform::WaitReadable(socket_, platform::kNoSocket,
                                              mayWait ? timeoutMs_ : 0, ready, unused);
    if (waited < 0) return MBEDTLS_ERR_NET_RECV_FAILED;
    if (waited == 0 || !ready) return mayWait ? MBEDTLS_ERR_SSL_TIMEOUT : MBEDTLS_ERR_SSL_WANT_READ;
    held_.resize(kReadAhead);
    const int received = platform::Receive(socket_, held_.data(), static_cast<int>(held_.size()));
    if (received <= 0) {
      ForgetHeld();
      return received < 0 ? MBEDTLS_ERR_NET_RECV_FAILED : 0;
    }
    held_.resize(std::size_t(received));
    heldOffset_ = 0;
    firstRead_ = false;
    return received;
  }

  void ForgetHeld() {
    std::string().swap(held_);
    heldOffset_ = 0;
  }

  mbedtls_ssl_context ssl_;
  platform::Socket socket_;
  int timeoutMs_;
  // Bytes read from the socket (or before the session) that the library has
  // not taken yet.
  std::string held_;
  std::size_t heldOffset_ = 0;
  // Where the records of a Send gather; null outside Send.
  std::string* outgoing_ = nullptr;
  bool handshaking_ = true;
  bool firstRead_ = true;
  // What the settings the session was set up with belong to.
  std::shared_ptr<const void> keepAlive_;
};

// The settings every server connection shares. The chain is judged by the
// platform once the handshake is done, so the library only records what it
// thinks of it ("optional"); the server's signature over the handshake is
// checked against the certificate's key all the same.
const mbedtls_ssl_config* ClientConfig() {
  struct Config {
    mbedtls_ssl_config conf;
    bool ready = false;
    Config() {
      static const char* protocols[] = {"http/1.1", nullptr};
      mbedtls_ssl_config_init(&conf);
      if (!StartCrypto() ||
          mbedtls_ssl_config_defaults(&conf, MBEDTLS_SSL_IS_CLIENT, MBEDTLS_SSL_TRANSPORT_STREAM,
                                      MBEDTLS_SSL_PRESET_DEFAULT) != 0)
        return;
      mbedtls_ssl_conf_rng(&conf, DrawRandom, nullptr);
      mbedtls_ssl_conf_authmode(&conf, MBEDTLS_SSL_VERIFY_OPTIONAL);
      mbedtls_ssl_conf_min_tls_version(&conf, MBEDTLS_SSL_VERSION_TLS1_2);
      ready = mbedtls_ssl_conf_alpn_protocols(&conf, protocols) == 0;
    }
  };
  // Never freed: connection threads nobody joins may use it to the end.
  static const Config* config = new Config();
  return config->ready ? &config->conf : nullptr;
}

void NoDelay(platform::Socket socket) {
  // Handshake messages go out one by one; without this the second waits
  // for the peer's delayed acknowledgement (some 40 ms each time).
  platform::SetIntOption(socket, platform::SocketOption::NoDelay, 1);
}

// The handshake, step by step, watching whether the server asks for the
// user's certificate (which the engine cannot present for them).
ServerCheck RunClientHandshake(SocketSession& session) {
  mbedtls_ssl_context* ssl = session.ssl();
  while (!mbedtls_ssl_is_handshake_over(ssl)) {
    const int rc = session.HandshakeStep();
    if (hush_tls_server_asked_for_certificate(ssl)) return ServerCheck::kClientCertificateWanted;
    if (rc != 0) return ServerCheck::kFailed;
  }
  return ServerCheck::kTrusted;
}

}  // namespace

ServerConnection ConnectToServer(platform::Socket socket, const std::string& serverName,
                                 int timeoutMs) {
  ServerConnection result;
  const mbedtls_ssl_config* config = ClientConfig();
  if (config == nullptr) return result;
  auto session = std::make_unique<SocketSession>(socket, timeoutMs, std::string_view(), nullptr);
  if (!session->Setup(config)) return result;
  // No SNI for an address; the name check is the platform's either way.
  const bool address = IPv4Literal(serverName).has_value();
  if (mbedtls_ssl_set_hostname(session->ssl(), address ? nullptr : serverName.c_str()) != 0)
    return result;
  NoDelay(socket);
  result.check = RunClientHandshake(*session);
  if (result.check != ServerCheck::kTrusted) return result;
  session->HandshakeDone();

  const mbedtls_x509_crt* peer = mbedtls_ssl_get_peer_cert(session->ssl());
  if (peer == nullptr) {
    result.check = ServerCheck::kFailed;
    return result;
  }
  std::vector<Der> chain;
  for (const mbedtls_x509_crt* crt = peer; crt != nullptr && crt->raw.p != nullptr; crt = crt->next)
    chain.emplace_back(crt->raw.p, crt->raw.p + crt->raw.len);
  result.notAfter = SecondsOf(peer->valid_to);
  // The parsed chain is of no use from here on; an idle connection should
  // not carry it.
  hush_tls_forget_peer_certificate(session->ssl());
  if (!PlatformTrustsServer(chain, serverName)) {
    result.check = ServerCheck::kUntrusted;
    return result;
  }
  result.session = std::move(session);
  return result;
}

std::unique_ptr<Session> AcceptBrowser(platform::Socket socket, std::string_view alreadyRead,
                                       const Leaf& leaf, int timeoutMs) {
  if (!StartCrypto()) return nullptr;
  // The session uses the leaf's settings, certificate and key to its end.
  std::shared_ptr<const Leaf> held = leaf.weak_from_this().lock();
  if (!held) return nullptr;
  auto session = std::make_unique<SocketSession>(socket, timeoutMs, alreadyRead, held);
  if (!session->Setup(leaf.ServerConfig())) return nullptr;
  NoDelay(socket);
  if (session->Handshake() != 0) return nullptr;
  session->HandshakeDone();
  return session;
}

}  // namespace hush::tls
