#include "skin/splash_window.h"

#include <utility>

#include "common/unique_handle.h"

namespace hush::skin {
namespace {

constexpr UINT_PTR kCloseTimer = 1;

struct SplashPicture {
  UniqueBitmap bitmap;
  bool clickToClose;
};

HMODULE ThisModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

void Paint(HWND window, const SplashPicture& picture) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  const UniqueMemoryDc source(::CreateCompatibleDC(dc));
  HGDIOBJ previous = ::SelectObject(source.get(), picture.bitmap.get());
  BITMAP size = {};
  ::GetObjectW(picture.bitmap.get(), sizeof size, &size);
  ::BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
  ::SelectObject(source.get(), previous);
  ::EndPaint(window, &paint);
}

LRESULT CALLBACK SplashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* picture = reinterpret_cast<SplashPicture*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (picture == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      Paint(window, *picture);
      return 0;
    case WM_TIMER:
      if (wParam == kCloseTimer) ::DestroyWindow(window);
      return 0;
    case WM_LBUTTONDOWN:
      if (picture->clickToClose) ::DestroyWindow(window);
      return 0;
    case WM_NCDESTROY:
      delete picture;
      ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterSplashClass() {
  WNDCLASSW type = {};
  type.lpfnWndProc = SplashProcedure;
  type.hInstance = ThisModule();
  type.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32514));  // IDC_APPSTARTING
  type.lpszClassName = kSplashWindowClass;
  ::RegisterClassW(&type);  // fails harmlessly once registered
}

}  // namespace

HWND OpenSplashWindow(const std::wstring& picture, UINT milliseconds, bool clickToClose) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageW(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  if (!bitmap) return nullptr;
  BITMAP size = {};
  ::GetObjectW(bitmap.get(), sizeof size, &size);
  RegisterSplashClass();
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - size.bmWidth) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - size.bmHeight) / 2;
  HWND window =
      ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSplashWindowClass, L"", WS_POPUP, left,
                        top, size.bmWidth, size.bmHeight, nullptr, nullptr, ThisModule(), nullptr);
  if (window == nullptr) return nullptr;
  // The window owns the picture from here on and frees it when destroyed.
  ::SetWindowLongPtrW(
      window, GWLP_USERDATA,
      reinterpret_cast<LONG_PTR>(new SplashPicture{std::move(bitmap), clickToClose}));
  ::SetTimer(window, kCloseTimer, milliseconds, nullptr);
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::UpdateWindow(window);
  return window;
}

void WaitForWindowToClose(HWND window) {
  MSG message;
  while (::IsWindow(window)) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // Someone asked the thread to end: leave that to its own loop.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (got < 0) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace hush::skin
