// The wizard's last page: Finish applies the choices. Setting browsers up,
// it also offers HTTPS filtering; taking them off, it does not.
#include "common/text_ids.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {

CMyPropertyPage4::CMyPropertyPage4(CProxySettingSheet& wizard)
    : WizardPage(IDD_WIZARD_FINISH, 3, wizard) {
  handlers().OnCommand(IDC_WIZ_HTTPS, [this](WORD code) {
    if (code == BN_CLICKED) wizard_.choices().httpsFiltering = IsChecked(IDC_WIZ_HTTPS);
  });
}

bool CMyPropertyPage4::OnInitDialog() {
  TakeAndApplySkin(IDC_WIZ_FINISH_SKIN);
  Show(IDC_WIZ_HTTPS, wizard_.setMode());
  Show(IDC_WIZ_HTTPS_NOTE, wizard_.setMode());
  SetChecked(IDC_WIZ_HTTPS, wizard_.choices().httpsFiltering);
  return true;
}

bool CMyPropertyPage4::OnSetActive() {
  Text(IDC_WIZ_FINISH_TEXT, kWizardFinishMessage);
  Text(IDC_WIZ_HTTPS, kHttpsSwitchMessage);
  Text(IDC_WIZ_HTTPS_NOTE, kHttpsSwitchNoteMessage);
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
