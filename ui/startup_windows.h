// The windows start-up shows before the main window, the first-run backup of
// the ActiveX zone settings, and the main window itself. Until the window
// framework lands: no splash, no tray notice, no backup, and a hidden main
// window that only receives the program's messages.
#pragma once

#include <windows.h>

namespace hush {

void BackupActiveXZoneSettings();
void RunSplash();
void ShowTrayNotice();
HWND CreateMainWindow();

}  // namespace hush
