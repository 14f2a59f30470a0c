#include "app/hushwall_app.h"

#include "app/blocker_preparation.h"
#include "app/configuration_warning.h"
#include "app/engine_publication.h"
#include "app/first_run.h"
#include "app/https_messages.h"
#include "app/user_data_setup.h"
#include "browsers/authority_files.h"
#include "browsers/hosts_file.h"
#include "common/installation_folder.h"
#include "common/language.h"
#include "common/text_ids.h"
#include "common/user_data_folder.h"
#include "proxy/blocker_script.h"
#include "proxy/platform.h"
#include "proxy/settings_store.h"
#include "ui/browser_results.h"
#include "ui/framework/control_host.h"
#include "ui/framework/dialog_look.h"
#include "ui/main_page.h"
#include "ui/resource_ids.h"
#include "ui/startup_windows.h"

namespace hush {
namespace {

// Message boxes of start-up without their own caption carry the program's
// file name without its extension.
std::string ExecutableName() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of('\\') + 1);
  return name.substr(0, name.find_last_of('.'));
}

CHushwallApp* theApp = nullptr;

}  // namespace

CHushwallApp& TheApp() { return *theApp; }

CHushwallApp::CHushwallApp() {
  theApp = this;
  SetTheProgram(this);
  SetLanguageLocationSource([this] { return LanguageLocation{values_.path, values_.language}; });
}

CHushwallApp::~CHushwallApp() {
  SetLanguageLocationSource(nullptr);
  theApp = nullptr;
  SetTheProgram(nullptr);
}

bool CHushwallApp::LoadRegistrySettings() {
  // Looked up before the language is known, as the fatal message must be.
  const std::string corrupted = GetMessageText(kCorruptedFilesMessage);
  if (hush::LoadRegistrySettings(values_)) return true;
  ::MessageBoxA(nullptr, corrupted.c_str(), ExecutableName().c_str(), MB_OK);
  return false;
}

void CHushwallApp::SaveRegistrySettings() {
  hush::SaveRegistrySettings(values_, Settings().startup.load());
}

void CHushwallApp::ClaimInstanceName(const std::string& name) {
  if (name == instanceName_) return;
  for (const std::string& claimed : claimedNames_)
    if (claimed == name) return;
  // Held even when another process has the name: ours then shares it.
  if (HANDLE mutex = ::CreateMutexA(nullptr, TRUE, name.c_str())) {
    otherInstanceNames_.emplace_back(mutex);
    claimedNames_.push_back(name);
  }
}

void CHushwallApp::ReloadSettings() {
  LoadSettings();
  LocateBlockerScript();
  hush::PrepareBlockerScript();
  proxyHost_ = Settings().popupIP.Get();
  // The settings file cannot switch catching on for browsers that do not
  // send their pages through the proxy.
  if (!configuration_.AnyBrowserConfigured()) Settings().popupCheckEnabled = 0;
  PublishSettings();
}

void CHushwallApp::PrepareBlockerScript() {
  hush::PrepareBlockerScript();
  PublishSettings();
}

void CHushwallApp::PublishSettings() { PublishEngineSettings(listener_, https_.minter()); }

bool CHushwallApp::SetHttpsFiltering(bool on) {
  const HttpsChange change = on ? https_.Enable(dataFolder_) : https_.Disable(dataFolder_);
  ShowHttpsChange(::GetActiveWindow(), HttpsChangeBoxes(change, on, dataFolder_));
  if (change.problem != HttpsProblem::kNone) {
    // A failed switch on leaves no authority behind while filtering is off.
    if (on && Settings().httpsFiltering.load() == 0) browsers::DeleteAuthorityFiles(dataFolder_);
    return false;
  }
  Settings().httpsFiltering = on ? 1 : 0;
  SaveSettings();
  PublishSettings();
  return true;
}

// The settings file may have filtering on (the user's choice at an earlier
// run, or an administrator's preset without any authority yet): the
// authority is loaded, or made and trusted, as when the user switches it
// on. When that fails filtering stays off for this run only; the setting
// stays as it is, to be tried again at the next start.
void CHushwallApp::StartHttpsFiltering() {
  if (Settings().httpsFiltering.load() == 0) return;
  const HttpsChange change = https_.Enable(dataFolder_);
  ShowHttpsChange(nullptr, HttpsChangeBoxes(change, true, dataFolder_, true));
  PublishSettings();
}

bool CHushwallApp::InitInstance() {
  instanceName_ = GetMessageText(kInstanceNameMessage);
  if (!ClaimSingleInstance(instanceName_, instanceMutex_)) return false;
  WriteFirstStartDefaults(InstallationFolder());
  ReadStartFlags(values_);
  caption_ = GetMessageText(kProductCaptionMessage);
  RefreshBrowserConfiguration(*this);
  if (!LoadRegistrySettings()) return false;
  PrepareUserFiles();
  // The hosts file's backup is the setup program's, made as it adds the
  // entry; the zones are the user's own.
  if (values_.firstRun) BackUpZonesOnFirstRun(browserContext());
  if (values_.wizardMessage == "A")
    AskAboutUnconfiguredBrowsers(configuration_, values_.wizardMessage, runWizard_);
  instanceName_ = GetMessageText(kInstanceNameMessage);
  proxyHost_ = "Hushwall";
  values_.counterCleared = false;
  if (!platform::StartSockets()) {
    ::MessageBoxA(nullptr, ui::ResourceString(IDS_SOCKETS_FAILED).c_str(), ExecutableName().c_str(),
                  MB_OK);
    return false;
  }
  ui::EnableControlHosting();
  if (!presence_.Create(instanceName_)) return false;
  ui::EnableThreeDimensionalControls();
  RunSplash(values_.path);
  EnsureHostsEntry();
  counter_ = std::make_unique<CCounterDlg>(values_, skins_);
  ReloadSettings();
  StartHttpsFiltering();
  ui::SetDialogColors(RGB(139, 185, 176), RGB(0, 0, 0));
  if (!values_.firstRun && values_.showAtStart)
    ShowTrayNotice(skins_, values_.path, values_.showAtStart);
  RunMainWindow();
  presence_.Destroy();
  return false;
}

browsers::BrowserContext CHushwallApp::browserContext() const {
  browsers::BrowserContext context;
  context.installationDirectory = values_.path;
  context.dataDirectory = dataFolder_;
  return context;
}

void CHushwallApp::PrepareUserFiles() {
  const std::string folder = UserDataFolder();
  if (!PrepareUserData(folder, values_.path)) return;
  dataFolder_ = folder;
  OverrideSettingsFilePath(FileIn(dataFolder_, kSettingsFileName));
}

// The setup program adds the entry; this only checks it, and adds it where
// the user may change the hosts file. Without it no browser reaches the
// proxy: the user is told why and what to do, and the program goes on.
void CHushwallApp::EnsureHostsEntry() {
  const browsers::HostsEdit added =
      browsers::AddHostsEntry(browsers::kProxyAddress, proxyHost_, browserContext());
  if (added == browsers::HostsEdit::kDone) return;
  std::string text =
      GetMessageText(added == browsers::HostsEdit::kUnsafeEncoding ? kUnicodeHostsMessage
                                                                   : kHostsEntryMissingMessage);
  for (int message : {kHostsByHandFolderMessage, kHostsByHandFileMessage, kHostsByHandAddMessage,
                      kHostsByHandLineMessage})
    text += GetMessageText(message);
  ::MessageBoxA(nullptr, text.c_str(), ExecutableName().c_str(), MB_OK | MB_ICONINFORMATION);
}

int CHushwallApp::RunMainWindow() {
  CMainPage mainPage;
  mainPage.DoModal();
  return 0;
}

int CHushwallApp::ExitInstance() {
  skins_.Release();
  return ui::Application::ExitInstance();
}

}  // namespace hush
