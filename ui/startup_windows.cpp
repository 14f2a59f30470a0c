#include "ui/startup_windows.h"

#include "ui/tray_notice_dialog.h"

namespace hush {

void BackupActiveXZoneSettings() {}

void RunSplash() {}

void ShowTrayNotice(bool& showAtStart) {
  CTrayNoticeDlg notice;
  if (notice.DoModal() == IDOK) showAtStart = notice.showAtStart();
}

HWND CreateMainWindow() {
  return ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace hush
