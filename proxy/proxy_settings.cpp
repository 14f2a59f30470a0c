#include "proxy/proxy_settings.h"

#include <climits>

namespace hush {

ProxySettings& Settings() {
  static ProxySettings settings;
  return settings;
}

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

}  // namespace hush
