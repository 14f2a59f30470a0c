#include "ui/tray_menu.h"

#include <string>

#include "common/language.h"
#include "common/text_ids.h"
#include "ui/resource_ids.h"

namespace hush {
namespace {

// Replaces only the text: the default item stays bold, checks stay.
void SetItemText(HMENU menu, UINT id, const std::string& text) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = const_cast<char*>(text.c_str());
  ::SetMenuItemInfoA(menu, id, FALSE, &item);
}

}  // namespace

bool TrayMenu::Load() {
  menu_.reset(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
  items_ = menu_ ? ::GetSubMenu(menu_.get(), 0) : nullptr;
  if (items_ != nullptr) ::SetMenuDefaultItem(items_, 0, TRUE);
  return items_ != nullptr;
}

void TrayMenu::Localize(const TrayMenuState& state) {
  if (items_ == nullptr) return;
  const std::pair<UINT, int> texts[] = {
      {ID_TRAY_SHOW, state.windowVisible ? kTrayHideMessage : kTrayShowMessage},
      {ID_TRAY_ENABLE, state.catching ? kTrayDisableMessage : kTrayEnableMessage},
      {ID_TRAY_COUNTER_WINDOW, kTrayCounterWindowMessage},
      {ID_TRAY_EXIT, kTrayExitMessage},
      {ID_TRAY_CLEAR_COUNTER, kTrayClearCounterMessage},
      {ID_TRAY_BLOCK_ADS, kTrayBlockAdsMessage},
      {ID_HELP_COMMAND, kHelpButtonMessage},
  };
  for (const auto& [id, message] : texts) SetItemText(items_, id, GetMessageText(message));
  SetBannerBlockCheck(state.bannerBlock);
}

void TrayMenu::SetBannerBlockCheck(bool on) {
  if (items_ != nullptr)
    ::CheckMenuItem(items_, ID_TRAY_BLOCK_ADS, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void TrayMenu::Track(HWND owner) {
  if (items_ == nullptr) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // Without the foreground the menu would not close on a click elsewhere.
  ::SetForegroundWindow(owner);
  ::TrackPopupMenu(items_, TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  ::PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace hush
