// The windows start-up shows before the main window.
#pragma once

#include <windows.h>

#include <string>

#include "ui/skins.h"

namespace hush {

// Shows the installed splash until the splash control is done with it.
void RunSplash(const std::string& installFolder);
// Runs the tray notice; `showAtStart` takes the user's choice.
void ShowTrayNotice(SkinReferences& skins, const std::string& installFolder, bool& showAtStart);

}  // namespace hush
