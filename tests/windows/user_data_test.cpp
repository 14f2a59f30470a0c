// The user's data folder: what start-up carries over from an older
// installation and seeds from the installed defaults, and where the readers
// find each file.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/user_data_setup.h"
#include "common/app_registry.h"
#include "common/user_data_folder.h"

namespace hush {
namespace {

class UserDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::string("C:\\hushtest\\userdata\\") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::filesystem::remove_all(root_, ignored_);
    std::filesystem::create_directories(Install(), ignored_);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
  }
  void TearDown() override {
    std::filesystem::remove_all(root_, ignored_);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
  }
  std::string Install() const { return root_ + "\\install"; }
  std::string Data() const { return root_ + "\\data"; }
  static void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return file ? text.str() : "<missing>";
  }

  std::string root_;
  std::error_code ignored_;
};

// An older version's files come over once and never over the user's own; a
// copy left behind later is stale and stays where it is, while the settings
// are seeded again from the installed default.
TEST_F(UserDataTest, OlderFilesAreCarriedOverOnceAndNeverOverTheUsersOwn) {
  Write(Install() + "\\HushINI.ini", "older settings");
  Write(Install() + "\\ProxyBak.ini", "older record");
  Write(Install() + "\\acRs.ini", "older backup");
  std::filesystem::create_directories(Data(), ignored_);
  Write(Data() + "\\HushINI.ini", "the user's settings");

  ASSERT_TRUE(PrepareUserData(Data(), Install()));
  EXPECT_EQ(Read(Data() + "\\HushINI.ini"), "the user's settings");
  EXPECT_EQ(Read(Data() + "\\ProxyBak.ini"), "older record");
  EXPECT_EQ(Read(Data() + "\\acRs.ini"), "older backup");

  ::DeleteFileA((Data() + "\\acRs.ini").c_str());
  ::DeleteFileA((Data() + "\\HushINI.ini").c_str());
  Write(Install() + "\\acRs.ini", "stale backup");
  ASSERT_TRUE(PrepareUserData(Data(), Install()));
  EXPECT_EQ(Read(Data() + "\\acRs.ini"), "<missing>");
  EXPECT_EQ(Read(Data() + "\\HushINI.ini"), "older settings");
}

// A fresh user gets the folder and the installed default settings, and
// nothing else; without a folder the start-up goes on with none.
TEST_F(UserDataTest, AFreshUserGetsTheFolderAndTheDefaultSettings) {
  Write(Install() + "\\HushINI.ini", "[Hushwall]\r\nPopupPort=8100\r\n");
  ::SetFileAttributesA((Install() + "\\HushINI.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(PrepareUserData(Data(), Install()));
  EXPECT_EQ(Read(Data() + "\\HushINI.ini"), "[Hushwall]\r\nPopupPort=8100\r\n");
  EXPECT_EQ(::GetFileAttributesA((Data() + "\\HushINI.ini").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_FALSE(FileExists(Data() + "\\acRs.ini"));
  ::SetFileAttributesA((Install() + "\\HushINI.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  ::SetFileAttributesA((Data() + "\\HushINI.ini").c_str(), FILE_ATTRIBUTE_NORMAL);

  EXPECT_FALSE(PrepareUserData(root_ + "\\no\\such\\folder", Install()));
  EXPECT_FALSE(PrepareUserData("", Install()));
}

// The uninstaller and the helper library read whatever exists: the user's
// file first, an older installation's copy next.
TEST_F(UserDataTest, ReadersTakeTheUsersFileBeforeAnInstalledCopy) {
  std::filesystem::create_directories(Data(), ignored_);
  Write(Install() + "\\both.ini", "");
  Write(Data() + "\\both.ini", "");
  Write(Install() + "\\older.ini", "");
  const struct {
    const char* name;
    bool withDataFolder;
    std::string expected;
  } cases[] = {
      {"both.ini", true, Data() + "\\both.ini"},
      {"older.ini", true, Install() + "\\older.ini"},
      {"none.ini", true, Data() + "\\none.ini"},
      {"none.ini", false, Install() + "\\none.ini"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindUserFile(c.withDataFolder ? Data() : "", Install(), c.name), c.expected)
        << c.name;
  EXPECT_EQ(UserDataFolder().substr(UserDataFolder().size() - 9), "\\Hushwall");
}

}  // namespace
}  // namespace hush
