// The main program's own registry values under HKEY_CURRENT_USER
// "Software\Hushwall", and its Run entry.
#pragma once

#include <windows.h>

#include <string>

namespace hush {

inline constexpr char kProgramKey[] = "Software\\Hushwall";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Hushwall";

struct AppRegistryValues {
  bool firstRun = false;
  bool showAtStart = false;
  std::string wizardMessage = "A";
  std::string language;
  std::string path;  // installation folder, no trailing backslash
  std::string blockedPopups;
  std::string userWavPath;
  DWORD closeToTray = 0;
  bool languageChanged = false;
  bool counterCleared = false;
  std::string counterClearedDate;
};

// Start-up: reads "FirstRun" (and sets it to 0 at once) and "ShowAtStart".
// Without the key both stay false and nothing is written.
void ReadStartFlags(AppRegistryValues& values);

// Start-up: reads the values the program cannot run without. False when
// the key or any of "Language", "Path", "Blocked Popups", "User Wav Path"
// is missing (a missing "Wizard Message" reads as "A").
bool LoadRegistrySettings(AppRegistryValues& values);

// Writes the counter, sound, wizard state, changed language, cleared date,
// the Run entry for `startupMode` (2: start with Windows) and "Close To
// Tray". Write failures are ignored.
void SaveRegistrySettings(const AppRegistryValues& values, int startupMode);

// Writes the count alone, right after a catch, so that a killed process or
// a shut-down Windows loses no caught pop-up.
void SaveBlockedPopups(const AppRegistryValues& values);

}  // namespace hush
