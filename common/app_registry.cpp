#include "common/app_registry.h"

#include "common/installation_folder.h"
#include "common/registry_key.h"

namespace hush {
namespace {

void WriteTextUnlessPresent(const RegistryKey& key, const char* name, const std::string& value) {
  std::string present;
  if (!key.ReadText(name, present)) key.WriteText(name, value);
}

}  // namespace

void WriteFirstStartDefaults(const std::string& installationFolder) {
  if (installationFolder.empty()) return;
  DWORD number = 0;
  if (RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey).ReadNumber("FirstRun", number)) return;
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey);
  if (!key) return;
  WriteTextUnlessPresent(key, "Language", "English");
  WriteTextUnlessPresent(key, "Blocked Popups", "0");
  WriteTextUnlessPresent(key, "User Wav Path", installationFolder + "\\Sounds\\Default.wav");
  if (!key.ReadNumber("ShowAtStart", number)) key.WriteNumber("ShowAtStart", 1);
  key.WriteNumber("FirstRun", 1);
}

void ReadStartFlags(AppRegistryValues& values) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey);
  if (!key) return;
  DWORD number = 0;
  values.firstRun = key.ReadNumber("FirstRun", number) && number != 0;
  number = 0;
  values.showAtStart = key.ReadNumber("ShowAtStart", number) && number != 0;
}

void MarkFirstRunDone() {
  if (RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_SET_VALUE))
    key.WriteNumber("FirstRun", 0);
}

bool LoadRegistrySettings(AppRegistryValues& values) {
  RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey);
  if (!key) return false;
  if (!key.ReadText("Wizard Message", values.wizardMessage)) values.wizardMessage = "A";
  values.path = InstallationFolder();
  if (values.path.empty() || !key.ReadText("Language", values.language) ||
      !key.ReadText("Blocked Popups", values.blockedPopups) ||
      !key.ReadText("User Wav Path", values.userWavPath))
    return false;
  key.ReadNumber("Close To Tray", values.closeToTray);
  return true;
}

void SaveRegistrySettings(const AppRegistryValues& values, int startupMode) {
  if (RegistryKey software =
          RegistryKey::Open(HKEY_CURRENT_USER, "Software", KEY_READ | KEY_CREATE_SUB_KEY)) {
    RegistryKey program = RegistryKey::Create(software.get(), "Hushwall");
    program.WriteText("Blocked Popups", values.blockedPopups);
    program.WriteText("User Wav Path", values.userWavPath);
    program.WriteText("Wizard Message", values.wizardMessage);
    if (values.languageChanged) program.WriteText("Language", values.language);
    if (values.counterCleared) program.WriteText("Installation Date", values.counterClearedDate);
  }
  // The Run value stays in every mode; only mode 2 gives it a program,
  // quoted so that a folder with spaces cannot start another program.
  if (RegistryKey run = RegistryKey::Open(HKEY_CURRENT_USER, kRunKey, KEY_SET_VALUE))
    run.WriteText(kRunValue, startupMode == 2 ? "\"" + values.path + "\\PopHush.exe\"" : "");
  if (RegistryKey program = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_SET_VALUE))
    program.WriteNumber("Close To Tray", values.closeToTray);
}

void SaveBlockedPopups(const AppRegistryValues& values) {
  if (RegistryKey program = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_SET_VALUE))
    program.WriteText("Blocked Popups", values.blockedPopups);
}

}  // namespace hush
