#include "ui/popups_page.h"

#include "app/resource_ids.h"

namespace hush {

CPopupDlg::CPopupDlg(SkinReferences& skins, std::string installFolder)
    : ui::PropertyPage(IDD_POPUPS_PAGE), skins_(skins), installFolder_(std::move(installFolder)) {}

bool CPopupDlg::OnInitDialog() {
  TakeSkin(skins_.main, *this, IDC_SKIN_CONTROL);
  LoadInstalledSkin(skins_.main, installFolder_, kMainSkinFile);
  SkinWindow(skins_.main, sheet());
  SkinWindow(skins_.main, hwnd());
  return true;
}

}  // namespace hush
