// Request side: a browser's request made from the input (any method, path,
// header values and body, with or without the gateway, arriving in any
// slicing) goes to a real loopback server. Nothing may crash or touch memory
// it should not, and what reaches the server must be the browser's request
// as the rules rewrite it: the request line in path form (unless a gateway
// takes the absolute form), the gzip offer dropped (unless the proxy is
// switched off), every other header line and every body byte intact.
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/ascii.h"
#include "connection_probe.h"

namespace {

const char* const kMethods[] = {"GET", "POST", "PUT", "HEAD", "DELETE", "OPTIONS", "PATCH", "get"};
const char* const kHeaderNames[] = {"Host",   "Accept-Encoding", "accept-encoding",  "Cookie",
                                    "Accept", "User-Agent",      "Proxy-Connection", "X-Data"};

struct Request {
  std::string fromBrowser;
  std::string toServer;  // what the rules make of it
};

// Reads the input front to back; past its end every byte is 0.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Bytes(std::size_t count, bool (*allowed)(char)) {
    std::string bytes;
    while (count-- > 0 && at_ < size_) {
      const char c = static_cast<char>(Next());
      if (allowed(c)) bytes += c;
    }
    return bytes;
  }
  std::string Rest() {
    std::string rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool InPath(char c) { return c != ' ' && c != '\r' && c != '\n' && c != '\0'; }
bool InValue(char c) { return c != '\r' && c != '\n'; }

bool ContainsFolded(const std::string& text, const char* lowered) {
  return hush::ToLower(text).find(lowered) != std::string::npos;
}

Request MakeRequest(Input& input, std::uint8_t flags, std::uint16_t serverPort) {
  const bool gateway = flags & 1, disabled = flags & 2;
  const std::string method = kMethods[(flags >> 2) & 7];
  const std::string version = (flags & 32) ? "HTTP/1.0" : "HTTP/1.1";
  const std::string scheme = (flags & 64) ? "HTTP://" : "http://";
  const std::string path = "/" + input.Bytes(input.Next() % 40, InPath);
  Request request;
  request.fromBrowser = method + " " + scheme + "127.0.0.1:" + std::to_string(serverPort) + path +
                        " " + version + "\r\n";
  request.toServer = gateway ? request.fromBrowser : method + " " + path + " " + version + "\r\n";
  for (int lines = input.Next() % 8; lines > 0; --lines) {
    const std::string line = std::string(kHeaderNames[input.Next() % 8]) + ": " +
                             input.Bytes(input.Next() % 32, InValue) + "\r\n";
    request.fromBrowser += line;
    if (disabled || !(ContainsFolded(line, "accept-encoding:") && ContainsFolded(line, "gzip")))
      request.toServer += line;
  }
  const std::string body = input.Rest();
  if (!body.empty() || method == "POST") {
    const std::string length = "Content-Length: " + std::to_string(body.size()) + "\r\n";
    request.fromBrowser += length;
    request.toServer += length;
  }
  request.fromBrowser += "\r\n" + body;
  request.toServer += "\r\n" + body;
  return request;
}

int Listener(std::uint16_t& port) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener, 128) != 0 ||
      ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    std::perror("listener");
    std::abort();
  }
  port = ntohs(address.sin_port);
  // A request the proxy never sends on must not hang the fuzzer in accept.
  ::fcntl(listener, F_SETFL, O_NONBLOCK);
  return listener;
}

// What the server receives: the expected length (everything the proxy sends
// is on its way before OnBrowserData returns), then whatever more is there.
void ReadRequest(int server, std::size_t expected, std::string& received) {
  const timeval limit{5, 0};
  ::setsockopt(server, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  char block[65536];
  while (received.size() < expected) {
    const ssize_t n = ::recv(server, block, sizeof block, 0);
    if (n <= 0) return;
    received.append(block, static_cast<std::size_t>(n));
  }
  for (ssize_t n; (n = ::recv(server, block, sizeof block, MSG_DONTWAIT)) > 0;)
    received.append(block, static_cast<std::size_t>(n));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hush;
  static std::uint16_t serverPort = 0;
  static const int listener = Listener(serverPort);
  if (size < 2) return 0;
  Input input(data, size);
  const std::uint8_t flags = input.Next();
  const std::size_t slice = 1 + input.Next() % 64;
  EngineSettings settings;
  settings.gatewayEnabled = (flags & 1) != 0;
  settings.gatewayHost = "127.0.0.1";
  settings.gatewayPort = serverPort;
  settings.disabled = ((flags >> 1) & 1) != 0;
  const auto feed =
      std::make_shared<const SettingsFeed>(std::make_shared<const EngineSettings>(settings));
  const Request request = MakeRequest(input, flags, serverPort);

  // A connection left from an earlier input is not this one's.
  for (int stale; (stale = ::accept(listener, nullptr, nullptr)) >= 0;) ::close(stale);
  int server = -1;
  bool open = true;
  std::string received;
  {
    ProxyConnection connection(platform::kNoSocket, feed);
    ConnectionProbe::SetSendSize(connection, 4096);
    for (std::size_t at = 0; open && at < request.fromBrowser.size(); at += slice) {
      ConnectionProbe::ToServer(connection)
          .Append(std::string_view(request.fromBrowser).substr(at, slice));
      open = connection.OnBrowserData();
    }
    // The handshake may finish on the server's side a moment after the
    // proxy's connect returned.
    pollfd ready{listener, POLLIN, 0};
    if (::poll(&ready, 1, 5000) == 1) server = ::accept(listener, nullptr, nullptr);
    if (server >= 0) {
      ReadRequest(server, request.toServer.size(), received);
      // Closed with a reset before the proxy closes its side: hundreds of
      // thousands of connections must not leave their ports waiting in
      // TIME_WAIT, or connects begin to fail for want of ports.
      const linger abort{1, 0};
      ::setsockopt(server, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
      ::close(server);
    }
  }
  if (received != request.toServer) {
    std::fprintf(stderr, "--- %s\n",
                 server < 0 ? "no connection reached the server"
                 : open     ? "the request was relayed"
                            : "the proxy gave up on the request");
    std::fprintf(stderr, "--- the browser sent\n%s\n--- the server got\n%s\n--- expected\n%s\n",
                 ConnectionProbe::Visible(request.fromBrowser).c_str(),
                 ConnectionProbe::Visible(received).c_str(),
                 ConnectionProbe::Visible(request.toServer).c_str());
    std::abort();
  }
  return 0;
}
