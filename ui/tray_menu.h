// The menu the tray icon opens: its items in the user's language, the check
// mark of "Block Ads", and showing it at the mouse.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace hush {

struct TrayMenuState {
  bool windowVisible = false;
  bool catching = false;
  bool bannerBlock = false;
};

class TrayMenu {
 public:
  // Loads the menu resource; its first item is the default (bold) one.
  bool Load();
  // Every item's text from the language file, by command id, and the check
  // mark of "Block Ads".
  void Localize(const TrayMenuState& state);
  void SetBannerBlockCheck(bool on);
  // Opens the menu at the mouse; its commands go to `owner`.
  void Track(HWND owner);
  HMENU items() const { return items_; }

 private:
  UniqueMenu menu_;
  HMENU items_ = nullptr;
};

}  // namespace hush
