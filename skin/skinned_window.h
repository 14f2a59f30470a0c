// Puts a skin on a window: the window's background, frame and the colours of
// its plain controls come from the skin until the window is destroyed.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/skin.h"

namespace hush::skin {

// `clientArea` false draws only the frame, leaving the window's own
// background and control colours. Applying again replaces the skin.
bool DrawWithSkin(HWND window, std::shared_ptr<const Skin> skin, bool clientArea);
// The skin a window is drawn with, or nullptr.
std::shared_ptr<const Skin> SkinOf(HWND window);
// Redraws a skinned window and every child window, frame included.
void RedrawSkinned(HWND window);

}  // namespace hush::skin
