#include "ui/framework/application.h"

#include <commctrl.h>

namespace hush::ui {

std::string ResourceString(UINT id) {
  char text[256] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
  return text;
}

void SetWindowIcons(HWND window, int iconId) {
  HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
  ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

// The common controls the program's windows use, the extended combo box
// among them.
Application::Application() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  ::InitCommonControlsEx(&classes);
}

int Application::Run() {
  if (InitInstance()) {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    exitCode_ = static_cast<int>(message.wParam);
  }
  return ExitInstance();
}

}  // namespace hush::ui
