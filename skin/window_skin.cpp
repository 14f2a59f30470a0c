#include "skin/window_skin.h"

#include "skin/skinned_window.h"

namespace hush::skin {

HRESULT WindowSkin::RefreshSkin() {
  if (SkinOf(window_) == nullptr) return S_FALSE;
  RedrawSkinned(window_);
  return S_OK;
}

}  // namespace hush::skin
