#include "proxy/proxy_settings.h"

#include <algorithm>
#include <climits>

#include "common/ascii.h"
#include "proxy/engine_settings.h"
#include "proxy/host_cache.h"

namespace hush {
namespace {

// The comma-separated items of a setting, trimmed, lower case, empty ones
// dropped.
std::vector<std::string> ListItems(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::size_t first = text.find_first_not_of(" \t", start);
    std::size_t last = text.find_last_not_of(" \t", end == 0 ? 0 : end - 1);
    if (first != std::string::npos && first < end && last != std::string::npos && last >= first)
      items.push_back(ToLower(text.substr(first, last - first + 1)));
    start = end + 1;
  }
  return items;
}

}  // namespace

std::vector<std::int32_t> HttpsPortsOf(const std::string& text) {
  std::vector<std::int32_t> ports{443};
  for (const std::string& item : ListItems(text)) {
    if (item.empty() || item.size() > 5 ||
        item.find_first_not_of("0123456789") != std::string::npos)
      continue;
    const int port = std::stoi(item);
    if (port > 0 && port <= 65535 && std::find(ports.begin(), ports.end(), port) == ports.end())
      ports.push_back(port);
  }
  return ports;
}

std::vector<std::string> HostListOf(const std::string& text) {
  std::vector<std::string> hosts;
  for (std::string& item : ListItems(text)) {
    // "*.bank.example" and ".bank.example" mean the same as "bank.example".
    while (!item.empty() && (item.front() == '*' || item.front() == '.')) item.erase(0, 1);
    while (!item.empty() && item.back() == '.') item.pop_back();
    if (!item.empty()) hosts.push_back(std::move(item));
  }
  return hosts;
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
  engine.httpsFiltering = record.httpsFiltering.load() != 0;
  engine.httpsPorts = HttpsPortsOf(record.httpsPorts.Get());
  engine.httpsExclusions = HostListOf(record.httpsExclusions.Get());
  return engine;
}

}  // namespace hush
