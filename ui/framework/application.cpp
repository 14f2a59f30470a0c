#include "ui/framework/application.h"

#include <commctrl.h>

namespace hush::ui {

Application::Application() { ::InitCommonControls(); }

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
