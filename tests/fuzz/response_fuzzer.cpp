// Response side: any server answer, arriving in any slicing, is classified,
// de-chunked and rewritten without crashing or touching memory it should
// not; what cannot be sent goes nowhere (the browser side is /dev/null).
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/proxy_settings.h"
#include "connection_probe.h"
#include "proxy/blocker_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hush;
  static const int sink = ::open("/dev/null", O_WRONLY);
  if (size < 2) return 0;
  Settings().playWave.store(data[0] & 1);
  Settings().filterSizeLimit.store(64 + (data[0] >> 1) * 97);
  SetPreparedBlockerScript((data[1] & 1) ? "<script>/*blocker*/</script>" : "");
  const std::size_t slice = 1 + (data[1] >> 1);

  ProxyConnection connection(platform::kNoSocket);
  ConnectionProbe::SetBrowserSocket(connection, sink);
  ConnectionProbe::SetSendSize(connection, 4096);
  connection.ResetResponse();
  for (std::size_t at = 2; at < size; at += slice) {
    const std::size_t length = size - at < slice ? size - at : slice;
    ConnectionProbe::ToBrowser(connection)
        .Append(std::string_view(reinterpret_cast<const char*>(data) + at, length));
    connection.OnServerData();
  }
  connection.FinishResponse();
  // The sink is not ours to close.
  ConnectionProbe::SetBrowserSocket(connection, platform::kNoSocket);
  return 0;
}
