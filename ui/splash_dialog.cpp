#include "ui/splash_dialog.h"

#include "skin/skin_interfaces.h"
#include "ui/resource_ids.h"
#include "ui/skins.h"

namespace hush {

CSplashDlg::CSplashDlg(std::string installFolder)
    : ui::Dialog(IDD_SPLASH), installFolder_(std::move(installFolder)) {}

bool CSplashDlg::OnInitDialog() {
  auto splash = HostedInterface<skin::ISplash>(IDC_SPLASH_CONTROL, skin::kSplashInterface);
  if (splash) {
    splash->LoadSplashFile(InstalledFilePath(installFolder_, kSplashFile).c_str());
    splash->SetClickToClose(0);
    splash->Show(0);
  }
  EndDialog(0);
  return true;
}

}  // namespace hush
