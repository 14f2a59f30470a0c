// The program's icon in the notification area: added (again after the shell
// restarts), switched between the "catching on" and "off" pictures, given
// its tip, and removed when the program ends.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace hush {

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon for `owner`, which gets `callbackMessage` for the mouse.
  // False when the shell has no notification area (yet).
  bool Add(HWND owner, UINT callbackMessage, bool catching);
  // The picture for the catching state, changed only when it differs.
  void ShowCatching(bool catching);
  void SetTip(const std::string& tip);
  void Remove();
  bool added() const { return added_; }

  // The record the shell is given: this program's own size of it, and a
  // tip cut so that it always ends inside its buffer.
  static NOTIFYICONDATAA Record(HWND owner, const std::string& tip = {});

 private:
  HWND owner_ = nullptr;
  bool added_ = false;
  bool shownCatching_ = false;
};

}  // namespace hush
