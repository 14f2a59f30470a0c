#include "proxy/interception_rules.h"

#include <algorithm>

#include "common/ascii.h"
#include "proxy/header_parsing.h"

namespace hush {
namespace {

// The host of a Host header value: the port and white space cut off.
std::string HostOfHeader(std::string_view line) {
  std::string_view value = line.substr(line.find(':') + 1);
  const size_t start = value.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  value.remove_prefix(start);
  value = value.substr(0, value.find_first_of(" \t\r\n"));
  if (!value.empty() && value.front() == '[') return ToLower(value.substr(0, value.find(']') + 1));
  return ToLower(value.substr(0, value.find(':')));
}

}  // namespace

bool IsExcludedHost(std::string_view host, const std::vector<std::string>& exclusions) {
  const std::string lowered = ToLower(host);
  const std::string_view name(lowered);
  for (const std::string& entry : exclusions) {
    if (entry.empty()) continue;
    if (name == entry) return true;
    if (name.size() > entry.size() && name.ends_with(entry) &&
        name[name.size() - entry.size() - 1] == '.')
      return true;
  }
  return false;
}

bool WantsInterception(const RequestLine& connect, const EngineSettings& settings) {
  if (!connect.connect || !settings.httpsFiltering || !settings.minter || settings.disabled)
    return false;
  const auto& ports = settings.httpsPorts;
  if (std::find(ports.begin(), ports.end(), connect.port) == ports.end()) return false;
  return !IsExcludedHost(connect.hostName, settings.httpsExclusions);
}

bool HelloAllowsInterception(const ClientHello& hello, const std::string& connectHost,
                             const EngineSettings& settings, std::string& name) {
  name = hello.serverName.empty() ? ToLower(connectHost) : hello.serverName;
  return hello.status == ClientHello::Status::kComplete && !hello.serverNameInvalid &&
         (hello.offersHttp11 || !hello.offersH2) && !IsExcludedHost(name, settings.httpsExclusions);
}

std::optional<RequestLine> ParseInterceptedRequest(const std::vector<std::string>& lines,
                                                   const std::string& host, std::int32_t port) {
  if (lines.empty()) return std::nullopt;
  std::vector<std::string> tokens;
  Tokenize(lines.front(), " \r\n", tokens);
  if (tokens.size() != 3 || tokens[1].empty() || tokens[1].front() != '/') return std::nullopt;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (StartsWithIgnoreCase(lines[i], "host:") && HostOfHeader(lines[i]) != host)
      return std::nullopt;
  }
  RequestLine request;
  request.method = tokens[0];
  request.path = tokens[1];
  request.version = tokens[2];
  request.hostName = host;
  request.port = port;
  return request;
}

std::string GatewayConnectRequest(const std::string& host, std::int32_t port) {
  const std::string target = host + ":" + std::to_string(port);
  return "CONNECT " + target + " HTTP/1.1\r\nHost: " + target + "\r\n\r\n";
}

bool GatewayOpenedTunnel(std::string_view replyHead) {
  // "HTTP/1.x 2xx ..."
  return StartsWithIgnoreCase(replyHead, "HTTP/1.") && replyHead.size() > 9 &&
         replyHead[8] == ' ' && replyHead[9] == '2';
}

}  // namespace hush
