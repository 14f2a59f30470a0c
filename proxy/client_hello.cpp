#include "proxy/client_hello.h"

#include <cstdint>

#include "common/ascii.h"

namespace hush {
namespace {

constexpr unsigned char kHandshakeRecord = 22;
constexpr unsigned char kClientHelloMessage = 1;
constexpr std::size_t kRecordHeader = 5;
constexpr std::size_t kLargestRecord = 16384;  // a plaintext record's limit
constexpr std::uint16_t kServerNameExtension = 0;
constexpr std::uint16_t kAlpnExtension = 16;
constexpr unsigned char kHostNameEntry = 0;

// Takes fields off the front of a byte range; every read fails once the
// range is short, and stays failed.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}
  bool ok() const { return ok_; }
  bool empty() const { return bytes_.empty(); }

  std::uint32_t Number(std::size_t width) {
    if (!Has(width)) return 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value = value << 8 | static_cast<unsigned char>(bytes_[i]);
    bytes_.remove_prefix(width);
    return value;
  }
  std::string_view Bytes(std::size_t count) {
    if (!Has(count)) return {};
    std::string_view taken = bytes_.substr(0, count);
    bytes_.remove_prefix(count);
    return taken;
  }
  // A field preceded by its length in `width` bytes.
  std::string_view Vector(std::size_t width) { return Bytes(Number(width)); }

 private:
  bool Has(std::size_t count) {
    if (ok_ && bytes_.size() >= count) return true;
    ok_ = false;
    return false;
  }
  std::string_view bytes_;
  bool ok_ = true;
};

bool IsLabelByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

bool IsValidLabel(std::string_view label) {
  if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
    return false;
  for (char c : label)
    if (!IsLabelByte(c)) return false;
  return true;
}

bool AllDigits(std::string_view label) {
  for (char c : label)
    if (c < '0' || c > '9') return false;
  return true;
}

bool ReadServerName(std::string_view data, ClientHello& hello) {
  FieldReader reader(data);
  FieldReader list(reader.Vector(2));
  if (!reader.ok() || !reader.empty()) return false;
  while (list.ok() && !list.empty()) {
    const std::uint32_t type = list.Number(1);
    const std::string_view name = list.Vector(2);
    if (!list.ok()) return false;
    if (type != kHostNameEntry || !hello.serverName.empty() || hello.serverNameInvalid) continue;
    if (IsDnsHostName(name))
      hello.serverName = ToLower(std::string(name));
    else
      hello.serverNameInvalid = true;
  }
  return list.ok();
}

bool ReadProtocols(std::string_view data, ClientHello& hello) {
  FieldReader reader(data);
  FieldReader list(reader.Vector(2));
  if (!reader.ok() || !reader.empty()) return false;
  while (list.ok() && !list.empty()) {
    const std::string_view protocol = list.Vector(1);
    hello.offersHttp11 |= protocol == "http/1.1";
    hello.offersH2 |= protocol == "h2";
  }
  return list.ok();
}

bool ReadExtensions(FieldReader& body, ClientHello& hello) {
  if (body.empty()) return true;  // a hello without extensions ends here
  FieldReader extensions(body.Vector(2));
  if (!body.ok() || !body.empty()) return false;
  bool sawName = false, sawProtocols = false;
  while (extensions.ok() && !extensions.empty()) {
    const std::uint32_t type = extensions.Number(2);
    const std::string_view data = extensions.Vector(2);
    if (!extensions.ok()) return false;
    // The same extension twice is a malformed hello: which one a server
    // would take is anybody's guess.
    if (type == kServerNameExtension) {
      if (sawName || !ReadServerName(data, hello)) return false;
      sawName = true;
    } else if (type == kAlpnExtension) {
      if (sawProtocols || !ReadProtocols(data, hello)) return false;
      sawProtocols = true;
    }
  }
  return extensions.ok();
}

bool ReadHelloBody(std::string_view message, ClientHello& hello) {
  FieldReader body(message);
  const std::uint32_t major = body.Number(1);
  body.Number(1);  // minor version
  body.Bytes(32);  // random
  const std::string_view session = body.Vector(1);
  const std::string_view ciphers = body.Vector(2);
  const std::string_view compression = body.Vector(1);
  if (!body.ok() || major != 3 || session.size() > 32 || ciphers.size() < 2 ||
      ciphers.size() % 2 != 0 || compression.empty())
    return false;
  return ReadExtensions(body, hello);
}

ClientHello NotTls() {
  ClientHello hello;
  hello.status = ClientHello::Status::kNotTls;
  return hello;
}

}  // namespace

bool IsDnsHostName(std::string_view name) {
  if (name.empty() || name.size() > 253) return false;
  std::string_view label;
  for (std::size_t start = 0;;) {
    const std::size_t dot = name.find('.', start);
    label =
        name.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (!IsValidLabel(label)) return false;
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  return !AllDigits(label);
}

ClientHello ReadClientHello(std::string_view bytes) {
  // The handshake message is gathered from the fragments of as many
  // handshake records as it takes.
  std::string message;
  std::size_t at = 0;
  for (;;) {
    if (at >= kClientHelloLimit) return NotTls();
    if (bytes.size() - at < kRecordHeader) {
      // Even the first byte or two tell a TLS record from anything else.
      if (bytes.size() > at && static_cast<unsigned char>(bytes[at]) != kHandshakeRecord)
        return NotTls();
      if (bytes.size() > at + 1 && bytes[at + 1] != 3) return NotTls();
      return {};
    }
    FieldReader header(bytes.substr(at, kRecordHeader));
    const std::uint32_t type = header.Number(1), major = header.Number(1);
    header.Number(1);
    const std::uint32_t fragment = header.Number(2);
    if (type != kHandshakeRecord || major != 3 || fragment == 0 || fragment > kLargestRecord)
      return NotTls();
    at += kRecordHeader;
    if (bytes.size() - at < fragment)
      return at + fragment > kClientHelloLimit ? NotTls() : ClientHello{};
    message.append(bytes.substr(at, fragment));
    at += fragment;
    if (static_cast<unsigned char>(message[0]) != kClientHelloMessage) return NotTls();
    if (message.size() < 4) continue;
    FieldReader messageHeader(message);
    messageHeader.Number(1);
    const std::size_t bodyLength = messageHeader.Number(3);
    if (bodyLength + 4 > kClientHelloLimit) return NotTls();
    if (message.size() < bodyLength + 4) continue;
    // Another handshake message in the same record (there should be none
    // before the server answers) is not ours to judge; it is ignored.
    ClientHello hello;
    if (!ReadHelloBody(std::string_view(message).substr(4, bodyLength), hello)) return NotTls();
    hello.status = ClientHello::Status::kComplete;
    hello.length = at;
    return hello;
  }
}

}  // namespace hush
