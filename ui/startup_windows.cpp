#include "ui/startup_windows.h"

#include "ui/tray_notice_dialog.h"

namespace hush {

void BackupActiveXZoneSettings() {}

void RunSplash() {}

void ShowTrayNotice(bool& showAtStart) {
  CTrayNoticeDlg notice;
  if (notice.DoModal() == IDOK) showAtStart = notice.showAtStart();
}

}  // namespace hush
