// Loading and saving the settings record from "HushINI.ini", section
// "Hushwall", in the program's folder.
#pragma once

#include <string>

#include "proxy/proxy_settings.h"

namespace hush {

// The program's one settings record.
ProxySettings& Settings();

// The full path of the settings file; worked out afresh on every call.
std::string SettingsFilePath();

// Points the store at another file (the native relay tool and tests); an
// empty path goes back to the program's folder.
void OverrideSettingsFilePath(std::string path);

void LoadSettings();
void SaveSettings();

}  // namespace hush
