// Internet Explorer's per-connection settings as stored in the registry
// ("DefaultConnectionSettings" for the LAN, one value per dial-up
// connection): a little-endian record of a version, a change counter, the
// connection flags and the proxy server and bypass texts, each preceded by
// its length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hush::browsers {

// The connection flags that mean "direct plus proxy".
inline constexpr std::uint32_t kDirectAndProxy = 3;
inline constexpr char kHushwallServerList[] = "http=Hushwall:8100";

// The most of a value the proxy check reads; a longer value does not count.
inline constexpr std::size_t kConnectionValueLimit = 256;

struct ConnectionProxy {
  std::uint32_t flags = 0;
  std::string server;
  std::string bypass;
};

// The flags and texts of a stored value; none when the value is too short
// for its own lengths.
std::optional<ConnectionProxy> ParseConnectionValue(std::string_view value);

// Whether a stored value points the connection at Hushwall: flags exactly
// "direct plus proxy" and server list exactly "http=Hushwall:8100". A value
// longer than the check reads, or too short for what it claims, does not.
bool ConnectionValueUsesProxy(std::string_view value);

}  // namespace hush::browsers
