// The application-wide look of the program's dialogs.
#pragma once

#include <windows.h>

namespace hush::ui {

// From now on dialogs of this framework draw their background and plain
// controls' texts in these colours (skinned windows draw their own).
void SetDialogColors(COLORREF background, COLORREF text);
// The brush for a WM_CTLCOLOR* message under the colours set, or nullptr
// while none are.
HBRUSH DialogColorBrush(HDC dc);
// Switches dialogs to the three-dimensional control look. Every Windows since
// 95 draws dialog controls that way by itself, so nothing is loaded.
inline void EnableThreeDimensionalControls() {}

}  // namespace hush::ui
