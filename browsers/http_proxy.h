// An HTTP proxy named in a browser's settings: the one the user had before
// Hushwall took its place, which can become Hushwall's own upstream gateway.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hush::browsers {

struct HttpProxy {
  std::string host;
  std::string port;
};

// A port as browsers write it: a decimal number from 1 to 65535.
bool IsValidPort(std::string_view port);

// "host:port" (a missing port gives "80"); none for an empty host or a
// port that is not a number from 1 to 65535.
std::optional<HttpProxy> ParseHostPort(std::string_view text);

// Internet Explorer's server list: "host:port" for every protocol, or
// entries such as "http=host:port;https=host:port".
std::optional<HttpProxy> HttpProxyOfServerList(std::string_view list);

// Hushwall itself: the host "Hushwall", or a loopback address on port 8100.
bool IsHushwallProxy(const HttpProxy& proxy);

}  // namespace hush::browsers
