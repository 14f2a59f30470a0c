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

// Start-up of a user who never ran the program (no "FirstRun" yet): writes
// the user's first values, each only when absent ("Language" English, the
// count 0, the installed default sound, "ShowAtStart" 1), then "FirstRun" 1.
// The setup program runs elevated, perhaps as another account, so these
// are the program's to write. Nothing is written without an installation
// folder.
void WriteFirstStartDefaults(const std::string& installationFolder);

// Start-up: reads "FirstRun" and "ShowAtStart". Without the key both stay
// false.
void ReadStartFlags(AppRegistryValues& values);

// Sets "FirstRun" to 0: called once the first run's backups are made, so
// that a backup that failed is tried again at the next start.
void MarkFirstRunDone();

// Start-up: reads the values the program cannot run without. False when
// the key, the installation folder (see InstallationFolder) or any of
// "Language", "Blocked Popups", "User Wav Path" is missing (a missing
// "Wizard Message" reads as "A").
bool LoadRegistrySettings(AppRegistryValues& values);

// Writes the counter, sound, wizard state, changed language, cleared date,
// the Run entry for `startupMode` (2: start with Windows) and "Close To
// Tray". Write failures are ignored.
void SaveRegistrySettings(const AppRegistryValues& values, int startupMode);

// Writes the count alone, right after a catch, so that a killed process or
// a shut-down Windows loses no caught pop-up.
void SaveBlockedPopups(const AppRegistryValues& values);

}  // namespace hush
