#include "ui/wizard/wizard_page.h"

#include "common/message_table.h"
#include "ui/framework/localized_window.h"
#include "ui/program.h"

namespace hush {

WizardPage::WizardPage(int templateId, int index, CProxySettingSheet& wizard)
    : ui::PropertyPage(templateId), wizard_(wizard), index_(index) {}

void WizardPage::Text(int id, int key) const {
  SetLocalizedItemText(hwnd(), id, std::to_string(key), BuiltInText(key));
}

void WizardPage::Show(int id, bool visible) const {
  if (HWND item = Item(id)) ::ShowWindow(item, visible ? SW_SHOW : SW_HIDE);
}

void WizardPage::Enable(int id, bool enabled) const {
  if (HWND item = Item(id)) ::EnableWindow(item, enabled);
}

void WizardPage::TakeAndApplySkin(int controlId) const {
  SkinReferences& skins = TheProgram().skins();
  TakeSkin(skins.main, *this, controlId);
  SkinWindow(skins.main, hwnd());
}

void WizardPage::RefreshMainWindowSkin() const {
  RefreshSkinnedWindow(TheProgram().skins().main, wizard_.mainWindow());
}

// A skipped page is passed through: the page before the target (or after
// it, going back) becomes current, and the sheet's own step does the rest.
LRESULT WizardPage::GoTo(int target, int step) {
  if (target != index_ + step) SelectPage(target - step);
  return 0;
}

LRESULT WizardPage::OnWizardNext() { return GoTo(PageAfter(index_, wizard_.choices()), 1); }

LRESULT WizardPage::OnWizardBack() { return GoTo(PageBefore(index_, wizard_.choices()), -1); }

void WizardPage::OnReset() { wizard_.Cancelled(); }

}  // namespace hush
