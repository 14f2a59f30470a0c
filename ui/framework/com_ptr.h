// Holds one COM interface reference and releases it.
#pragma once

#include <unknwn.h>

#include <utility>

namespace hush::ui {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }

  // Asks `from` for the interface `id`; empty when it has none.
  static ComPtr Query(IUnknown* from, REFIID id) {
    ComPtr result;
    if (from != nullptr) from->QueryInterface(id, reinterpret_cast<void**>(&result.object_));
    return result;
  }

  void Reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }
  // Where a call can put a new reference (the old one is released first).
  Interface** Receive() {
    Reset();
    return &object_;
  }
  Interface* Get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  Interface* object_ = nullptr;
};

}  // namespace hush::ui
