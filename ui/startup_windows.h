// The windows start-up shows before the main window, the first-run backup of
// the ActiveX zone settings, and the main window itself. Not built yet: the
// splash, the backup, and the main window, which for now is a hidden window
// that only receives the program's messages.
#pragma once

#include <windows.h>

namespace hush {

void BackupActiveXZoneSettings();
void RunSplash();
// Runs the tray notice; `showAtStart` takes the user's choice.
void ShowTrayNotice(bool& showAtStart);
HWND CreateMainWindow();

}  // namespace hush
