// The main program's application object: claims the single-instance name,
// reads its registry values, creates the presence window, loads the settings
// and the blocker script, and runs the main window until the program ends.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/https_authority.h"
#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "common/app_registry.h"
#include "common/unique_handle.h"
#include "proxy/proxy_listener.h"
#include "ui/counter_dialog.h"
#include "ui/framework/application.h"
#include "ui/framework/presence_window.h"
#include "ui/program.h"
#include "ui/skins.h"

namespace hush {

class CHushwallApp : public ui::Application, public Program {
 public:
  CHushwallApp();
  ~CHushwallApp() override;
  CHushwallApp(const CHushwallApp&) = delete;
  CHushwallApp& operator=(const CHushwallApp&) = delete;

  // Runs the whole start-up and the program's life; always false, so no
  // message loop follows.
  bool InitInstance() override;
  // Releases the skin interfaces.
  int ExitInstance() override;

  bool LoadRegistrySettings();
  void SaveRegistrySettings() override;
  void ReloadSettings() override;
  void PrepareBlockerScript() override;
  void PublishSettings() override;
  bool SetHttpsFiltering(bool on) override;

  AppRegistryValues& values() override { return values_; }
  const std::string& caption() const override { return caption_; }
  ProxyListener& listener() override { return listener_; }
  PresenceWindow& presence() override { return presence_; }
  SkinReferences& skins() override { return skins_; }
  // Which browsers are installed and use the proxy; the pages and the
  // wizard read and refresh it.
  browsers::ConfigurationState& configuration() override { return configuration_; }
  // The browser operations' view of this program: its folder and boxes.
  browsers::BrowserContext browserContext() const override;
  int runWizard() const override { return runWizard_; }
  // A language change may give the single-instance name another text: the
  // program then holds that name as well (the first stays held; a name
  // already taken changes nothing, and the program runs on).
  void ClaimInstanceName(const std::string& name) override;
  // Created during start-up; its window belongs to the main window.
  CCounterDlg* counter() override { return counter_.get(); }

 private:
  int RunMainWindow();
  void EnsureHostsEntry();
  void PrepareUserFiles();
  void StartHttpsFiltering();

  UniqueMutex instanceMutex_;
  std::vector<UniqueMutex> otherInstanceNames_;
  std::vector<std::string> claimedNames_;
  std::string instanceName_;
  std::string caption_;
  std::string proxyHost_;
  AppRegistryValues values_;
  // The user's data folder once it is ready; empty until then, or when it
  // cannot be made (the installation folder then serves, as it used to).
  std::string dataFolder_;
  int runWizard_ = 0;
  browsers::ConfigurationState configuration_;
  PresenceWindow presence_;
  ProxyListener listener_;
  // The user's HTTPS authority and its minter, while filtering is on.
  HttpsAuthority https_;
  SkinReferences skins_;
  std::unique_ptr<CCounterDlg> counter_;
};

// The one application object of the process.
CHushwallApp& TheApp();

}  // namespace hush
