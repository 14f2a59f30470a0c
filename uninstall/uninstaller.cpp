#include "uninstall/uninstaller.h"

#include <windows.h>

#include <string>

#include "browsers/authority_files.h"
#include "browsers/authority_trust.h"
#include "browsers/browser_checks.h"
#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "browsers/file_io.h"
#include "browsers/hosts_file.h"
#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "browsers/opera.h"
#include "browsers/replaced_store.h"
#include "browsers/zone_policies.h"
#include "common/installation_folder.h"
#include "common/language.h"
#include "common/registry_key.h"
#include "common/show_box.h"
#include "common/user_data_folder.h"
#include "common/window_messages.h"

namespace hush::uninstall {
namespace {

using namespace browsers;

constexpr char kProductKey[] = "Software\\Hushwall";
// The uninstaller's texts are its own copies, and may be longer.
constexpr char kTextFolder[] = "Lang";
constexpr std::size_t kTextCapacity = 2001;
constexpr int kKeptBackupLines[][2] = {{kHostsBackupKept, kHostsBackupKeptMessage},
                                       {kZonesBackupKept, kZonesBackupKeptMessage},
                                       {kBrowserBackupsKept, kBrowserBackupsKeptMessage}};
constexpr int kEveryBackupKept = kHostsBackupKept | kZonesBackupKept | kBrowserBackupsKept;

void DeleteBackup(const std::string& path) {
  if (path.empty()) return;
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileA(path.c_str());
}

// The browsers under the uninstaller's policy, and how it shows its boxes.
struct Removal {
  BrowserContext context;
  ShowBoxFunction showBox;

  void ShowProductBox(int message) const {
    ShowBox(showBox, GetMessageText(message), GetMessageText(kProductCaptionMessage), MB_OK);
  }
  void Present(const std::vector<BrowserReport>& reports) const {
    for (const BrowserReport& report : reports) {
      const NoticeBox box = DescribeReport(report, kInstanceNameMessage);
      ShowBox(showBox, box.text, box.caption, box.type);
    }
  }
  void ShowNetscapeNote() const { Present({{BrowserNotice::kProfilesReset}}); }
};

// The backup of the user who runs the removal; one an older version made in
// the installation folder when the user's folder has none. A missing backup
// has nothing to keep: the user is told the zones stay.
int RestoreActiveX(const Removal& removal) {
  const std::string backup =
      FindUserFile(UserDataFolder(), removal.context.installationDirectory, kZoneBackupFileName);
  if (!FileExists(backup)) {
    removal.ShowProductBox(kZoneBackupMissingMessage);
    return kNothingKept;
  }
  if (!RestoreZoneSettings(backup)) return kZonesBackupKept;
  DeleteBackup(backup);
  return kNothingKept;
}

void AskMainProgramToQuit() {
  if (HWND program = ::FindWindowA(nullptr, GetMessageText(kInstanceNameMessage).c_str()))
    ::PostMessageA(program, kUninstallingMessage, 0, 0);
}

void ResetInternetExplorer(ConfigurationState& state, const Removal& removal) {
  ConnectionSet connections = EnumerateConnections(WizardMode::kReset);
  connections.SelectAllEnabled();
  removal.Present(
      ResetInternetExplorerProxy(state, connections, RemovalChoice(connections), removal.context)
          .reports);
}

// Whether some browser still sends its pages to Hushwall after the reset.
bool AnyBrowserStillUsesProxy(ConfigurationState& state, const BrowserContext& context) {
  if (IsInternetExplorerConfigured() ||
      EnumerateConnections(WizardMode::kReset).stillUsingProxy > 0)
    return true;
  if (IsNetscapeConfigured()) return true;
  if (!state.opera6Installed && !state.opera7Installed) return false;
  ConfigurationState opera = state;
  UpdateOperaConfiguredFlags(opera, opera.opera6Installed, opera.opera7Installed, context);
  return opera.opera6Configured || opera.opera7Configured;
}

void ResetBrowsers(ConfigurationState& state, const Removal& removal) {
  const BrowserContext& context = removal.context;
  state.ReadConfiguredFlags();
  DetectBrowsers(state, context);
  if (!state.lanConfigured && !state.dialUpConfigured)
    state.internetExplorerUsesProxy = IsInternetExplorerConfigured();
  if (!state.netscapeConfigured && state.netscapeInstalled)
    state.netscapeConfigured = IsNetscapeConfigured();
  if ((!state.opera6Configured && state.opera6Installed) ||
      (!state.opera7Configured && state.opera7Installed))
    UpdateOperaConfiguredFlags(state, state.opera6Installed, state.opera7Installed, context);

  if (state.internetExplorerUsesProxy || state.lanConfigured || state.dialUpConfigured)
    ResetInternetExplorer(state, removal);
  if (state.netscapeConfigured) {
    ProfileSet profiles;
    EnumerateProfiles(profiles, WizardMode::kReset);
    profiles.SelectAllEnabled();
    removal.Present(ResetNetscapeProxy(profiles, state, context).reports);
    removal.ShowNetscapeNote();
  }
  if (state.opera6Configured || state.opera7Configured) {
    OperaSettings opera;
    opera.opera6Wanted = state.opera6Configured;
    opera.opera7Wanted = state.opera7Configured;
    removal.Present(ResetOperaProxy(opera, state, context).reports);
  }
}

// The record of replaced proxies goes once no browser needs it any more.
int RestoreBrowsers(ConfigurationState& state, const Removal& removal) {
  if (RegistryKey::Open(HKEY_CURRENT_USER, kProxySettingKey)) ResetBrowsers(state, removal);
  if (AnyBrowserStillUsesProxy(state, removal.context)) return kBrowserBackupsKept;
  DeleteBackup(removal.context.DataFile(kReplacedSettingsFile));
  return kNothingKept;
}

// HTTPS filtering's authority: out of the user's Root store and profiles,
// and its key and certificate deleted. Whatever stays is named.
void RemoveHttpsAuthority(const Removal& removal) {
  const AuthorityTrustOutcome untrust = UntrustAuthorities();
  const std::string caption = GetMessageText(kProductCaptionMessage);
  if (untrust.rootStore != RootStoreChange::kDone)
    ShowBox(removal.showBox, GetMessageText(kHttpsAuthorityNotRemovedMessage), caption,
            MB_OK | MB_ICONWARNING);
  if (!untrust.profilesLeftAlone.empty()) {
    std::string text = GetMessageText(kHttpsProfilesNotClearedMessage);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
      text.replace(at, 2, JoinedNames(untrust.profilesLeftAlone));
    ShowBox(removal.showBox, text, caption, MB_OK | MB_ICONWARNING);
  }
  const std::string folder = UserDataFolder();
  if (!DeleteAuthorityFiles(folder)) {
    std::string text = GetMessageText(kHttpsFilesLeftMessage);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
      text.replace(at, 2, folder);
    ShowBox(removal.showBox, text, caption, MB_OK | MB_ICONWARNING);
  }
}

int RestoreHosts(const Removal& removal) {
  const std::string hosts = GetHostsFilePath(removal.context);
  if (hosts.empty()) {
    removal.ShowProductBox(kHostsNotFoundMessage);
    return kHostsBackupKept;
  }
  const HostsRestore result = RestoreHostsFile(hosts, removal.context);
  if (result == HostsRestore::kUnsafeEncoding) removal.ShowProductBox(kUnicodeHostsMessage);
  return result == HostsRestore::kRestored ? kNothingKept : kHostsBackupKept;
}

void ReportKeptBackups(const Removal& removal, int kept) {
  if (kept == kNothingKept) return;
  std::string text = GetMessageText(kNotRestoredMessage);
  for (const auto& [bit, message] : kKeptBackupLines)
    if (kept & bit) text += GetMessageText(message);
  ShowBox(removal.showBox, text, GetMessageText(kProductCaptionMessage), MB_OK | MB_ICONWARNING);
}

}  // namespace

InternetExplorerChoice RemovalChoice(const ConnectionSet& connections) {
  InternetExplorerChoice choice;
  choice.lan = LanUsesProxy();
  choice.dialUp = connections.stillUsingProxy > 0;
  return choice;
}

int RunUninstall(const ShowBoxFunction& showBox) {
  const std::string path = InstallationFolder();
  const RegistryKey product = RegistryKey::Open(HKEY_CURRENT_USER, kProductKey, KEY_READ);
  std::string language;
  if (!product || !product.ReadText("Language", language)) language = "English";
  SetLanguageLocationSource([path, language] {
    return LanguageLocation{path, language, kTextFolder, kTextCapacity};
  });
  Removal removal;
  removal.context.installationDirectory = path;
  removal.context.dataDirectory = FolderHolding(UserDataFolder(), path, kReplacedProxiesFileName);
  removal.context.policy = kUninstallerPolicy;
  removal.showBox = showBox;

  // A user who never ran the program has nothing of theirs to undo; the
  // hosts entry is the setup program's and goes all the same.
  int kept = product ? RestoreActiveX(removal) : kNothingKept;
  ConfigurationState state;
  if (product) {
    AskMainProgramToQuit();
    kept |= RestoreBrowsers(state, removal);
    RemoveHttpsAuthority(removal);
  }
  kept |= RestoreHosts(removal);
  if (state.netscapeConfigured) removal.ShowNetscapeNote();
  ReportKeptBackups(removal, kept);
  return kept;
}

}  // namespace hush::uninstall
