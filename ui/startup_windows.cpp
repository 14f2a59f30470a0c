#include "ui/startup_windows.h"

namespace hush {

void BackupActiveXZoneSettings() {}

void RunSplash() {}

void ShowTrayNotice() {}

HWND CreateMainWindow() {
  return ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

}  // namespace hush
