#include "browsers/configuration_state.h"

#include <windows.h>

#include "common/registry_key.h"

namespace hush::browsers {
namespace {

constexpr ConfiguredFlag kFlagsInOrder[] = {ConfiguredFlag::kLan, ConfiguredFlag::kDialUp,
                                            ConfiguredFlag::kNetscape, ConfiguredFlag::kOpera6,
                                            ConfiguredFlag::kOpera7};

}  // namespace

const char* FlagValueName(ConfiguredFlag flag) {
  switch (flag) {
    case ConfiguredFlag::kLan:
      return "Lan Is Configured";
    case ConfiguredFlag::kDialUp:
      return "DialUp Is Configured";
    case ConfiguredFlag::kNetscape:
      return "Netscape Is Configured";
    case ConfiguredFlag::kOpera6:
      return "Opera6 Is Configured";
    case ConfiguredFlag::kOpera7:
      return "Opera7 Is Configured";
  }
  return "";
}

bool& ConfigurationState::Flag(ConfiguredFlag flag) {
  switch (flag) {
    case ConfiguredFlag::kLan:
      return lanConfigured;
    case ConfiguredFlag::kDialUp:
      return dialUpConfigured;
    case ConfiguredFlag::kNetscape:
      return netscapeConfigured;
    case ConfiguredFlag::kOpera6:
      return opera6Configured;
    case ConfiguredFlag::kOpera7:
      break;
  }
  return opera7Configured;
}

bool ConfigurationState::AnyBrowserConfigured() const {
  return internetExplorerUsesProxy || lanConfigured || dialUpConfigured || netscapeConfigured ||
         opera6Configured || opera7Configured;
}

void ConfigurationState::SetConfigured(ConfiguredFlag flag, bool configured) {
  Flag(flag) = configured;
  WriteConfiguredFlag(flag, configured);
}

void ConfigurationState::ReadConfiguredFlags() {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kProxySettingKey);
  if (!key) return;
  for (ConfiguredFlag flag : kFlagsInOrder) {
    DWORD value = 0;
    if (key.ReadNumber(FlagValueName(flag), value)) Flag(flag) = value != 0;
  }
}

void WriteConfiguredFlag(ConfiguredFlag flag, bool configured) {
  RegistryKey::Create(HKEY_CURRENT_USER, kProxySettingKey)
      .WriteNumber(FlagValueName(flag), configured ? 1 : 0);
}

}  // namespace hush::browsers
