// One owner for a Windows handle: closed when the owner goes, never twice.
#pragma once

#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <wincrypt.h>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace hush {

// `Invalid` is nullptr or the number of the handle value that means "none".
template <typename Handle, auto Close, auto Invalid = nullptr>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  explicit operator bool() const { return handle_ != None(); }
  Handle get() const { return handle_; }
  Handle release() { return std::exchange(handle_, None()); }
  void reset(Handle handle = None()) {
    if (handle_ != None()) Close(handle_);
    handle_ = handle;
  }

 private:
  static Handle None() {
    if constexpr (std::is_same_v<std::remove_cv_t<decltype(Invalid)>, std::nullptr_t>)
      return nullptr;
    else
      return reinterpret_cast<Handle>(static_cast<std::intptr_t>(Invalid));
  }
  Handle handle_ = None();
};

inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void CloseFindHandle(HANDLE handle) { ::FindClose(handle); }
inline void CloseRegistryKey(HKEY key) { ::RegCloseKey(key); }
inline void DestroyMenuHandle(HMENU menu) { ::DestroyMenu(menu); }
inline void RemoveHook(HHOOK hook) { ::UnhookWindowsHookEx(hook); }
inline void DestroyImageList(HIMAGELIST images) { ::ImageList_Destroy(images); }
inline void DestroyIconHandle(HICON icon) { ::DestroyIcon(icon); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }
inline void CloseCertificateStore(HCERTSTORE store) { ::CertCloseStore(store, 0); }
inline void FreeCertificate(PCCERT_CONTEXT certificate) {
  ::CertFreeCertificateContext(certificate);
}
inline void FreeCertificateChain(PCCERT_CHAIN_CONTEXT chain) { ::CertFreeCertificateChain(chain); }
template <typename Object>
void DeleteGdiObject(Object object) {
  ::DeleteObject(object);
}

// CreateFile and FindFirstFile fail with INVALID_HANDLE_VALUE, not null.
using UniqueFile = UniqueHandle<HANDLE, CloseKernelHandle, -1>;
using UniqueFind = UniqueHandle<HANDLE, CloseFindHandle, -1>;
// Mutexes and events: closing the last handle ends them (and a mutex the
// thread owns is then abandoned, which frees it for the next claimant).
using UniqueKernelObject = UniqueHandle<HANDLE, CloseKernelHandle>;
using UniqueMutex = UniqueKernelObject;
using UniqueEvent = UniqueKernelObject;
using UniqueKey = UniqueHandle<HKEY, CloseRegistryKey>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuHandle>;
using UniqueHook = UniqueHandle<HHOOK, RemoveHook>;
// An image list that no control destroys for us (an extended combo box never
// does; a list view does unless it was told the list is shared).
using UniqueImageList = UniqueHandle<HIMAGELIST, DestroyImageList>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteMemoryDc>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject<HBRUSH>>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject<HBITMAP>>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject<HFONT>>;
using UniqueCertificateStore = UniqueHandle<HCERTSTORE, CloseCertificateStore>;
using UniqueCertificate = UniqueHandle<PCCERT_CONTEXT, FreeCertificate>;
using UniqueCertificateChain = UniqueHandle<PCCERT_CHAIN_CONTEXT, FreeCertificateChain>;

}  // namespace hush
