// The shared plumbing of the controls' objects: reference counting, the
// interface query and an IDispatch that offers no names (callers use the
// tables directly).
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <atomic>
#include <type_traits>

namespace hush::skin {

// Objects alive in this module and windows still drawn by it, and the locks
// taken through IClassFactory::LockServer, for DllCanUnloadNow. Each module
// that uses these objects defines both.
std::atomic<long>& LiveObjects();
std::atomic<long>& ServerLocks();

// Reference counting and the interface query for one interface (and
// IDispatch when the interface derives from it).
template <typename Interface>
class CountedObject : public Interface {
 public:
  explicit CountedObject(const GUID& interfaceId) : interfaceId_(interfaceId) { ++LiveObjects(); }
  virtual ~CountedObject() { --LiveObjects(); }
  CountedObject(const CountedObject&) = delete;
  CountedObject& operator=(const CountedObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    constexpr bool dispatch = std::is_base_of_v<IDispatch, Interface>;
    if (IsEqualGUID(id, IID_IUnknown) || (dispatch && IsEqualGUID(id, IID_IDispatch)) ||
        IsEqualGUID(id, interfaceId_)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = QueryOther(id);
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  // Further interfaces of the object (not counted yet), or nullptr.
  virtual void* QueryOther(REFIID) { return nullptr; }

 private:
  const GUID interfaceId_;
  std::atomic<ULONG> references_{1};
};

// A control's object: counted, with an IDispatch that offers no names.
template <typename Interface>
class ComObject : public CountedObject<Interface> {
 public:
  using CountedObject<Interface>::CountedObject;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

// A new object of one class, counted once for its caller.
using Creator = IUnknown* (*)();

// The class object of one class: makes its objects (no aggregation).
class ClassFactory : public CountedObject<IClassFactory> {
 public:
  explicit ClassFactory(Creator create)
      : CountedObject<IClassFactory>(IID_IClassFactory), create_(create) {}

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    IUnknown* created = create_();
    const HRESULT result = created->QueryInterface(id, object);
    created->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lock ? ++ServerLocks() : --ServerLocks();
    return S_OK;
  }

 private:
  Creator create_;
};

}  // namespace hush::skin
