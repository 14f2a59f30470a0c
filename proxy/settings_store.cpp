#include "proxy/settings_store.h"

#include <atomic>

#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "common/program_file.h"
#include "proxy/proxy_settings.h"
#include "proxy/proxy_state.h"

namespace hush {
namespace {

constexpr const char kSection[] = "Hushwall";
constexpr const char kFileName[] = "HushINI.ini";
ProgramFile settingsFile(kFileName);
constexpr std::size_t kTextCapacity = 260;
// Host lists can be long.
constexpr std::size_t kListCapacity = 8192;

// Only the first write failure in the life of the process is reported.
std::atomic<bool> writeFailureReported{false};

void ReadNumber(const char* key, SettingNumber& field, std::uint32_t fallback,
                const std::string& path) {
  field.store(static_cast<std::int32_t>(ini::ReadNumber(kSection, key, fallback, path)));
}

void ReadText(const char* key, SharedText& field, const char* fallback, const std::string& path) {
  field.Set(ini::ReadText(kSection, key, fallback, path, kTextCapacity));
}

void Write(const char* key, const std::string& value, const std::string& path) {
  if (ini::WriteText(kSection, key, value, path)) return;
  if (!writeFailureReported.exchange(true))
    ReportDiagnostic(FormatText("Error writing to file:\n%s", path.c_str()));
}

void WriteNumber(const char* key, std::int32_t value, const std::string& path) {
  Write(key, FormatText("%u", static_cast<unsigned>(value)), path);
}

// The configured size, or the smaller one the engine fell back to.
std::int32_t BufferSizeToSave(const ProxySettings& s) {
  const std::int32_t lowered = LoweredBufferSize.load();
  const std::int32_t configured = s.bufferSize.load();
  return lowered != 0 && lowered < configured ? lowered : configured;
}

}  // namespace

ProxySettings& Settings() {
  static ProxySettings settings;
  return settings;
}

std::string SettingsFilePath() { return settingsFile.Path(); }

void OverrideSettingsFilePath(std::string path) { settingsFile.Override(std::move(path)); }

void LoadSettings() {
  ProxySettings& s = Settings();
  const std::string path = SettingsFilePath();
  ReadText("PopupIP", s.popupIP, "Hushwall", path);
  ReadNumber("PopupPort", s.popupPort, 0, path);
  ReadText("GatewayIP", s.gatewayIP, "", path);
  ReadNumber("GatewayPort", s.gatewayPort, 80, path);
  ReadNumber("GatewayEnable", s.gatewayEnable, 0, path);
  ReadNumber("BannerBlock", s.bannerBlock, 0, path);
  ReadNumber("Startup", s.startup, 2, path);
  ReadNumber("DisplayOnTop", s.displayOnTop, 1, path);
  ReadNumber("Disabled", s.disabled, 0, path);
  ReadNumber("UseDefaultBufferSizes", s.useDefaultBufferSizes, 1, path);
  ReadNumber("BufferSize", s.bufferSize, 8192, path);
  LoweredBufferSize.store(0);
  ReadNumber("DNSCacheSize", s.dnsCacheSize, 10, path);
  ReadNumber("DNSCacheDisable", s.dnsCacheDisable, 1, path);
  ReadNumber("DisableProxy", s.disableProxy, 0, path);
  // Read into a local first so that readers never see the stored polarity.
  const bool checkingDisabled = ini::ReadNumber(kSection, "PopupCheckDisabled", 0, path) != 0;
  s.popupCheckEnabled.store(checkingDisabled ? 0 : 1);
  ReadNumber("PlayWave", s.playWave, 1, path);
  ReadNumber("ConnectionTimeOut", s.connectionTimeOut, 60, path);
  ReadNumber("UseDefaultTimeOut", s.useDefaultTimeOut, 1, path);
  ReadNumber("FilterSizeLimit", s.filterSizeLimit, 4 * 1024 * 1024, path);
  ReadNumber("HttpsFiltering", s.httpsFiltering, 0, path);
  ReadText("HttpsPorts", s.httpsPorts, "", path);
  s.httpsExclusions.Set(ini::ReadText(kSection, "HttpsExclusions", "", path, kListCapacity));
}

void SaveSettings() {
  const ProxySettings& s = Settings();
  const std::string path = SettingsFilePath();
  Write("PopupIP", s.popupIP.Get(), path);
  WriteNumber("PopupPort", s.popupPort, path);
  Write("GatewayIP", s.gatewayIP.Get(), path);
  WriteNumber("GatewayPort", s.gatewayPort, path);
  WriteNumber("GatewayEnable", s.gatewayEnable, path);
  WriteNumber("BannerBlock", s.bannerBlock, path);
  WriteNumber("Startup", s.startup, path);
  WriteNumber("DisplayOnTop", s.displayOnTop, path);
  WriteNumber("ResetStats", 0, path);
  WriteNumber("UseDefaultBufferSizes", s.useDefaultBufferSizes, path);
  WriteNumber("Disabled", s.disabled, path);
  WriteNumber("DisableProxy", s.disableProxy, path);
  WriteNumber("BufferSize", BufferSizeToSave(s), path);
  WriteNumber("DNSCacheSize", s.dnsCacheSize, path);
  WriteNumber("DNSCacheDisable", s.dnsCacheDisable, path);
  WriteNumber("PopupCheckDisabled", s.popupCheckEnabled == 0 ? 1 : 0, path);
  WriteNumber("PlayWave", s.playWave, path);
  WriteNumber("ConnectionTimeOut", s.connectionTimeOut, path);
  WriteNumber("UseDefaultTimeOut", s.useDefaultTimeOut, path);
  WriteNumber("FilterSizeLimit", s.filterSizeLimit, path);
  WriteNumber("HttpsFiltering", s.httpsFiltering, path);
  Write("HttpsPorts", s.httpsPorts.Get(), path);
  Write("HttpsExclusions", s.httpsExclusions.Get(), path);
  ini::Flush(path);
}

}  // namespace hush
