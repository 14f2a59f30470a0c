// The rules for a browser's request: what its request line names, whether a
// body follows its header, how the line is rewritten for a server, and where
// the request goes (its own server or the upstream gateway).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "proxy/engine_settings.h"

namespace hush {

struct RequestLine {
  std::string method;
  std::string version;
  std::string hostName;
  std::int32_t port = 80;
  std::string path;  // from the first slash on; empty for CONNECT
  bool connect = false;
};

// The request line's parts; nothing when it names no host (the request is
// refused then).
std::optional<RequestLine> ParseRequestLine(const std::string& line);

// The line as a server (rather than a proxy) expects it: the path alone.
std::string OriginFormLine(const RequestLine& request);

// Methods whose request carries no body unless it says so.
bool IsBodylessMethod(const std::string& requestLine);
// A request header that announces a body which will follow it.
bool DeclaresBody(const std::vector<std::string>& lines);

struct Route {
  std::string host;
  std::int32_t port = 80;
  // A CONNECT straight to its server: the proxy answers the browser itself
  // and relays bytes from then on. Every other request goes with its header.
  bool answerConnectHere = false;
};
Route ChooseRoute(const RequestLine& request, const EngineSettings& settings);

}  // namespace hush
