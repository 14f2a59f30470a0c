// Putting looked-up texts into windows: single controls (the wizard) and
// whole dialogs whose controls take consecutive keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace hush {

// The control id that stands for the window's own caption.
inline constexpr int kCaptionControlId = 8006;

// Up to 499 characters, "#" turned into line feeds.
bool SetLocalizedItemText(HWND window, int controlId, const std::string& key,
                          const std::string& defaultText);

// Control controlIds[i] gets key firstKey + i, up to 999 characters, with
// defaults[i] when the language file lacks it; "#" stays as it is.
void LoadDialogTexts(HWND window, const std::vector<std::string>& defaults, int firstKey,
                     const std::vector<int>& controlIds);

// The same with each control's current text as its default (the caption's
// default is empty), so a missing key leaves a control as it is.
void LoadDialogTexts(HWND window, int firstKey, const std::vector<int>& controlIds);

}  // namespace hush
