// The hidden window by which the helper object and the uninstaller find the
// running program (by its title). It passes the quiet-exit message on to the
// main window and ignores everything else.
#pragma once

#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "common/window_messages.h"

namespace hush {

class PresenceWindow {
 public:
  PresenceWindow() = default;
  ~PresenceWindow();
  PresenceWindow(const PresenceWindow&) = delete;
  PresenceWindow& operator=(const PresenceWindow&) = delete;

  bool Create(const std::string& title);
  void Destroy();
  // Where the quiet-exit message goes (the main window, once it exists).
  void ForwardTo(HWND mainWindow);
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  HWND forwardTo_ = nullptr;
};

// Claims the program's single-instance name. False when another instance
// (or any named kernel object of that name) already has it.
bool ClaimSingleInstance(const std::string& name, UniqueMutex& mutex);

}  // namespace hush
