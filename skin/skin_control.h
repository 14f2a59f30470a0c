// The skin control: loads skin files into the process-wide current skin and
// skins windows with it.
#pragma once

#include "skin/control_object.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class SkinControl : public ControlObject<ISkin> {
 public:
  SkinControl();

  HRESULT STDMETHODCALLTYPE LoadSkinFile(const wchar_t* path) override;
  HRESULT STDMETHODCALLTYPE ApplySkin(LONG window) override;
  HRESULT STDMETHODCALLTYPE GetWindowSkin(LONG window, IDispatch** skin) override;

 protected:
  void ApplyProperties(const PropertyBlock& properties) override;

 private:
  bool skinClientArea_ = true;
};

}  // namespace hush::skin
