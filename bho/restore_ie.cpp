#include "bho/restore_ie.h"

#include <windows.h>

#include <cstdlib>

#include "bho/module_files.h"
#include "common/ascii.h"
#include "common/registry_key.h"

namespace hush::bho {
namespace {

constexpr char kSection[] = "IE Settings";
constexpr char kInternetSettingsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

std::string Saved(const std::string& file, const char* key) {
  char text[260] = {};
  ::GetPrivateProfileStringA(kSection, key, "", text, sizeof text, file.c_str());
  return text;
}

// Whether Internet Explorer is still pointed at Hushwall: a proxy the user
// set since (or the user's own, put back when the browsers were reset) must
// not be overwritten with the install-time one.
bool NamesOurProxy(HKEY settings) {
  char server[1024] = {};
  DWORD size = sizeof server - 1, type = 0;
  if (::RegQueryValueExA(settings, "ProxyServer", nullptr, &type, reinterpret_cast<BYTE*>(server),
                         &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  return ToLower(server).find("hushwall:8100") != std::string::npos;
}

bool WriteSaved(HKEY settings, const std::string& proxy, const std::vector<std::uint8_t>& bytes) {
  // Windows reads ProxyEnable as a DWORD: the saved bytes are its
  // little-endian form.
  DWORD enable = 0;
  for (size_t i = 0; i < bytes.size() && i < sizeof enable; ++i)
    enable |= static_cast<DWORD>(bytes[i]) << (8 * i);
  return ::RegSetValueExA(settings, "ProxyServer", 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(proxy.c_str()),
                          static_cast<DWORD>(proxy.size() + 1)) == ERROR_SUCCESS &&
         ::RegSetValueExA(settings, "ProxyEnable", 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&enable), sizeof enable) == ERROR_SUCCESS;
}

}  // namespace

std::vector<std::uint8_t> ParseSavedBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  size_t at = 0;
  while (at < text.size()) {
    const char* start = text.c_str() + at;
    char* after = nullptr;
    const unsigned long value = std::strtoul(start, &after, 16);
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    at += static_cast<size_t>(after - start);
    if (at < text.size()) ++at;  // exactly one separator
  }
  return bytes;
}

int RestoreInternetExplorer() {
  const std::string file = ModuleFolder() + "Browser.ini";
  if (!Saved(file, "Restored").empty()) return 1;
  if (Saved(file, "Saved").empty()) return 0;
  const hush::RegistryKey settings =
      hush::RegistryKey::Open(HKEY_CURRENT_USER, kInternetSettingsKey, KEY_READ | KEY_WRITE);
  if (!settings) return 0;
  const bool restored =
      !NamesOurProxy(settings.get()) ||
      WriteSaved(settings.get(), Saved(file, "Proxy"), ParseSavedBytes(Saved(file, "ProxyEnable")));
  // Marked only once the values are really back, so that a failed write is
  // tried again by the next removal step.
  if (!restored) return 0;
  ::WritePrivateProfileStringA(kSection, "Restored", "1", file.c_str());
  return 1;
}

}  // namespace hush::bho
