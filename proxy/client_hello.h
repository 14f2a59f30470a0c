// The first thing a browser sends through a CONNECT to a TLS server: its
// ClientHello, in one or more handshake records. Before deciding whether to
// intercept, the connection reads it (without a TLS library) for the server
// name the browser wants and the protocols it offers. Nothing here trusts a
// length it reads: every field is checked against the bytes that are there.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hush {

// More than this is never held while waiting for a ClientHello to end; real
// ones are a few hundred bytes to a few kilobytes.
inline constexpr std::size_t kClientHelloLimit = 16 * 1024;

struct ClientHello {
  enum class Status {
    kIncomplete,  // a ClientHello so far: more bytes are needed
    kNotTls,      // not a TLS ClientHello, malformed, or larger than the limit
    kComplete,
  };
  Status status = Status::kIncomplete;
  // The records that hold the whole ClientHello, in bytes (when complete).
  std::size_t length = 0;
  // The server name asked for, lower-cased; empty when none was given.
  std::string serverName;
  // A server name was given that is not a DNS host name (an address, bad
  // characters, too long).
  bool serverNameInvalid = false;
  bool offersHttp11 = false;
  bool offersH2 = false;
};

// Reads the ClientHello at the start of `bytes` (what the browser sent so
// far); the bytes after it, if any, are not looked at.
ClientHello ReadClientHello(std::string_view bytes);

// A host name as DNS has it: labels of letters, digits, '-' and '_' (not
// starting or ending with '-'), 1 to 63 bytes each, 253 in all, the last one
// not all digits (so never an IPv4 address).
bool IsDnsHostName(std::string_view name);

}  // namespace hush
