// The settings record the program keeps: the user-interface thread loads,
// changes and saves it; the engine sees only the snapshots made from it
// (proxy/engine_settings.h). Numbers are atomics and texts immutable
// snapshots swapped whole, so that no reader ever sees half a value.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "proxy/published.h"

namespace hush {

// A text published to other threads: readers get a complete old or new value.
class SharedText {
 public:
  explicit SharedText(std::string initial = {})
      : value_(std::make_shared<const std::string>(std::move(initial))) {}
  std::string Get() const { return *value_.Load(); }
  void Set(std::string text) { value_.Store(std::make_shared<const std::string>(std::move(text))); }

 private:
  Published<std::string> value_;
};

// Numbers are 32-bit as in the settings file; signed so that the floors the
// proxy applies ("at least 256") also catch values written as negatives.
using SettingNumber = std::atomic<std::int32_t>;

inline constexpr std::int32_t kDefaultFilterSizeLimit = 4 * 1024 * 1024;

struct ProxySettings {
  SharedText popupIP{"Hushwall"};
  SettingNumber popupPort{0};
  SharedText gatewayIP;
  SettingNumber gatewayPort{80};
  SettingNumber gatewayEnable{0};
  SettingNumber bannerBlock{0};
  SettingNumber startup{2};
  SettingNumber displayOnTop{1};
  SettingNumber disabled{0};
  SettingNumber useDefaultBufferSizes{1};
  SettingNumber bufferSize{8192};
  SettingNumber dnsCacheSize{10};
  SettingNumber dnsCacheDisable{1};
  SettingNumber disableProxy{0};
  // Held the right way round; the file stores it inverted (PopupCheckDisabled).
  SettingNumber popupCheckEnabled{1};
  SettingNumber playWave{1};
  SettingNumber connectionTimeOut{60};
  SettingNumber useDefaultTimeOut{1};
  // Largest text response held whole for filtering; larger ones stream
  // through unfiltered.
  SettingNumber filterSizeLimit{kDefaultFilterSizeLimit};
  // HTTPS filtering ("HttpsFiltering"), the ports it covers beside 443
  // ("HttpsPorts", comma-separated) and the hosts it leaves alone
  // ("HttpsExclusions", comma-separated host names).
  SettingNumber httpsFiltering{0};
  SharedText httpsPorts;
  SharedText httpsExclusions;
};

// The body size up to which pages are filtered. "FilterSizeLimit" of 0 or
// less would leave every page unfiltered: the default stands in for it.
std::uint32_t EffectiveFilterSizeLimit(const ProxySettings& settings);
// How long a connection waits for either side, in milliseconds (-1: no
// limit). A time-out of 0 seconds would make each wait return at once and
// the connection spin: one second is the least.
int ConnectionWaitMilliseconds(const ProxySettings& settings);

// "HttpsPorts" as the ports to intercept: always 443, then the valid ones
// listed, each once.
std::vector<std::int32_t> HttpsPortsOf(const std::string& text);
// "HttpsExclusions" as lower-case host names, without leading "*." or dots.
std::vector<std::string> HostListOf(const std::string& text);

}  // namespace hush
