#include "proxy/request_rules.h"

#include <cstdlib>

#include "common/ascii.h"
#include "proxy/header_parsing.h"

namespace hush {

std::optional<RequestLine> ParseRequestLine(const std::string& line) {
  std::vector<std::string> tokens;
  Tokenize(line, " \r\n", tokens);
  if (tokens.size() != 3 || tokens[0].empty()) return std::nullopt;
  RequestLine request;
  request.method = tokens[0];
  request.version = tokens[2];
  std::string hostAndPort;
  if (ToLower(tokens[0]) == "connect") {
    request.connect = true;
    hostAndPort = tokens[1];
  } else {
    std::string uri = tokens[1];
    if (StartsWithIgnoreCase(uri, "http://"))
      uri.erase(0, 7);
    else if (StartsWithIgnoreCase(uri, "https://"))
      uri.erase(0, 8);
    else
      uri.clear();
    const size_t slash = uri.find('/');
    if (slash != std::string::npos) {
      request.path = uri.substr(slash);
      hostAndPort = uri.substr(0, slash);
    }
  }
  std::vector<std::string> parts;
  if (hostAndPort.empty() || Tokenize(hostAndPort, ":", parts) < 1) return std::nullopt;
  request.hostName = parts[0];
  if (parts.size() == 2) request.port = std::atoi(parts[1].c_str());
  if (request.hostName.empty()) return std::nullopt;
  return request;
}

std::string OriginFormLine(const RequestLine& request) {
  return request.method + " " + request.path + " " + request.version + "\r\n";
}

bool IsBodylessMethod(const std::string& requestLine) {
  std::string head = ToLower(requestLine.substr(0, 9));
  for (const char* method : {"get", "head", "put", "delete"})
    if (head.find(method) != std::string::npos) return true;
  return false;
}

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

Route ChooseRoute(const RequestLine& request, const EngineSettings& settings) {
  Route route;
  if (settings.gatewayEnabled) {
    route.host = settings.gatewayHost;
    route.port = settings.gatewayPort;
  } else {
    route.host = request.hostName;
    route.port = request.port;
    route.answerConnectHere = request.connect;
  }
  return route;
}

}  // namespace hush
