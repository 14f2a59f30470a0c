// Which browsers are installed and which of them send their traffic through
// Hushwall. The "configured" flags persist under HKEY_CURRENT_USER
// "Software\Hushwall\Proxy Setting"; the whole state lives in memory in the
// program that holds it (the main program, the wizard, the uninstaller).
#pragma once

namespace hush::browsers {

inline constexpr char kProxySettingKey[] = "Software\\Hushwall\\Proxy Setting";

enum class ConfiguredFlag { kLan, kDialUp, kNetscape, kOpera6, kOpera7 };

// The registry value of a flag ("Lan Is Configured"...).
const char* FlagValueName(ConfiguredFlag flag);

struct ConfigurationState {
  bool lanConfigured = false;
  bool dialUpConfigured = false;
  bool netscapeConfigured = false;
  bool opera6Configured = false;
  bool opera7Configured = false;
  bool opera6Installed = false;
  bool opera7Installed = false;
  bool netscapeInstalled = false;
  // Internet Explorer's own settings name the proxy.
  bool internetExplorerUsesProxy = false;

  bool& Flag(ConfiguredFlag flag);
  // Some browser sends its traffic through Hushwall.
  bool AnyBrowserConfigured() const;
  // Sets the flag in memory and writes it to the registry.
  void SetConfigured(ConfiguredFlag flag, bool configured);
  // Replaces each in-memory flag whose registry value reads; missing values
  // leave their flag as it was.
  void ReadConfiguredFlags();
};

// Writes one flag (a DWORD 0 or 1), creating the key when missing.
void WriteConfiguredFlag(ConfiguredFlag flag, bool configured);

}  // namespace hush::browsers
