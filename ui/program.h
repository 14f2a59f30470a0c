// What the windows need of the running program. The application object
// (app/) provides it and registers itself; the windows reach it through
// TheProgram(), so they never depend on how the program is composed.
#pragma once

#include <string>

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"
#include "common/app_registry.h"
#include "ui/skins.h"

namespace hush {

class CCounterDlg;
class PresenceWindow;
class ProxyListener;

class Program {
 public:
  virtual AppRegistryValues& values() = 0;
  virtual const std::string& caption() const = 0;
  virtual ProxyListener& listener() = 0;
  virtual PresenceWindow& presence() = 0;
  virtual SkinReferences& skins() = 0;
  // Which browsers are installed and use the proxy; the pages and the
  // wizard read and refresh it.
  virtual browsers::ConfigurationState& configuration() = 0;
  // The browser operations' view of this program: its folders.
  virtual browsers::BrowserContext browserContext() const = 0;
  virtual int runWizard() const = 0;
  // Created during start-up; its window belongs to the main window.
  virtual CCounterDlg* counter() = 0;
  virtual void SaveRegistrySettings() = 0;
  virtual void ReloadSettings() = 0;
  // Reads the blocker script file again and hands it to the engine.
  virtual void PrepareBlockerScript() = 0;
  // Hands the engine the settings as they are now: every change it must see
  // (catching switched, the sound, the wizard's upstream proxy) is published.
  virtual void PublishSettings() = 0;
  // Switches HTTPS filtering on (making the user's authority and having it
  // trusted, which Windows asks the user to confirm) or off (taking the
  // authority out of every store and profile and deleting its key), saves
  // the setting and publishes it. False when it could not be done; the
  // setting is then left as it was and the program has told the user why.
  virtual bool SetHttpsFiltering(bool on) = 0;
  // A language change may give the single-instance name another text: the
  // program then holds that name as well.
  virtual void ClaimInstanceName(const std::string& name) = 0;

 protected:
  ~Program() = default;
};

// The one running program of the process; set while it lives.
Program& TheProgram();
void SetTheProgram(Program* program);

}  // namespace hush
