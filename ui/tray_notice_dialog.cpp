#include "ui/tray_notice_dialog.h"

#include "common/app_registry.h"
#include "common/registry_key.h"
#include "common/text_ids.h"
#include "ui/framework/application.h"
#include "ui/framework/localized_window.h"
#include "ui/resource_ids.h"

namespace hush {

CTrayNoticeDlg::CTrayNoticeDlg(SkinReferences& skins, std::string installFolder)
    : ui::Dialog(IDD_TRAY_NOTICE), skins_(skins), installFolder_(std::move(installFolder)) {}

bool CTrayNoticeDlg::OnInitDialog() {
  LoadDialogTexts(hwnd(), kTrayNoticeTexts, {IDC_NOTICE_TEXT, IDC_NOTICE_DONT_SHOW, IDOK});
  ui::SetWindowIcons(hwnd(), IDI_HUSHWALL);
  TakeSkin(skins_.main, *this, IDC_SKIN_CONTROL);
  LoadInstalledSkin(skins_.main, installFolder_, kMainSkinFile);
  SkinWindow(skins_.main, hwnd());
  return true;
}

void CTrayNoticeDlg::OnOK() {
  showAtStart_ = !IsChecked(IDC_NOTICE_DONT_SHOW);
  RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_SET_VALUE)
      .WriteNumber("ShowAtStart", showAtStart_ ? 1 : 0);
  ui::Dialog::OnOK();
}

}  // namespace hush
