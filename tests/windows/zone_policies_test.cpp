// Internet Explorer's zone policies in the real registry under Wine: the
// values a fresh prefix holds, seeded ones the buttons cannot show, and the
// backup the uninstaller restores from.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlwapi.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/first_run.h"
#include "browsers/zone_policies.h"
#include "common/app_registry.h"
#include "common/language.h"
#include "common/registry_key.h"
#include "common/user_data_folder.h"
#include "ui/settings/options_page.h"
#include "uninstall/uninstaller.h"

namespace hush {
namespace {

using browsers::PolicyChoice;
using browsers::ZoneChoices;
constexpr auto kEnable = PolicyChoice::kEnable;
constexpr auto kDisable = PolicyChoice::kDisable;
constexpr auto kPrompt = PolicyChoice::kPrompt;

// Keeps the zones as the prefix had them before the test.
class ZonePoliciesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int zone = 1; zone <= browsers::kZoneCount; ++zone) {
      const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(zone));
      for (const char* name : {"1001", "1004", "1200", "1201", "1405"}) {
        DWORD value = 0;
        if (key.ReadNumber(name, value)) saved_[{zone, name}] = value;
      }
    }
  }
  void TearDown() override {
    for (int zone = 1; zone <= browsers::kZoneCount; ++zone) {
      const RegistryKey key =
          RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(zone), KEY_SET_VALUE);
      for (const char* name : {"1001", "1004", "1200", "1201", "1405"}) {
        const auto found = saved_.find({zone, name});
        if (found != saved_.end())
          key.WriteNumber(name, found->second);
        else
          ::RegDeleteValueA(key.get(), name);
      }
    }
    ::DeleteFileA(kBackup);
  }
  static std::string BackupText() {
    std::ifstream file(kBackup, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string lines;
    for (char c : text.str())
      if (c != '\r') lines += c;
    return lines;
  }
  static constexpr char kBackup[] = "C:\\acRs-test.ini";
  std::map<std::pair<int, std::string>, DWORD> saved_;
};

// What a fresh Wine prefix holds (read off one): zone 1 prompts for signed
// controls, zone 4 disables everything.
TEST_F(ZonePoliciesTest, TheFreshPrefixZonesReadAndBackUpInZoneOrder) {
  EXPECT_EQ(browsers::ReadZone(1), (ZoneChoices{kPrompt, kDisable, kDisable, kEnable, kEnable}));
  EXPECT_EQ(browsers::ReadZone(2), (ZoneChoices{kEnable, kPrompt, kPrompt, kEnable, kEnable}));
  EXPECT_EQ(browsers::ReadZone(4), (ZoneChoices{kDisable, kDisable, kDisable, kDisable, kDisable}));
  ASSERT_TRUE(browsers::BackupZoneSettings(kBackup));
  EXPECT_EQ(BackupText(),
            "[Local Intranet]\n1001=1\n1004=3\n1201=3\n1200=0\n1405=0\n"
            "[Trusted Sites]\n1001=0\n1004=1\n1201=1\n1200=0\n1405=0\n"
            "[Internet]\n1001=1\n1004=3\n1201=3\n1200=0\n1405=0\n"
            "[Restricted Sites]\n1001=3\n1004=3\n1201=3\n1200=3\n1405=3\n");
  // A second backup replaces the first: still exactly twenty keys.
  const std::string first = BackupText();
  ASSERT_TRUE(browsers::BackupZoneSettings(kBackup));
  EXPECT_EQ(BackupText(), first);
}

// 65536 and other numbers on "1200" are Administrator Approved; a number
// without a button elsewhere, or a missing value, has no choice: nothing is
// written for it and the backup leaves a missing value out.
TEST_F(ZonePoliciesTest, ValuesWithoutAButtonAreNeitherShownNorWritten) {
  const RegistryKey key =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(2), KEY_READ | KEY_WRITE);
  key.WriteNumber("1001", 2);
  key.WriteNumber("1200", 65536);
  ::RegDeleteValueA(key.get(), "1004");
  const ZoneChoices read = browsers::ReadZone(2);
  EXPECT_EQ(read, (ZoneChoices{std::nullopt, std::nullopt, kPrompt, kEnable,
                               PolicyChoice::kAdministratorApproved}));
  key.WriteNumber("1200", 7);
  EXPECT_EQ(browsers::ReadZone(2)[4], PolicyChoice::kAdministratorApproved);

  ZoneChoices changed = read;
  changed[2] = kDisable;
  ASSERT_TRUE(browsers::WriteZone(2, changed));
  DWORD value = 0;
  EXPECT_TRUE(key.ReadNumber("1001", value) && value == 2);  // kept as it was
  EXPECT_FALSE(key.ReadNumber("1004", value));               // not invented
  EXPECT_TRUE(key.ReadNumber("1201", value) && value == 3);
  EXPECT_TRUE(key.ReadNumber("1200", value) && value == 65536);

  ASSERT_TRUE(browsers::BackupZoneSettings(kBackup));
  const std::string text = BackupText();
  EXPECT_NE(text.find("[Trusted Sites]\n1001=2\n1201=3\n1200=65536\n1405=0\n["), std::string::npos)
      << text;
}

TEST(SoundTitle, OnlyAWavEndingGoes) {
  const std::pair<const char*, const char*> cases[] = {{"C:\\Hushwall\\Sounds\\Chime.wav", "Chime"},
                                                       {"C:\\x\\LOUD.WAV", "LOUD"},
                                                       {"C:\\x\\song.mp3", "song.mp3"},
                                                       {"", ""},
                                                       {"ab", "ab"},
                                                       {"C:\\x\\.wav", ""},
                                                       {"Default.wav", "Default"}};
  for (const auto& [path, title] : cases) EXPECT_EQ(SoundTitle(path), title) << path;
}

// Removal writes back what the backup holds, 65536 included, and leaves a
// value the backup lacks as it is instead of loosening it to Enable.
TEST_F(ZonePoliciesTest, RemovalRestoresOnlyWhatTheBackupHolds) {
  EXPECT_FALSE(browsers::RestoreZoneSettings(kBackup + std::string(".missing")));
  std::ofstream(kBackup, std::ios::binary)
      << "[Internet]\r\n1001=0\r\n1200=65536\r\n[Restricted Sites]\r\n1405=1\r\n";
  const RegistryKey internet =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(3), KEY_READ | KEY_WRITE);
  const RegistryKey restricted =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(4), KEY_READ | KEY_WRITE);
  internet.WriteNumber("1004", 3);
  ASSERT_TRUE(browsers::RestoreZoneSettings(kBackup));
  DWORD value = 0;
  EXPECT_TRUE(internet.ReadNumber("1001", value) && value == 0);
  EXPECT_TRUE(internet.ReadNumber("1200", value) && value == 65536);
  EXPECT_TRUE(internet.ReadNumber("1004", value) && value == 3);
  EXPECT_TRUE(restricted.ReadNumber("1405", value) && value == 1);
  EXPECT_TRUE(restricted.ReadNumber("1001", value) && value == 3);  // Restricted stays restricted
}

// Without Hushwall's own key removal does nothing at all: no box, no zone
// written.
TEST_F(ZonePoliciesTest, RemovalWithoutTheProductKeyDoesNothing) {
  ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Hushwall");
  const RegistryKey internet =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(3), KEY_READ | KEY_WRITE);
  internet.WriteNumber("1001", 2);
  int boxes = 0;
  EXPECT_EQ(uninstall::RunUninstall([&](const std::string&, const std::string&, unsigned) {
              ++boxes;
              return IDOK;
            }),
            uninstall::kNothingKept);  // nothing of this user's to restore or keep
  EXPECT_EQ(boxes, 0);
  DWORD value = 0;
  EXPECT_TRUE(internet.ReadNumber("1001", value) && value == 2);
}

// A backup that failed leaves the first run to come again; once made, a
// reinstallation that asks for a first run again keeps it, so the values
// changed since do not become the "originals".
TEST_F(ZonePoliciesTest, TheFirstRunBackupIsRetriedUntilMadeAndThenKept) {
  const RegistryKey product = RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey);
  const RegistryKey internet =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(3), KEY_READ | KEY_WRITE);
  const std::string folder = "C:\\hushtest\\first-run";
  browsers::BrowserContext context;
  context.dataDirectory = folder;
  const auto firstRun = [&] {
    DWORD value = 7;
    product.ReadNumber("FirstRun", value);
    return value;
  };
  product.WriteNumber("FirstRun", 1);
  internet.WriteNumber("1001", 0);
  ::CreateDirectoryA("C:\\hushtest", nullptr);
  ::RemoveDirectoryA(folder.c_str());
  EXPECT_FALSE(BackUpZonesOnFirstRun(context));
  EXPECT_EQ(firstRun(), 1u);

  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  const std::string backup = folder + "\\acRs.ini";
  EXPECT_TRUE(BackUpZonesOnFirstRun(context));
  EXPECT_EQ(firstRun(), 0u);
  EXPECT_EQ(::GetPrivateProfileIntA("Internet", "1001", 9, backup.c_str()), 0u);

  internet.WriteNumber("1001", 3);
  product.WriteNumber("FirstRun", 1);
  EXPECT_TRUE(BackUpZonesOnFirstRun(context));
  EXPECT_EQ(::GetPrivateProfileIntA("Internet", "1001", 9, backup.c_str()), 0u);
  EXPECT_EQ(firstRun(), 0u);
  ::DeleteFileA(backup.c_str());
  ::RemoveDirectoryA(folder.c_str());
  ::SHDeleteValueA(HKEY_CURRENT_USER, kProgramKey, "FirstRun");
}

// Removal puts the zones back from the backup in the remover's own data
// folder, not from a stale copy an older version left beside the programs.
TEST_F(ZonePoliciesTest, RemovalRestoresFromTheUsersOwnBackup) {
  const std::string install = "C:\\hushtest\\removal-install";
  const std::string data = UserDataFolder();
  ::CreateDirectoryA(install.c_str(), nullptr);
  ::CreateDirectoryA(data.c_str(), nullptr);
  std::ofstream(install + "\\acRs.ini", std::ios::binary) << "[Internet]\r\n1001=3\r\n";
  std::ofstream(data + "\\acRs.ini", std::ios::binary) << "[Internet]\r\n1001=1\r\n";
  const RegistryKey machine = RegistryKey::Create(HKEY_LOCAL_MACHINE, kProgramKey);
  machine.WriteText("Path", install);
  RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteText("Language", "English");
  const RegistryKey internet =
      RegistryKey::Open(HKEY_CURRENT_USER, browsers::ZoneKeyPath(3), KEY_READ | KEY_WRITE);
  internet.WriteNumber("1001", 0);
  std::vector<std::string> boxes;
  uninstall::RunUninstall([&](const std::string& text, const std::string&, unsigned) {
    boxes.push_back(text);
    return IDOK;
  });
  DWORD value = 9;
  EXPECT_TRUE(internet.ReadNumber("1001", value) && value == 1) << value;
  for (const std::string& box : boxes) EXPECT_NE(box, GetMessageText(19018));
  ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kProgramKey);
  ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
  ::DeleteFileA((data + "\\acRs.ini").c_str());
  ::DeleteFileA((install + "\\acRs.ini").c_str());
  ::RemoveDirectoryA(install.c_str());
}

}  // namespace
}  // namespace hush
