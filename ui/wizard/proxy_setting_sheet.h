// The set-up wizard: which browsers to point at the proxy (set mode) or to
// take off it (reset mode), the Opera versions and Internet Explorer
// connections, the Mozilla and Firefox profiles, and Finish, which applies
// the choices in the order Internet Explorer, Netscape, Opera.
#pragma once

#include <memory>

#include "browsers/internet_explorer.h"
#include "browsers/mozilla_profiles.h"
#include "ui/framework/property_sheet.h"
#include "ui/wizard/wizard_rules.h"

namespace hush {

class CMyPropertyPage1;
class CMyPropertyPage2;
class CMyPropertyPage3;
class CMyPropertyPage4;

class CProxySettingSheet : public ui::PropertySheet {
 public:
  // `mainWindow` is the window whose skin the pages refresh.
  CProxySettingSheet(browsers::WizardMode mode, HWND mainWindow);
  ~CProxySettingSheet() override;

  WizardChoices& choices() { return choices_; }
  browsers::ConnectionSet& connections() { return connections_; }
  browsers::ProfileSet& profiles() { return profiles_; }
  browsers::WizardMode mode() const { return choices_.mode; }
  bool setMode() const { return choices_.mode == browsers::WizardMode::kSet; }
  HWND mainWindow() const { return mainWindow_; }

  // Applies the choices (once).
  void Finish();
  // Cancelled: the start-up warning is to be shown again.
  void Cancelled();

 protected:
  void OnInitialized() override;

 private:
  void LocalizeButtons();
  WizardChoices choices_;
  browsers::ConnectionSet connections_;
  browsers::ProfileSet profiles_;
  HWND mainWindow_;
  bool finished_ = false;
  std::unique_ptr<CMyPropertyPage1> page1_;
  std::unique_ptr<CMyPropertyPage2> page2_;
  std::unique_ptr<CMyPropertyPage3> page3_;
  std::unique_ptr<CMyPropertyPage4> page4_;
};

}  // namespace hush
