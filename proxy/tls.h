// The engine's one door to TLS. Only the tls_*.cpp files of this folder
// include the TLS library's headers; everything else (the connection, the
// program, the tests) works with these types.
//
// Interception in brief: the browser's CONNECT is answered, its ClientHello
// read (proxy/client_hello.h), a TLS connection opened to the server with
// that name and verified by the platform's chain engine, and only then is
// the browser answered with a certificate minted for the name by the user's
// own authority. Whatever does not verify is never intercepted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "proxy/platform.h"

namespace hush::tls {

using Der = std::vector<unsigned char>;

// A private key in memory, wiped when it goes.
class SecretBytes {
 public:
  SecretBytes() = default;
  explicit SecretBytes(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {}
  ~SecretBytes();
  SecretBytes(SecretBytes&& other) noexcept : bytes_(std::move(other.bytes_)) {}
  SecretBytes& operator=(SecretBytes&& other) noexcept;
  SecretBytes(const SecretBytes&) = delete;
  SecretBytes& operator=(const SecretBytes&) = delete;
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
};

// The user's own certificate authority: an ECDSA P-256 key and its
// self-signed CA certificate.
class Authority {
 public:
  // A new key from the platform's random source, never the same twice, and
  // a CA certificate named `commonName` (path length 0, key usage
  // certificate signing), valid ten years from now. Null on failure.
  static std::shared_ptr<const Authority> Create(const std::string& commonName);
  // From stored parts; null when they do not parse or do not belong together.
  static std::shared_ptr<const Authority> Load(const SecretBytes& privateKeyDer,
                                               const Der& certificateDer);

  virtual ~Authority() = default;
  virtual const Der& Certificate() const = 0;
  // For the program to protect before it stores it.
  virtual SecretBytes PrivateKey() const = 0;
  // SHA-1 of the certificate, as the Windows stores name it.
  virtual std::vector<unsigned char> Thumbprint() const = 0;
};

// A certificate and key the browser is answered with (opaque).
class Leaf;

// Mints leaf certificates for host names: one per host, signed by the
// authority, the host as subject alternative name (an IPv4 literal as an IP
// entry), extended key usage server authentication, valid from a day ago to
// no later than the server's own certificate and at most 90 days. One leaf
// key serves the whole run. Keeps at most `capacity` leaves, the least
// recently used going first. Safe to use from every connection thread.
class LeafMinter {
 public:
  static std::shared_ptr<LeafMinter> Create(std::shared_ptr<const Authority> authority,
                                            std::size_t capacity = 512);
  virtual ~LeafMinter() = default;
  // `serverNotAfter`: the server certificate's end of validity, seconds
  // since 1970 (UTC). Null when minting fails.
  virtual std::shared_ptr<const Leaf> LeafFor(const std::string& host,
                                              std::int64_t serverNotAfter) = 0;
  // The certificate of a leaf, DER (tests, diagnostics).
  static Der CertificateOf(const Leaf& leaf);
};

// One TLS connection over a connected, blocking socket. Used by one thread.
class Session {
 public:
  virtual ~Session() = default;
  // Decrypted bytes: > 0 the count, 0 when the peer closed, kNoDataYet
  // when only a record without data (a TLS 1.3 session ticket, say) or part
  // of a record had come (wait for the socket and call again), other values
  // < 0 on error. Waits (up to the time-out) only for the first bytes.
  static constexpr int kNoDataYet = -2;
  virtual int Receive(char* buffer, int length) = 0;
  // Sends all of it; false on error.
  virtual bool Send(const char* data, std::size_t length) = 0;
  // Bytes held inside the session (decrypted, or a record read ahead) that
  // a wait on the socket would not see: read them before waiting.
  virtual bool HasBuffered() const = 0;
  // Says goodbye to the peer (close_notify); the socket stays the caller's.
  virtual void Close() = 0;
};

// How opening TLS to a server went.
enum class ServerCheck {
  kTrusted,                  // chain and name verified by the platform
  kUntrusted,                // expired, wrong name, unknown root, ... : never intercept
  kClientCertificateWanted,  // the server asked for the user's certificate
  kFailed,                   // not TLS, closed, timed out, protocol error
};

struct ServerConnection {
  ServerCheck check = ServerCheck::kFailed;
  std::unique_ptr<Session> session;  // only when kTrusted
  std::int64_t notAfter = 0;         // the server certificate's, seconds since 1970
};

// Opens TLS over `socket` to `serverName` (SNI unless an IP literal, ALPN
// http/1.1, TLS 1.2 or 1.3) and verifies the chain the server sent with the
// platform's chain engine for that name. Waits at most `timeoutMs` for each
// read.
ServerConnection ConnectToServer(platform::Socket socket, const std::string& serverName,
                                 int timeoutMs);

// Answers a browser over `socket` with `leaf` (ALPN http/1.1). `alreadyRead`
// are the bytes of the browser's ClientHello read before the decision; they
// are handed to the handshake first. Null when the handshake fails.
std::unique_ptr<Session> AcceptBrowser(platform::Socket socket, std::string_view alreadyRead,
                                       const Leaf& leaf, int timeoutMs);

// The platform's verdict on a chain (leaf first) for a server name. On
// Windows the chain engine and the SSL policy (the user's and the
// enterprise's roots and distrusts); natively the system's CA bundle.
bool PlatformTrustsServer(const std::vector<Der>& chain, const std::string& serverName);

// Native builds only: trusts the certificates in `path` (PEM or DER) as well
// as the system's (tests and benchmarks with an authority of their own).
void TrustAlsoForTesting(const std::string& path);

}  // namespace hush::tls
