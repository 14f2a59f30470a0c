// One owner for a Windows handle: closed when the owner goes, never twice.
#pragma once

#include <windows.h>

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

// CreateFile and FindFirstFile fail with INVALID_HANDLE_VALUE, not null.
using UniqueFile = UniqueHandle<HANDLE, CloseKernelHandle, -1>;
using UniqueFind = UniqueHandle<HANDLE, CloseFindHandle, -1>;

}  // namespace hush
