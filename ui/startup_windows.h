// The windows start-up shows before the main window, and the first-run
// backup of the ActiveX zone settings. Not built yet: the splash and the
// backup.
#pragma once

#include <windows.h>

namespace hush {

void BackupActiveXZoneSettings();
void RunSplash();
// Runs the tray notice; `showAtStart` takes the user's choice.
void ShowTrayNotice(bool& showAtStart);

}  // namespace hush
