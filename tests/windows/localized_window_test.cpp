// Texts put into real windows under Wine: single controls, whole dialogs
// with the caption, and the "#" rules of each.
#include "ui/framework/localized_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "common/ini_file.h"
#include "common/language.h"

namespace hush {
namespace {

class LocalizedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = ini::ExecutableFolder() + "window-texts";
    std::filesystem::create_directories(folder_ + "/Language");
    SetLanguageLocationSource([this] { return LanguageLocation{folder_, "Testish"}; });
    window_ = ::CreateWindowExA(0, "STATIC", "Original caption", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    for (int id : {1001, 1002, 1003})
      ::CreateWindowExA(0, "BUTTON", ("template " + std::to_string(id)).c_str(), WS_CHILD, 0, 0, 50,
                        20, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                        nullptr);
  }
  void TearDown() override {
    ::DestroyWindow(window_);
    SetLanguageLocationSource(nullptr);
    std::filesystem::remove_all(folder_);
  }
  std::string Text(int id) {
    char text[1200] = {};
    if (id == kCaptionControlId)
      ::GetWindowTextA(window_, text, sizeof text);
    else
      ::GetDlgItemTextA(window_, id, text, sizeof text);
    return text;
  }
  void Write(const std::string& key, const std::string& value) {
    ASSERT_TRUE(ini::WriteText("Hushwall", key, value, LanguageFilePath()));
  }
  std::string folder_;
  HWND window_ = nullptr;
};

TEST_F(LocalizedWindowTest, DialogTextsFollowTheirKeysAndKeepHash) {
  Write("500", "New caption");
  Write("501", "First#label");
  Write("503", "");
  LoadDialogTexts(window_, 500, {kCaptionControlId, 1001, 1002, 1003});
  EXPECT_EQ(Text(kCaptionControlId), "New caption");
  EXPECT_EQ(Text(1001), "First#label");    // no line feed here
  EXPECT_EQ(Text(1002), "template 1002");  // missing key: unchanged
  EXPECT_EQ(Text(1003), "");               // empty value blanks it
}

TEST_F(LocalizedWindowTest, MissingCaptionKeyBlanksTheCaption) {
  LoadDialogTexts(window_, 700, {kCaptionControlId, 1001});
  EXPECT_EQ(Text(kCaptionControlId), "");
  EXPECT_EQ(Text(1001), "template 1001");
}

TEST_F(LocalizedWindowTest, SingleItemsTurnHashIntoLineFeeds) {
  Write("2901", "Choose#browsers");
  EXPECT_TRUE(SetLocalizedItemText(window_, 1001, "2901", "default"));
  EXPECT_EQ(Text(1001), "Choose\nbrowsers");
  EXPECT_TRUE(SetLocalizedItemText(window_, 1002, "2902", "the #default"));
  EXPECT_EQ(Text(1002), "the \ndefault");
}

}  // namespace
}  // namespace hush
