// Request side: any bytes a browser sends, cut and parsed as a request
// header, never crash the parser or read outside the buffer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/proxy_settings.h"
#include "connection_probe.h"
#include "proxy/header_parsing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hush;
  if (size < 1) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  Settings().gatewayEnable.store(data[0] & 1);
  Settings().disabled.store((data[0] >> 1) & 1);

  std::vector<std::string> tokens;
  Tokenize(bytes, " \r\n:", tokens);

  ProxyConnection connection(platform::kNoSocket);
  ConnectionProbe::ToServer(connection).Append(bytes);
  if (IsHeaderComplete(bytes)) {
    connection.ParseRequestHeader();
  }
  return 0;
}
