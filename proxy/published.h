// A value that one thread replaces whole while others read it: readers get
// an immutable snapshot that stays valid for as long as they hold it.
#pragma once

#include <memory>
#include <mutex>

namespace hush {

template <typename T>
class Published {
 public:
  explicit Published(std::shared_ptr<const T> initial = std::make_shared<const T>())
      : value_(std::move(initial)) {}

  std::shared_ptr<const T> Load() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return value_;
  }

  void Store(std::shared_ptr<const T> next) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      value_.swap(next);
    }
    // The old value is released here, outside the lock.
  }

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const T> value_;
};

}  // namespace hush
