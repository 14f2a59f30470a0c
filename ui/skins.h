// The program's side of the skin control: which skin interface it holds and
// the short call sequences its windows make as they open.
#pragma once

#include <windows.h>

#include <string>

#include "skin/skin_interfaces.h"
#include "ui/framework/com_ptr.h"
#include "ui/framework/dialog.h"

namespace hush {

inline constexpr char kMainSkinFile[] = "HushSkn.skn";
inline constexpr char kCounterSkinFile[] = "popup.skn";
inline constexpr char kSplashFile[] = "splash.spl";
inline constexpr int kSkinControlId = 1034;

// Held by the application object for the whole run: the main look's skin
// interface (of the window that last took it) and the counter window's.
struct SkinReferences {
  ui::ComPtr<skin::ISkin> main;
  ui::ComPtr<skin::ISkin> counter;
  void Release() {
    main.Reset();
    counter.Reset();
  }
};

// "%s\name" with the installation folder, in wide characters through the
// system's ANSI code page.
std::wstring InstalledFilePath(const std::string& installFolder, const char* name);

// Replaces `held` with the skin interface of `dialog`'s control `controlId`
// (empty when the control offers none).
void TakeSkin(ui::ComPtr<skin::ISkin>& held, const ui::Dialog& dialog, int controlId);
// Loads the installed skin file `name` through `skin`.
void LoadInstalledSkin(const ui::ComPtr<skin::ISkin>& skin, const std::string& installFolder,
                       const char* name);
void SkinWindow(const ui::ComPtr<skin::ISkin>& skin, HWND window);
// Brings a skinned window's drawing up to date (nothing when it has no skin).
void RefreshSkinnedWindow(const ui::ComPtr<skin::ISkin>& skin, HWND window);

}  // namespace hush
