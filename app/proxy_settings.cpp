#include "app/proxy_settings.h"

namespace hush {

SharedText::SharedText(std::string initial)
    : value_(std::make_shared<const std::string>(std::move(initial))) {}

std::string SharedText::Get() const {
  std::shared_ptr<const std::string> snapshot;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    snapshot = value_;
  }
  return *snapshot;
}

void SharedText::Set(std::string text) {
  auto next = std::make_shared<const std::string>(std::move(text));
  std::lock_guard<std::mutex> lock(mutex_);
  value_.swap(next);
  // The old snapshot is released outside the lock, when `next` goes.
}

ProxySettings& Settings() {
  static ProxySettings settings;
  return settings;
}

}  // namespace hush
