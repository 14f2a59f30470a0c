#include "windows/hosting.h"

#include <fstream>

#include "ui/framework/control_host.h"

namespace hush {

bool PrepareControlHosting() {
  if (!ui::EnableControlHosting()) return false;
  HMODULE library = ::LoadLibraryA(HUSH_SKIN_LIBRARY);
  if (library == nullptr) return false;
  // Through void* as every caller of GetProcAddress must: its type is generic.
  auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void*>(::GetProcAddress(library, "DllRegisterServer")));
  return registerServer != nullptr && registerServer() == S_OK;
}

void WriteMainSkin(const std::string& folder) {
  WriteFile(folder + "/HushSkn.skn",
            "[Skin]\r\nName=Main\r\nBackground=10,120,30\r\nText=255,255,255\r\n"
            "Frame=200,0,0\r\nFrameWidth=3\r\n");
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

COLORREF ErasedColorAt(HWND window, int x, int y) {
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 200);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  RECT all = {0, 0, 200, 200};
  ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  const COLORREF color = ::GetPixel(memory, x, y);
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return color;
}

}  // namespace hush
