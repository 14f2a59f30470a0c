#include "ui/startup_windows.h"

#include "ui/splash_dialog.h"
#include "ui/tray_notice_dialog.h"

namespace hush {

void RunSplash(const std::string& installFolder) {
  CSplashDlg splash(installFolder);
  splash.DoModal();
}

void ShowTrayNotice(SkinReferences& skins, const std::string& installFolder, bool& showAtStart) {
  CTrayNoticeDlg notice(skins, installFolder);
  if (notice.DoModal() == IDOK) showAtStart = notice.showAtStart();
}

}  // namespace hush
