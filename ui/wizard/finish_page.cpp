// The wizard's last page: Finish applies the choices.
#include "common/text_ids.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {

CMyPropertyPage4::CMyPropertyPage4(CProxySettingSheet& wizard)
    : WizardPage(IDD_WIZARD_FINISH, 3, wizard) {}

bool CMyPropertyPage4::OnInitDialog() {
  TakeAndApplySkin(IDC_WIZ_FINISH_SKIN);
  return true;
}

bool CMyPropertyPage4::OnSetActive() {
  Text(IDC_WIZ_FINISH_TEXT, kWizardFinishMessage);
  SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
  RefreshMainWindowSkin();
  return true;
}

bool CMyPropertyPage4::OnKillActive() {
  SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return true;
}

bool CMyPropertyPage4::OnWizardFinish() {
  wizard_.Finish();
  return true;
}

}  // namespace hush
