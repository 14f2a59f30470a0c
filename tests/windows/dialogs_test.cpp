// The program's own small dialogs on real windows: the About box and the
// tray notice, with and without a language file.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlwapi.h>

#include <filesystem>

#include "common/app_registry.h"
#include "common/ini_file.h"
#include "common/language.h"
#include "common/registry_key.h"
#include "ui/about_dialog.h"
#include "ui/counter_dialog.h"
#include "ui/resource_ids.h"
#include "ui/settings/language_flags.h"
#include "ui/tray_notice_dialog.h"
#include "windows/hosting.h"

namespace hush {
namespace {

std::string WindowText(HWND window) {
  char text[1024] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

class ProgramDialogsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(PrepareControlHosting()); }
  void SetUp() override {
    folder_ = ini::ExecutableFolder() + "dialog-texts";
    std::filesystem::create_directories(folder_ + "/Language");
  }
  void TearDown() override {
    SetLanguageLocationSource(nullptr);
    std::filesystem::remove_all(folder_);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kProgramKey);
  }
  void UseLanguage(const std::string& key, const std::string& text) {
    SetLanguageLocationSource([this] { return LanguageLocation{folder_, "Testish"}; });
    ASSERT_TRUE(ini::WriteText("Hushwall", key, text, LanguageFilePath()));
  }
  std::string folder_;
  SkinReferences skins_;
};

TEST_F(ProgramDialogsTest, AboutBoxShowsTheVersionResourceAndAnEmptyCaptionWithoutLanguage) {
  CAboutDlg about(skins_);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(WindowText(about.hwnd()), "");  // key 12000 has no default
  EXPECT_EQ(about.ItemText(IDC_ABOUT_COPYRIGHT),
            "Copyright (C) 2026 Hushwall, www.hushwall.example");
  EXPECT_EQ(about.ItemText(IDC_ABOUT_FILE_VERSION), "1.0.0.1");
  EXPECT_EQ(about.ItemText(IDC_ABOUT_VERSION_LABEL), "Version:");
  EXPECT_EQ(about.ItemText(IDC_ABOUT_WEB_SITE), "www.hushwall.example");
}

TEST_F(ProgramDialogsTest, AboutBoxTakesItsTextsFromTheLanguageFile) {
  UseLanguage("12000", "About Hushwall");
  UseLanguage("12001", "Version :");
  CAboutDlg about(skins_);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(WindowText(about.hwnd()), "About Hushwall");
  EXPECT_EQ(about.ItemText(IDC_ABOUT_VERSION_LABEL), "Version :");
}

TEST_F(ProgramDialogsTest, TrayNoticeKeepsTheChoiceInTheRegistry) {
  RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey).WriteNumber("ShowAtStart", 1);
  UseLanguage("18002", "Never again");
  CTrayNoticeDlg notice(skins_, folder_);
  ASSERT_TRUE(notice.Create());
  EXPECT_EQ(notice.ItemText(IDC_NOTICE_DONT_SHOW), "Never again");
  EXPECT_NE(notice.ItemText(IDC_NOTICE_TEXT).find("system tray"), std::string::npos);
  notice.SetChecked(IDC_NOTICE_DONT_SHOW, true);
  ::SendMessageA(notice.hwnd(), WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(notice.showAtStart());
  DWORD showAtStart = 1;
  RegistryKey::Open(HKEY_CURRENT_USER, kProgramKey).ReadNumber("ShowAtStart", showAtStart);
  EXPECT_EQ(showAtStart, 0u);
}

// The notice is the first skinned window of a start: it takes the main look
// from its own control, and windows opened later are drawn with it.
TEST_F(ProgramDialogsTest, TrayNoticeTakesTheMainSkinThatTheAboutBoxThenWears) {
  WriteMainSkin(folder_);
  CTrayNoticeDlg notice(skins_, folder_);
  ASSERT_TRUE(notice.Create());
  ASSERT_TRUE(skins_.main);
  EXPECT_EQ(ErasedColorAt(notice.hwnd(), 20, 20), kMainBackground);

  CAboutDlg about(skins_);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(ErasedColorAt(about.hwnd(), 20, 20), kMainBackground);
  EXPECT_EQ(ErasedColorAt(about.hwnd(), 0, 0), kMainFrame);
}

TEST_F(ProgramDialogsTest, AboutBoxWithoutAMainSkinKeepsThePlainLook) {
  CAboutDlg about(skins_);
  ASSERT_TRUE(about.Create());
  EXPECT_NE(ErasedColorAt(about.hwnd(), 20, 20), kMainBackground);
}

bool BecomesHidden(HWND window) {
  const DWORD limit = ::GetTickCount() + 20000;
  while (::IsWindowVisible(window) && static_cast<LONG>(::GetTickCount() - limit) < 0) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    ::Sleep(10);
  }
  return !::IsWindowVisible(window);
}

// The counter keeps the counter look while the rest of the program wears the
// main one, rests at the screen's bottom-right corner and slides away.
TEST_F(ProgramDialogsTest, CounterWindowRestsInTheCornerInItsOwnLookAndSlidesAway) {
  WriteMainSkin(folder_);
  WriteFile(folder_ + "/popup.skn", "[Skin]\r\nBackground=250,200,40\r\n");
  UseLanguage("2001", "pop-ups stopped");
  AppRegistryValues values;
  values.path = folder_;
  values.blockedPopups = "17";
  CTrayNoticeDlg notice(skins_, folder_);
  ASSERT_TRUE(notice.Create());
  CCounterDlg counter(values, skins_);
  ASSERT_TRUE(counter.Create());

  EXPECT_FALSE(::IsWindowVisible(counter.hwnd()));
  EXPECT_EQ(counter.ItemText(IDC_COUNTER_COUNT), "17");
  EXPECT_EQ(counter.ItemText(IDC_COUNTER_LABEL), "pop-ups stopped");
  RECT frame = {};
  ::GetWindowRect(counter.hwnd(), &frame);
  EXPECT_EQ(frame.right, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(frame.bottom, ::GetSystemMetrics(SM_CYSCREEN));
  ASSERT_TRUE(skins_.counter);
  EXPECT_EQ(ErasedColorAt(counter.hwnd(), 50, 50), RGB(250, 200, 40));
  EXPECT_EQ(ErasedColorAt(notice.hwnd(), 20, 20), kMainBackground);

  values.blockedPopups = "18";
  counter.ShowCounter();
  EXPECT_TRUE(::IsWindowVisible(counter.hwnd()));
  EXPECT_EQ(counter.ItemText(IDC_COUNTER_COUNT), "18");
  ::SendMessageA(counter.hwnd(), WM_TIMER, 8005, 0);  // the five seconds are up
  EXPECT_TRUE(BecomesHidden(counter.hwnd()));
  ::GetWindowRect(counter.hwnd(), &frame);
  EXPECT_GE(frame.left, ::GetSystemMetrics(SM_CXSCREEN));

  // Shown again, it is back at its resting place.
  counter.ShowCounter();
  ::GetWindowRect(counter.hwnd(), &frame);
  EXPECT_EQ(frame.right, ::GetSystemMetrics(SM_CXSCREEN));
}

// A language without a flag, and no default flag either, gets no picture;
// the languages after it keep their own.
TEST_F(ProgramDialogsTest, EachLanguageKeepsItsOwnFlag) {
  const std::string flags = folder_ + "/Flags/";
  std::filesystem::create_directories(flags);
  for (const char* language : {"English", "German"})
    std::filesystem::copy_file(std::string(HUSH_TEST_ASSETS_DIR) + "/Flags/" + language + ".bmp",
                               flags + language + ".bmp");
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR, 0, 2);
  EXPECT_EQ(AddLanguageFlags(images, flags, {"English", "French", "German"}),
            (std::vector<int>{0, I_IMAGENONE, 1}));
  EXPECT_EQ(ImageList_GetImageCount(images), 2);
  // With a default flag, every language has a picture.
  std::filesystem::copy_file(flags + "English.bmp", flags + "default.bmp");
  EXPECT_EQ(AddLanguageFlags(images, flags, {"French", "German"}), (std::vector<int>{2, 3}));
  ImageList_Destroy(images);
}

}  // namespace
}  // namespace hush
