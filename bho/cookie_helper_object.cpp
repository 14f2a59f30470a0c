#include "bho/cookie_helper_object.h"

#include <exdispid.h>

#include "bho/module_files.h"

namespace hush::bho {
namespace {

// The browser's quit events.
constexpr DISPID kQuitEvents[] = {103, 253};

IConnectionPoint* BrowserEvents(IWebBrowser2* browser) {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(browser->QueryInterface(IID_IConnectionPointContainer,
                                     reinterpret_cast<void**>(&container))))
    return nullptr;
  IConnectionPoint* point = nullptr;
  container->FindConnectionPoint(DIID_DWebBrowserEvents2, &point);
  container->Release();
  return point;
}

}  // namespace

CookieHelperObject::CookieHelperObject() : CountedObject<ICookieHlpr>(IID_ICookieHlpr) {}

CookieHelperObject::~CookieHelperObject() {
  if (browser_ != nullptr) browser_->Release();
  if (typeInfo_ != nullptr) typeInfo_->Release();
}

HRESULT CookieHelperObject::QueryInterface(REFIID id, void** object) {
  return CountedObject<ICookieHlpr>::QueryInterface(id, object);
}
ULONG CookieHelperObject::AddRef() { return CountedObject<ICookieHlpr>::AddRef(); }
ULONG CookieHelperObject::Release() { return CountedObject<ICookieHlpr>::Release(); }

void* CookieHelperObject::QueryOther(REFIID id) {
  if (IsEqualGUID(id, IID_IObjectWithSite)) return static_cast<IObjectWithSite*>(this);
  // The browser's event source asks for its event interface: the dispatch
  // part takes the events.
  if (IsEqualGUID(id, DIID_DWebBrowserEvents2)) return static_cast<ICookieHlpr*>(this);
  return nullptr;
}

HRESULT CookieHelperObject::SetSite(IUnknown* site) {
  if (site == nullptr) return S_OK;
  IWebBrowser2* browser = nullptr;
  site->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser));
  if (browser_ != nullptr) browser_->Release();
  browser_ = browser;
  if (browser_ == nullptr) return S_OK;
  if (IConnectionPoint* events = BrowserEvents(browser_)) {
    events->Advise(static_cast<ICookieHlpr*>(this), &cookie_);
    events->Release();
  }
  return S_OK;
}

HRESULT CookieHelperObject::GetSite(REFIID id, void** site) {
  if (site == nullptr) return E_POINTER;
  if (browser_ != nullptr) return browser_->QueryInterface(id, site);
  *site = nullptr;
  return E_FAIL;
}

void CookieHelperObject::Disconnect() {
  if (browser_ == nullptr || cookie_ == 0) return;
  if (IConnectionPoint* events = BrowserEvents(browser_)) {
    events->Unadvise(cookie_);
    events->Release();
  }
  cookie_ = 0;
}

ITypeInfo* CookieHelperObject::TypeInfo() {
  if (typeInfo_ != nullptr) return typeInfo_;
  ITypeLib* library = nullptr;
  if (FAILED(::LoadTypeLib(ModulePath().c_str(), &library))) return nullptr;
  library->GetTypeInfoOfGuid(IID_ICookieHlpr, &typeInfo_);
  library->Release();
  return typeInfo_;
}

HRESULT CookieHelperObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT CookieHelperObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  ITypeInfo* type = TypeInfo();
  if (type == nullptr) return E_FAIL;
  type->AddRef();
  *info = type;
  return S_OK;
}

HRESULT CookieHelperObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  ITypeInfo* type = TypeInfo();
  return type == nullptr ? E_FAIL : ::DispGetIDsOfNames(type, names, count, ids);
}

HRESULT CookieHelperObject::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                   VARIANT*, EXCEPINFO*, UINT*) {
  if (parameters == nullptr) return E_INVALIDARG;
  for (DISPID quit : kQuitEvents)
    if (member == quit) Disconnect();
  return S_OK;
}

}  // namespace hush::bho
