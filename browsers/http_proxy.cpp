#include "browsers/http_proxy.h"

#include <algorithm>
#include <cctype>

#include "browsers/text_lines.h"
#include "common/ascii.h"

namespace hush::browsers {

bool IsValidPort(std::string_view port) {
  if (port.empty() || port.size() > 5 ||
      !std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
    return false;
  const long number = std::stol(std::string(port));
  return number >= 1 && number <= 65535;
}

std::optional<HttpProxy> ParseHostPort(std::string_view text) {
  text = Trimmed(text);
  if (text.substr(0, 7) == "http://") text.remove_prefix(7);
  if (const std::size_t slash = text.find('/'); slash != std::string_view::npos)
    text = text.substr(0, slash);
  const std::size_t colon = text.rfind(':');
  HttpProxy proxy{std::string(text.substr(0, colon)), "80"};
  if (colon != std::string_view::npos) proxy.port = std::string(text.substr(colon + 1));
  if (proxy.host.empty() || !IsValidPort(proxy.port)) return std::nullopt;
  return proxy;
}

std::optional<HttpProxy> HttpProxyOfServerList(std::string_view list) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find_first_of("; ", start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view entry = Trimmed(list.substr(start, end - start));
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) {
      if (!entry.empty()) return ParseHostPort(entry);
    } else if (ToLower(entry.substr(0, equals)) == "http") {
      return ParseHostPort(entry.substr(equals + 1));
    }
    start = end + 1;
  }
  return std::nullopt;
}

bool IsHushwallProxy(const HttpProxy& proxy) {
  const std::string host = ToLower(proxy.host);
  const bool loopback =
      host == "localhost" || host.substr(0, 4) == "127." || host == "[::1]" || host == "::1";
  return host == "hushwall" || (loopback && proxy.port == "8100");
}

}  // namespace hush::browsers
