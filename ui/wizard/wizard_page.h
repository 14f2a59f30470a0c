// What the set-up wizard's pages share: the wizard they belong to, their
// texts by message number, the program's main skin, and the way a page
// moves on (passing through the pages it skips).
#pragma once

#include <string>

#include "ui/framework/property_page.h"
#include "ui/wizard/proxy_setting_sheet.h"

namespace hush {

inline constexpr int kBackButton = 12323;
inline constexpr int kNextButton = 12324;

class WizardPage : public ui::PropertyPage {
 public:
  WizardPage(int templateId, int index, CProxySettingSheet& wizard);

 protected:
  // Control `id` gets message `key` (its built-in text when the language
  // file lacks it).
  void Text(int id, int key) const;
  void Show(int id, bool visible) const;
  void Enable(int id, bool enabled) const;
  // The wizard's main skin from this page's skin control, put on the page.
  void TakeAndApplySkin(int controlId) const;
  void RefreshMainWindowSkin() const;
  // Next and Back through the skip rules.
  LRESULT OnWizardNext() override;
  LRESULT OnWizardBack() override;
  void OnReset() override;

  CProxySettingSheet& wizard_;
  int index_;

 private:
  LRESULT GoTo(int target, int step);
};

}  // namespace hush
