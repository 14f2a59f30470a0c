// What tests of hosted controls share: the controls registered and ready to
// host, a skin file to load and a way to see what a window draws.
#pragma once

#include <windows.h>

#include <string>

namespace hush {

inline constexpr COLORREF kMainBackground = RGB(10, 120, 30);
inline constexpr COLORREF kMainFrame = RGB(200, 0, 0);

// Hosting on, and the control library registered as the installer does it.
bool PrepareControlHosting();
// Writes "HushSkn.skn" into `folder`: kMainBackground inside a kMainFrame
// frame, white text.
void WriteMainSkin(const std::string& folder);
void WriteFile(const std::string& path, const std::string& text);
// The colour a window's background erase leaves at a point.
COLORREF ErasedColorAt(HWND window, int x, int y);

}  // namespace hush
