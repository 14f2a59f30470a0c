// Response side: a server answer made from the input (any content type, with
// a length, chunked with or without trailers, or ended by the close) arrives
// in any slicing. Nothing may crash or touch memory it should not, and what
// reaches the browser must be the page itself: its body, less the script
// and the alert element where they were put, is the server's body
// de-chunked, and an answer that is not filtered arrives byte for byte.
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/ascii.h"
#include "connection_probe.h"
#include "proxy/engine_settings.h"

namespace {

constexpr char kScript[] = "<script>/*blocker 5e1f*/</script>";
constexpr char kAlertElement[] = "<BGSOUND ID='QX_beep'>";
const char* const kContentTypes[] = {"text/html", "text/plain", "image/png",
                                     "application/javascript"};

struct Answer {
  std::string wire;  // what the server sends
  std::string body;  // the body it means
  bool filtered;     // whether the proxy may change it (text and scripts)
};

Answer MakeAnswer(std::uint8_t shape, std::uint8_t chunkSize, std::string_view body) {
  const int type = (shape >> 2) & 3;
  const int framing = (shape >> 4) & 3;
  Answer answer{"HTTP/1.1 200 OK\r\nContent-Type: ", std::string(body), type != 2};
  answer.wire += kContentTypes[type];
  answer.wire += "\r\n";
  if (framing == 0) {
    answer.wire += "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    answer.wire += body;
  } else if (framing == 2) {
    answer.wire += "\r\n";
    answer.wire += body;
  } else {
    answer.wire += "Transfer-Encoding: chunked\r\n\r\n";
    const std::size_t size = 1 + chunkSize % 97;
    for (std::size_t at = 0; at < body.size(); at += size) {
      const std::string_view chunk = body.substr(at, size);
      char line[32];
      std::snprintf(line, sizeof line, "%zx\r\n", chunk.size());
      answer.wire.append(line).append(chunk).append("\r\n");
    }
    answer.wire += framing == 3 ? "0\r\nX-Checksum: 1\r\nX-Other: 2\r\n\r\n" : "0\r\n\r\n";
  }
  return answer;
}

bool HasHeader(const std::string& header, const char* loweredName, const char* loweredValue) {
  const std::string lowered = hush::ToLower(header);
  const std::size_t at = lowered.find(loweredName);
  return at != std::string::npos && lowered.find(loweredValue, at) < lowered.find("\r\n", at);
}

// The chunked body de-chunked; false when it is not well formed.
bool Dechunk(std::string_view chunked, std::string& body) {
  for (;;) {
    const std::size_t lineEnd = chunked.find("\r\n");
    if (lineEnd == std::string_view::npos) return false;
    char* end = nullptr;
    const std::string line(chunked.substr(0, lineEnd));
    const unsigned long size = std::strtoul(line.c_str(), &end, 16);
    if (end == line.c_str()) return false;
    chunked.remove_prefix(lineEnd + 2);
    if (size == 0) return true;
    if (chunked.size() < size + 2 || chunked.substr(size, 2) != "\r\n") return false;
    body.append(chunked.substr(0, size));
    chunked.remove_prefix(size + 2);
  }
}

// A search the fuzzer's comparison tracing does not see: otherwise it learns
// the script and the alert element from the oracle itself and puts them in
// pages, where they could be taken for the ones the proxy added.
std::size_t FindUnseen(const std::string& text, std::string_view part, std::size_t end) {
  for (std::size_t at = 0; at + part.size() <= end; ++at) {
    std::size_t i = 0;
    while (i < part.size() && text[at + i] == part[i]) ++i;
    if (i == part.size()) return at;
  }
  return std::string::npos;
}

// The page as the server sent it: the script goes where it was put (the
// first one is the proxy's: the page's own would come after it, unless the
// page hid one in its doctype), the alert element right behind the first
// "<head>" (or "<HEAD>") before any NUL byte.
void RemoveAdditions(std::string& body) {
  const std::size_t script = FindUnseen(body, kScript, body.size());
  if (script == std::string::npos) return;
  body.erase(script, sizeof kScript - 1);
  const std::size_t nul = body.find('\0');
  const std::size_t end = nul == std::string::npos ? body.size() : nul;
  std::size_t head = FindUnseen(body, "<head>", end);
  if (head == std::string::npos) head = FindUnseen(body, "<HEAD>", end);
  if (head != std::string::npos &&
      body.compare(head + 6, sizeof kAlertElement - 1, kAlertElement) == 0)
    body.erase(head + 6, sizeof kAlertElement - 1);
}

[[noreturn]] void Fail(const char* what, const std::string& sent, const std::string& got) {
  std::fprintf(stderr, "%s\n--- server sent (%zu bytes)\n%s\n--- browser got (%zu bytes)\n%s\n",
               what, sent.size(), hush::ConnectionProbe::Visible(sent).c_str(), got.size(),
               hush::ConnectionProbe::Visible(got).c_str());
  std::abort();
}

void Check(const Answer& answer, const std::string& got) {
  if (!answer.filtered) {
    if (got != answer.wire) Fail("an answer that is not filtered was changed", answer.wire, got);
    return;
  }
  const std::size_t headerEnd = got.find("\r\n\r\n");
  if (headerEnd == std::string::npos) Fail("no header reached the browser", answer.wire, got);
  const std::string header = got.substr(0, headerEnd + 2);
  std::string body = got.substr(headerEnd + 4);
  if (HasHeader(header, "\ntransfer-encoding:", "chunked")) {
    std::string dechunked;
    if (!Dechunk(body, dechunked)) Fail("the chunks are broken", answer.wire, got);
    body.swap(dechunked);
  } else if (HasHeader(header, "\ncontent-length:", "") &&
             !HasHeader(header, "\ncontent-length:", (" " + std::to_string(body.size())).c_str())) {
    Fail("the Content-Length is not the body's", answer.wire, got);
  }
  RemoveAdditions(body);
  if (body != answer.body) Fail("the body was corrupted", answer.wire, got);
}

std::string Drain(int socket) {
  std::string got;
  char block[65536];
  for (ssize_t n; (n = ::recv(socket, block, sizeof block, MSG_DONTWAIT)) > 0;)
    got.append(block, n);
  return got;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hush;
  if (size < 3) return 0;
  static int browser[2] = {-1, -1};
  if (browser[0] < 0) {
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, browser);
    const int room = 8 << 20;
    ::setsockopt(browser[0], SOL_SOCKET, SO_SNDBUF, &room, sizeof room);
    ::setsockopt(browser[1], SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
  }
  const std::uint8_t shape = data[0];
  EngineSettings settings;
  if (shape & 1) settings.headInsert = kAlertElement;
  if ((shape >> 6) == 0) settings.filterSizeLimit = 64 + data[2] * 13;
  if (shape & 2) settings.blockerScript = kScript;
  const auto feed =
      std::make_shared<const SettingsFeed>(std::make_shared<const EngineSettings>(settings));
  const std::size_t slice = 1 + (data[1] >> 1);
  const Answer answer = MakeAnswer(
      shape, data[2], std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3));

  std::string got;
  {
    ProxyConnection connection(platform::kNoSocket, feed);
    ConnectionProbe::SetBrowserSocket(connection, browser[0]);
    ConnectionProbe::SetSendSize(connection, 4096);
    connection.ResetResponse();
    for (std::size_t at = 0; at < answer.wire.size(); at += slice) {
      ConnectionProbe::ToBrowser(connection)
          .Append(std::string_view(answer.wire).substr(at, slice));
      connection.OnServerData();
      got += Drain(browser[1]);
    }
    connection.FinishResponse();
    got += Drain(browser[1]);
    // The socket pair lives on for the next input.
    ConnectionProbe::SetBrowserSocket(connection, platform::kNoSocket);
  }
  Check(answer, got);
  return 0;
}
