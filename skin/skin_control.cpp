#include "skin/skin_control.h"

#include <memory>

#include "skin/skinned_window.h"
#include "skin/window_skin.h"

namespace hush::skin {
namespace {

// Every instance in the process loads into and applies from this one skin.
// Controls live on the user-interface thread only.
std::shared_ptr<const Skin>& CurrentSkin() {
  static std::shared_ptr<const Skin> current = Skin::Plain();
  return current;
}

}  // namespace

SkinControl::SkinControl() : ControlObject<ISkin>(kSkinInterface, kSkinControlClass) {}

void SkinControl::ApplyProperties(const PropertyBlock& properties) {
  skinClientArea_ = PropertyNumber(properties, "m_bSkinClientArea", 1) != 0;
}

HRESULT SkinControl::LoadSkinFile(const wchar_t* path) {
  if (path == nullptr) return E_POINTER;
  std::shared_ptr<const Skin> skin = Skin::FromFile(path);
  if (skin == nullptr) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  CurrentSkin() = std::move(skin);
  return S_OK;
}

HRESULT SkinControl::ApplySkin(LONG window) {
  return DrawWithSkin(WindowFromNumber(window), CurrentSkin(), skinClientArea_) ? S_OK
                                                                                : E_INVALIDARG;
}

HRESULT SkinControl::GetWindowSkin(LONG window, IDispatch** skin) {
  if (skin == nullptr) return E_POINTER;
  *skin = nullptr;
  const HWND handle = WindowFromNumber(window);
  if (SkinOf(handle) == nullptr) return S_FALSE;
  *skin = new WindowSkin(handle);
  return S_OK;
}

}  // namespace hush::skin
