// ClientHello reader: whatever the bytes, the verdict agrees with itself.
// A complete hello is complete on its own records and incomplete on any
// shorter prefix; a refusal is not undone by more bytes; a server name is
// always a lower-case DNS host name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "proxy/client_hello.h"

namespace {

using hush::ClientHello;

bool Same(const ClientHello& a, const ClientHello& b) {
  return a.status == b.status && a.length == b.length && a.serverName == b.serverName &&
         a.serverNameInvalid == b.serverNameInvalid && a.offersHttp11 == b.offersHttp11 &&
         a.offersH2 == b.offersH2;
}

void CheckComplete(std::string_view bytes, const ClientHello& hello) {
  if (hello.length == 0 || hello.length > bytes.size() || hello.length > hush::kClientHelloLimit)
    std::abort();
  if (!Same(hush::ReadClientHello(bytes.substr(0, hello.length)), hello)) std::abort();
  for (std::size_t cut : {hello.length - 1, hello.length / 2, std::size_t{5}, std::size_t{1}}) {
    if (cut < hello.length &&
        hush::ReadClientHello(bytes.substr(0, cut)).status != ClientHello::Status::kIncomplete)
      std::abort();
  }
  if (!hello.serverName.empty()) {
    if (!hush::IsDnsHostName(hello.serverName) || hello.serverNameInvalid) std::abort();
    for (char c : hello.serverName)
      if (c >= 'A' && c <= 'Z') std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ClientHello hello = hush::ReadClientHello(bytes);
  switch (hello.status) {
    case ClientHello::Status::kComplete:
      CheckComplete(bytes, hello);
      break;
    case ClientHello::Status::kNotTls:
      if (hush::ReadClientHello(std::string(bytes) + '\x16').status != ClientHello::Status::kNotTls)
        std::abort();
      break;
    case ClientHello::Status::kIncomplete:
      if (size > hush::kClientHelloLimit + 5) std::abort();
      break;
  }
  return 0;
}
