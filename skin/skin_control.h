// The skin control: loads skin files into the process-wide current skin and
// skins windows with it.
#pragma once

#include "skin/com_object.h"
#include "skin/property_block.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class SkinControl : public ComObject<ISkin> {
 public:
  SkinControl();

  HRESULT STDMETHODCALLTYPE LoadSkinFile(const wchar_t* path) override;
  HRESULT STDMETHODCALLTYPE ApplySkin(LONG window) override;
  HRESULT STDMETHODCALLTYPE GetWindowSkin(LONG window, IDispatch** skin) override;

 protected:
  void* QueryOther(REFIID id) override;

 private:
  void ApplyProperties(const PropertyBlock& properties);
  PropertyPersistence persistence_;
  bool skinClientArea_ = true;
};

}  // namespace hush::skin
