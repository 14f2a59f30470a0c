// The object Internet Explorer creates in each browser window: it keeps the
// browser it is sited in and listens to its events only to let go of it
// when the browser quits.
#pragma once

#include <windows.h>

#include <exdisp.h>
#include <ocidl.h>

#include "cookie_helper.h"
#include "skin/com_object.h"

namespace hush::bho {

class CookieHelperObject : public skin::CountedObject<ICookieHlpr>, public IObjectWithSite {
 public:
  CookieHelperObject();
  ~CookieHelperObject() override;

  // IUnknown, for both interfaces.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IObjectWithSite.
  HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) override;
  HRESULT STDMETHODCALLTYPE GetSite(REFIID id, void** site) override;

  // IDispatch, answered from the embedded type library; Invoke also takes
  // the browser's events.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argumentError) override;

 protected:
  void* QueryOther(REFIID id) override;

 private:
  void Disconnect();
  ITypeInfo* TypeInfo();

  IWebBrowser2* browser_ = nullptr;
  DWORD cookie_ = 0;
  ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace hush::bho
