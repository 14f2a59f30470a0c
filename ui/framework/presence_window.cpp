#include "ui/framework/presence_window.h"

#include <utility>

namespace hush {
namespace {

constexpr char kClassName[] = "HushwallPresence";

bool RegisterPresenceClass(WNDPROC procedure) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  return ::RegisterClassA(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

PresenceWindow::~PresenceWindow() { Destroy(); }

void PresenceWindow::Destroy() {
  if (window_ != nullptr) ::DestroyWindow(std::exchange(window_, nullptr));
  forwardTo_ = nullptr;
}

bool PresenceWindow::Create(const std::string& title) {
  if (!RegisterPresenceClass(Procedure)) return false;
  window_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, title.c_str(), 0, 0, 0, 0, 0, nullptr,
                              nullptr, ::GetModuleHandleA(nullptr), this);
  return window_ != nullptr;
}

void PresenceWindow::ForwardTo(HWND mainWindow) { forwardTo_ = mainWindow; }

LRESULT CALLBACK PresenceWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PresenceWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == kQuietExitMessage) {
    if (self != nullptr && self->forwardTo_ != nullptr)
      ::PostMessageA(self->forwardTo_, kQuietExitMessage, wParam, lParam);
    return 0;
  }
  // Other programs' messages have no effect; not even a close.
  if (message == WM_CLOSE || message >= WM_USER) return 0;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

bool ClaimSingleInstance(const std::string& name, UniqueMutex& mutex) {
  HANDLE created = ::CreateMutexA(nullptr, TRUE, name.c_str());
  const DWORD error = ::GetLastError();
  mutex.reset(created);
  return mutex && error != ERROR_ALREADY_EXISTS && error != ERROR_INVALID_HANDLE;
}

}  // namespace hush
