// The tray icon's record and the tray menu, in process: the menu's texts
// follow the language file and the state of the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "common/language.h"
#include "common/message_table.h"
#include "ui/resource_ids.h"
#include "ui/tray_icon.h"
#include "ui/tray_menu.h"

namespace hush {
namespace {

std::string ItemText(HMENU menu, UINT id) {
  char text[256] = {};
  ::GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND);
  return text;
}

bool Checked(HMENU menu, UINT id) {
  return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

TEST(TrayMenu, ItemsFollowTheLanguageAndTheProgramsState) {
  SetLanguageLocationSource([] { return LanguageLocation{HUSH_TEST_ASSETS_DIR, "French"}; });
  TrayMenu menu;
  ASSERT_TRUE(menu.Load());
  menu.Localize({true, false, true});
  EXPECT_EQ(ItemText(menu.items(), ID_TRAY_SHOW), GetMessageText(7002));
  EXPECT_EQ(ItemText(menu.items(), ID_TRAY_ENABLE), GetMessageText(7003));
  EXPECT_EQ(ItemText(menu.items(), ID_HELP_COMMAND), GetMessageText(10004));
  EXPECT_NE(GetMessageText(7003), BuiltInText(7003));  // really translated
  EXPECT_TRUE(Checked(menu.items(), ID_TRAY_BLOCK_ADS));
  menu.Localize({false, true, false});
  EXPECT_EQ(ItemText(menu.items(), ID_TRAY_SHOW), GetMessageText(7001));
  EXPECT_EQ(ItemText(menu.items(), ID_TRAY_ENABLE), GetMessageText(7004));
  EXPECT_FALSE(Checked(menu.items(), ID_TRAY_BLOCK_ADS));
  // The first item stays the default one after its text changed.
  EXPECT_EQ(::GetMenuDefaultItem(menu.items(), FALSE, 0), static_cast<UINT>(ID_TRAY_SHOW));
  SetLanguageLocationSource(nullptr);
}

TEST(TrayIcon, TheRecordHasThisProgramsSizeAndATipThatEnds) {
  const NOTIFYICONDATAA record = TrayIcon::Record(nullptr, std::string(300, 'x'));
  EXPECT_EQ(record.cbSize, sizeof record);
  EXPECT_GT(record.cbSize, 488u);  // the old 32-bit size would cut the record short
  EXPECT_EQ(std::strlen(record.szTip), sizeof record.szTip - 1);
}

}  // namespace
}  // namespace hush
