#include <windows.h>

#include "browsers/browser_checks.h"
#include "browsers/file_io.h"
#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/opera.h"
#include "browsers/profile_paths.h"
#include "common/registry_key.h"
#include "proxy/settings_store.h"

namespace hush::browsers {
namespace {

// Opera 7's program file: "Last Directory2" and "Opera.exe", or (where the
// policy allows) "Last CommandLine v2" itself.
std::string Opera7Program(const RegistryKey& key, const BrowserPolicy& policy) {
  std::string value;
  if (key.ReadText("Last Directory2", value))
    return WithoutTrailingBackslashes(value) + "\\Opera.exe";
  if (policy.detectOpera7ByCommandLine && key.ReadText("Last CommandLine v2", value)) return value;
  return {};
}

void DetectOpera(ConfigurationState& state, const BrowserPolicy& policy) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kOperaKey, KEY_READ);
  if (!key) return;
  std::string opera6;
  // A command line with quotes or arguments names no file: not installed.
  if (key.ReadText("Last CommandLine", opera6) && FileExists(opera6)) state.opera6Installed = true;
  const std::string opera7 = Opera7Program(key, policy);
  if (!opera7.empty() && FileExists(opera7)) state.opera7Installed = true;
}

}  // namespace

void DetectBrowsers(ConfigurationState& state, const BrowserContext& context) {
  DetectOpera(state, context.policy);
  if (IsNetscapeInstalled()) state.netscapeInstalled = true;
  if (!context.policy.writeFlagsOfMissingBrowsers) return;
  if (!state.netscapeInstalled) WriteConfiguredFlag(ConfiguredFlag::kNetscape, false);
  if (!state.opera6Installed) WriteConfiguredFlag(ConfiguredFlag::kOpera6, false);
  if (!state.opera7Installed) WriteConfiguredFlag(ConfiguredFlag::kOpera7, false);
}

void RefreshConfigurationState(ConfigurationState& state, const BrowserContext& context) {
  state.ReadConfiguredFlags();
  DetectBrowsers(state, context);
  state.internetExplorerUsesProxy = IsInternetExplorerConfigured();
  if (!state.internetExplorerUsesProxy) state.lanConfigured = state.dialUpConfigured = false;
  if (state.netscapeInstalled) state.netscapeConfigured = IsNetscapeConfigured();
  if (state.opera6Installed || state.opera7Installed)
    IsOperaConfigured(state, state.opera6Installed, state.opera7Installed, context);
  if (!state.AnyBrowserConfigured()) Settings().popupCheckEnabled = 0;
}

}  // namespace hush::browsers
