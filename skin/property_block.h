// A control's initial properties: "name=value" lines, as a hosting dialog
// keeps them in its initialisation data and hands them over through
// IPersistStreamInit.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace hush::skin {

using PropertyBlock = std::map<std::string, std::string>;

// Lines without "=" are skipped; a later line with the same name wins.
PropertyBlock ParsePropertyBlock(std::string_view text);
// The number a property holds, or `fallback` when absent or not a number.
long PropertyNumber(const PropertyBlock& block, const std::string& name, long fallback);

// The IPersistStreamInit of a control, living inside it: counts references on
// its owner and hands the properties it reads to `apply`.
class PropertyPersistence : public IPersistStreamInit {
 public:
  PropertyPersistence(IUnknown& owner, const GUID& classId,
                      std::function<void(const PropertyBlock&)> apply)
      : owner_(owner), classId_(classId), apply_(std::move(apply)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    return owner_.QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(IStream* stream) override;
  HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitNew() override;

 private:
  IUnknown& owner_;
  GUID classId_;
  std::function<void(const PropertyBlock&)> apply_;
};

}  // namespace hush::skin
