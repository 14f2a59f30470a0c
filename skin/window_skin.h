// The skin object of one skinned window.
#pragma once

#include "skin/com_object.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class WindowSkin : public ComObject<IWindowSkin> {
 public:
  explicit WindowSkin(HWND window)
      : ComObject<IWindowSkin>(kWindowSkinInterface), window_(window) {}

  // Redraws the window with its skin, reaching child windows created since it
  // was skinned and texts that changed. S_FALSE once the window has gone.
  HRESULT STDMETHODCALLTYPE RefreshSkin() override;

 private:
  HWND window_;
};

}  // namespace hush::skin
