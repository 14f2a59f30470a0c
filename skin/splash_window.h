// The splash's own window: a borderless, topmost picture in the middle of the
// screen that goes away by itself after its time.
#pragma once

#include <windows.h>

#include <string>

namespace hush::skin {

inline constexpr wchar_t kSplashWindowClass[] = L"HushSplashWindow";

// nullptr when the picture cannot be loaded.
HWND OpenSplashWindow(const std::wstring& picture, UINT milliseconds, bool clickToClose);
// Runs the thread's messages until the window has gone.
void WaitForWindowToClose(HWND window);

}  // namespace hush::skin
