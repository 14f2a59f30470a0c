#include "uninstall/uninstaller.h"

#include <windows.h>

#include <string>

#include "app/installation_folder.h"
#include "app/language.h"
#include "app/registry_key.h"
#include "app/user_data_folder.h"
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

// The backup of the user who runs the removal; one an older version made in
// the installation folder when the user's folder has none.
void RestoreActiveX(const BrowserContext& context) {
  const std::string backup =
      FindUserFile(UserDataFolder(), context.installationDirectory, kZoneBackupFileName);
  if (!RestoreZoneSettings(backup)) ShowProductBox(context, 19018);
}

void AskMainProgramToQuit() {
  if (HWND program = ::FindWindowA(nullptr, GetMessageText(kTitleMessage).c_str()))
    ::PostMessageA(program, kUninstallingMessage, 0, 0);
}

void ResetInternetExplorer(ConfigurationState& state, const BrowserContext& context) {
  ConnectionSet connections = EnumerateConnections(WizardMode::kReset);
  connections.SelectAllEnabled();
  ResetInternetExplorerProxy(state, connections, RemovalChoice(state, connections), context);
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

InternetExplorerChoice RemovalChoice(const ConfigurationState& state,
                                     const ConnectionSet& connections) {
  InternetExplorerChoice choice;
  choice.lan = state.lanConfigured || LanUsesProxy();
  choice.dialUp = state.dialUpConfigured || connections.stillUsingProxy > 0;
  return choice;
}

int RunUninstall(const ShowBoxFunction& showBox) {
  // A user who never ran the program has nothing of it to undo.
  const RegistryKey product = RegistryKey::Open(HKEY_CURRENT_USER, kProductKey, KEY_READ);
  if (!product) return 0;
  const std::string path = InstallationFolder();
  std::string language;
  if (!product.ReadText("Language", language)) language = "English";
  SetLanguageLocationSource([path, language] {
    return LanguageLocation{path, language, kTextFolder, kTextCapacity};
  });
  BrowserContext context;
  context.installationDirectory = path;
  context.dataDirectory = FolderHolding(UserDataFolder(), path, kReplacedProxiesFileName);
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
