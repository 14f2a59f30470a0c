// The main program's application object: claims the single-instance name,
// reads its registry values, creates the presence window, loads the settings
// and the blocker script, and runs the main window until the program ends.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_registry.h"
#include "app/presence_window.h"
#include "app/unique_handle.h"
#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "proxy/proxy_listener.h"
#include "ui/counter_dialog.h"
#include "ui/framework/application.h"
#include "ui/skins.h"

namespace hush {

class CHushwallApp : public ui::Application {
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
  void SaveRegistrySettings();
  void ReloadSettings();

  AppRegistryValues& values() { return values_; }
  const std::string& caption() const { return caption_; }
  ProxyListener& listener() { return listener_; }
  PresenceWindow& presence() { return presence_; }
  SkinReferences& skins() { return skins_; }
  // Which browsers are installed and use the proxy; the pages and the
  // wizard read and refresh it.
  browsers::ConfigurationState& configuration() { return configuration_; }
  // The browser operations' view of this program: its folder and boxes.
  browsers::BrowserContext browserContext() const;
  int runWizard() const { return runWizard_; }
  // A language change may give the single-instance name another text: the
  // program then holds that name as well (the first stays held; a name
  // already taken changes nothing, and the program runs on).
  void ClaimInstanceName(const std::string& name);
  // Created during start-up; its window belongs to the main window.
  CCounterDlg* counter() { return counter_.get(); }

 private:
  int RunMainWindow();
  void EnsureHostsEntry();
  void PrepareUserFiles();

  HANDLE instanceMutex_ = nullptr;
  std::vector<UniqueHandle<HANDLE, CloseKernelHandle>> otherInstanceNames_;
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
  SkinReferences skins_;
  std::unique_ptr<CCounterDlg> counter_;
};

// The one application object of the process.
CHushwallApp& TheApp();

}  // namespace hush
