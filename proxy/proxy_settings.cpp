#include "proxy/proxy_settings.h"

#include <algorithm>
#include <climits>

#include "proxy/engine_settings.h"
#include "proxy/host_cache.h"

namespace hush {

std::uint32_t EffectiveFilterSizeLimit(const ProxySettings& settings) {
  const std::int32_t stored = settings.filterSizeLimit.load();
  return static_cast<std::uint32_t>(stored > 0 ? stored : kDefaultFilterSizeLimit);
}

int ConnectionWaitMilliseconds(const ProxySettings& settings) {
  if (settings.useDefaultTimeOut.load() != 0) return -1;
  const auto seconds = static_cast<std::uint32_t>(settings.connectionTimeOut.load());
  // Beyond what a millisecond count holds the wait is as good as unlimited.
  if (seconds > INT_MAX / 1000) return -1;
  return seconds == 0 ? 1000 : static_cast<int>(seconds * 1000);
}

EngineSettings EngineSettingsOf(const ProxySettings& record) {
  EngineSettings engine;
  engine.listenPort = static_cast<std::uint16_t>(record.popupPort.load() & 0xFFFF);
  engine.disabled = record.disabled.load() != 0;
  engine.catchPopups = record.popupCheckEnabled.load() != 0;
  engine.gatewayEnabled = record.gatewayEnable.load() != 0;
  engine.gatewayHost = record.gatewayIP.Get();
  engine.gatewayPort = record.gatewayPort.load();
  engine.useDefaultBufferSizes = record.useDefaultBufferSizes.load() != 0;
  engine.bufferSize = record.bufferSize.load();
  engine.hostCacheEntries = record.dnsCacheDisable.load() != 0
                                ? 0
                                : std::clamp(record.dnsCacheSize.load(), std::int32_t{0},
                                             std::int32_t{kHostCacheEntries});
  engine.waitMilliseconds = ConnectionWaitMilliseconds(record);
  engine.filterSizeLimit = EffectiveFilterSizeLimit(record);
  return engine;
}

}  // namespace hush
