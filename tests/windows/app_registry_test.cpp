// The program's registry values in Wine's real registry: start flags, the
// values start-up cannot do without, and what a save writes.
#include "common/app_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shlwapi.h>

#include "common/registry_key.h"

namespace hush {
namespace {

class AppRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey); }
  void TearDown() override {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
    if (RegistryKey run = RegistryKey::Open(HKEY_CURRENT_USER, kRunKey, KEY_SET_VALUE))
      ::RegDeleteValueA(run.get(), kRunValue);
  }
  // What an installer writes.
  static RegistryKey Install() {
    RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey);
    key.WriteText("Path", "C:\\Program Files\\Hushwall");
    key.WriteText("Language", "English");
    key.WriteText("Blocked Popups", "17");
    key.WriteText("User Wav Path", "C:\\Program Files\\Hushwall\\Sounds\\ding.wav");
    key.WriteNumber("FirstRun", 1);
    key.WriteNumber("ShowAtStart", 1);
    return key;
  }
  static std::string Text(const char* path, const char* name) {
    std::string value = "<missing>";
    RegistryKey::Open(HKEY_CURRENT_USER, path).ReadText(name, value);
    return value;
  }
};

// "FirstRun" stays set until the first run's backups are made.
TEST_F(AppRegistryTest, StartFlagsAreReadAndFirstRunEndsWhenMarkedDone) {
  Install();
  AppRegistryValues values;
  ReadStartFlags(values);
  EXPECT_TRUE(values.firstRun);
  EXPECT_TRUE(values.showAtStart);
  ReadStartFlags(values);
  EXPECT_TRUE(values.firstRun);
  MarkFirstRunDone();
  ReadStartFlags(values);
  EXPECT_FALSE(values.firstRun);
}

// A user's first start writes the user's values, keeping any already
// there; a user who ran it before (or a count set since) is left alone.
TEST_F(AppRegistryTest, FirstStartWritesTheMissingUserValuesOnce) {
  WriteFirstStartDefaults("");
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey));
  RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteText("Language", "French");
  WriteFirstStartDefaults("C:\\Hush");
  EXPECT_EQ(Text(kProgramKey, "Language"), "French");
  EXPECT_EQ(Text(kProgramKey, "Blocked Popups"), "0");
  EXPECT_EQ(Text(kProgramKey, "User Wav Path"), "C:\\Hush\\Sounds\\Default.wav");
  AppRegistryValues values;
  ReadStartFlags(values);
  EXPECT_TRUE(values.firstRun);
  EXPECT_TRUE(values.showAtStart);

  MarkFirstRunDone();
  const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_READ | KEY_WRITE);
  key.WriteText("Blocked Popups", "17");
  key.WriteNumber("ShowAtStart", 0);
  WriteFirstStartDefaults("C:\\Hush");
  ReadStartFlags(values);
  EXPECT_FALSE(values.firstRun);
  EXPECT_FALSE(values.showAtStart);
  EXPECT_EQ(Text(kProgramKey, "Blocked Popups"), "17");
}

// The folder the setup program records for the machine comes before the
// one an older installation left among the user's values.
// Opened without asking for more, a key is only read: so reading works where
// a standard user may not write, and every writer has to ask (which the
// tests of the writers here check under Wine).
TEST_F(AppRegistryTest, KeysOpenForReadingUnlessWritingIsAsked) {
  Install();
  const RegistryKey reader = RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey);
  std::string language;
  EXPECT_TRUE(reader.ReadText("Language", language));
  EXPECT_FALSE(reader.WriteText("Language", "German"));
  EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey, KEY_SET_VALUE)
                  .WriteText("Language", "German"));
  EXPECT_EQ(Text(kProgramKey, "Language"), "German");
}

TEST_F(AppRegistryTest, TheMachinesInstallationFolderComesFirst) {
  Install();
  AppRegistryValues values;
  {
    const RegistryKey machine = RegistryKey::Create(HKEY_LOCAL_MACHINE, kProgramKey);
    machine.WriteText("Path", "D:\\Hushwall");
    ASSERT_TRUE(LoadRegistrySettings(values));
  }
  ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kProgramKey);
  EXPECT_EQ(values.path, "D:\\Hushwall");
}

TEST_F(AppRegistryTest, WithoutTheKeyNothingIsReadOrWritten) {
  AppRegistryValues values;
  ReadStartFlags(values);
  EXPECT_FALSE(values.firstRun);
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey));
  EXPECT_FALSE(LoadRegistrySettings(values));
}

TEST_F(AppRegistryTest, LoadNeedsEveryRequiredValue) {
  RegistryKey key = Install();
  AppRegistryValues values;
  ASSERT_TRUE(LoadRegistrySettings(values));
  EXPECT_EQ(values.wizardMessage, "A");  // missing: the warning is still due
  EXPECT_EQ(values.path, "C:\\Program Files\\Hushwall");
  EXPECT_EQ(values.blockedPopups, "17");
  EXPECT_EQ(values.closeToTray, 0u);
  ::RegDeleteValueA(key.get(), "Blocked Popups");
  EXPECT_FALSE(LoadRegistrySettings(values));
}

TEST_F(AppRegistryTest, SaveWritesTheRunEntryForStartWithWindowsOnly) {
  Install();
  AppRegistryValues values;
  ASSERT_TRUE(LoadRegistrySettings(values));
  values.blockedPopups = "18";
  values.wizardMessage = "N";
  values.closeToTray = 1;
  values.language = "French";  // not changed by the user: not written
  SaveRegistrySettings(values, 2);
  // Quoted: "C:\Program" cannot be started in its place.
  EXPECT_EQ(Text(kRunKey, kRunValue), "\"C:\\Program Files\\Hushwall\\PopHush.exe\"");
  EXPECT_EQ(Text(kProgramKey, "Blocked Popups"), "18");
  EXPECT_EQ(Text(kProgramKey, "Wizard Message"), "N");
  EXPECT_EQ(Text(kProgramKey, "Language"), "English");
  EXPECT_EQ(Text(kProgramKey, "Installation Date"), "<missing>");
  DWORD closeToTray = 0;
  RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey).ReadNumber("Close To Tray", closeToTray);
  EXPECT_EQ(closeToTray, 1u);

  values.languageChanged = true;
  values.counterCleared = true;
  values.counterClearedDate = "12/08/2026";
  SaveRegistrySettings(values, 1);
  EXPECT_EQ(Text(kRunKey, kRunValue), "");  // kept, with empty data
  EXPECT_EQ(Text(kProgramKey, "Language"), "French");
  EXPECT_EQ(Text(kProgramKey, "Installation Date"), "12/08/2026");

  // After a catch only the count is written.
  values.blockedPopups = "19";
  values.wizardMessage = "A";
  SaveBlockedPopups(values);
  EXPECT_EQ(Text(kProgramKey, "Blocked Popups"), "19");
  EXPECT_EQ(Text(kProgramKey, "Wizard Message"), "N");
}

}  // namespace
}  // namespace hush
