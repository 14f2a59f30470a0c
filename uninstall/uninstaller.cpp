#include "uninstall/uninstaller.h"

#include <windows.h>

#include <string>

#include "app/language.h"
#include "app/registry_key.h"
#include "browsers/browser_checks.h"
#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "browsers/hosts_file.h"
#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/opera.h"
#include "browsers/zone_policies.h"

namespace hush::uninstall {
namespace {

using namespace browsers;

constexpr char kProductKey[] = "Software\\Hushwall";
constexpr UINT kUninstallingMessage = 9000;
constexpr int kTitleMessage = 9999;
constexpr int kProductCaption = 99990;
// The uninstaller's texts are its own copies, and may be longer.
constexpr char kTextFolder[] = "Lang";
constexpr std::size_t kTextCapacity = 2001;

void ShowProductBox(const BrowserContext& context, int message) {
  context.ShowBox(GetMessageText(message), GetMessageText(kProductCaption), MB_OK);
}

void ShowNetscapeNote(const BrowserContext& context) {
  context.ShowBox(GetMessageText(2257), GetMessageText(2258), MB_OK);
}

void RestoreActiveX(const BrowserContext& context) {
  if (!RestoreZoneSettings(context.InstalledFile("acRs.ini"))) ShowProductBox(context, 19018);
}

void AskMainProgramToQuit() {
  if (HWND program = ::FindWindowA(nullptr, GetMessageText(kTitleMessage).c_str()))
    ::PostMessageA(program, kUninstallingMessage, 0, 0);
}

void ResetInternetExplorer(ConfigurationState& state, const BrowserContext& context) {
  ConnectionSet connections = EnumerateConnections(WizardMode::kReset);
  connections.SelectAllEnabled();
  ResetInternetExplorerProxy(state, connections, RemovalChoice(connections), context);
}

void ResetBrowsers(ConfigurationState& state, const BrowserContext& context) {
  state.ReadConfiguredFlags();
  DetectBrowsers(state, context);
  if (!state.lanConfigured && !state.dialUpConfigured)
    state.internetExplorerUsesProxy = IsInternetExplorerConfigured();
  if (!state.netscapeConfigured && state.netscapeInstalled)
    state.netscapeConfigured = IsNetscapeConfigured();
  if ((!state.opera6Configured && state.opera6Installed) ||
      (!state.opera7Configured && state.opera7Installed))
    IsOperaConfigured(state, state.opera6Installed, state.opera7Installed, context);

  if (state.internetExplorerUsesProxy || state.lanConfigured || state.dialUpConfigured)
    ResetInternetExplorer(state, context);
  if (state.netscapeConfigured) {
    ProfileSet profiles;
    EnumerateProfiles(profiles, WizardMode::kReset);
    profiles.SelectAllEnabled();
    ResetNetscapeProxy(profiles, state, context);
    ShowNetscapeNote(context);
  }
  if (state.opera6Configured || state.opera7Configured) {
    OperaSettings opera;
    opera.opera6Wanted = state.opera6Configured;
    opera.opera7Wanted = state.opera7Configured;
    ResetOperaProxy(opera, state, context);
  }
}

void RestoreHosts(const BrowserContext& context) {
  const std::string hosts = GetHostsFilePath(context);
  if (hosts.empty())
    ShowProductBox(context, 19017);
  else
    RestoreHostsFile(hosts, context);
}

}  // namespace

InternetExplorerChoice RemovalChoice(const ConnectionSet& connections) {
  InternetExplorerChoice choice;
  choice.lan = LanUsesProxy();
  choice.dialUp = connections.stillUsingProxy > 0;
  return choice;
}

int RunUninstall(const ShowBoxFunction& showBox) {
  const RegistryKey product = RegistryKey::Open(HKEY_CURRENT_USER, kProductKey, KEY_ALL_ACCESS);
  if (!product) return 0;
  std::string path, language;
  product.ReadText("Path", path);
  if (!product.ReadText("Language", language)) language = "English";
  SetLanguageLocationSource([path, language] {
    return LanguageLocation{path, language, kTextFolder, kTextCapacity};
  });
  BrowserContext context;
  context.installationDirectory = path;
  context.policy = kUninstallerPolicy;
  context.captionMessage = kTitleMessage;
  context.showBox = showBox;

  RestoreActiveX(context);
  AskMainProgramToQuit();
  ConfigurationState state;
  if (RegistryKey::Open(HKEY_CURRENT_USER, kProxySettingKey, KEY_ALL_ACCESS))
    ResetBrowsers(state, context);
  RestoreHosts(context);
  if (state.netscapeConfigured) ShowNetscapeNote(context);
  return 0;
}

}  // namespace hush::uninstall
