#include "common/diagnostic.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "common/debug_output.h"

namespace hush {
namespace {

std::mutex observerMutex;
std::function<void(const std::string&)> observer;
std::atomic<bool> observerInstalled{false};

}  // namespace

void SetDiagnosticObserver(std::function<void(const std::string&)> next) {
  std::lock_guard<std::mutex> lock(observerMutex);
  observer = std::move(next);
  observerInstalled.store(static_cast<bool>(observer));
}

bool DiagnosticsWanted() {
#ifndef NDEBUG
  return true;
#else
  return observerInstalled.load(std::memory_order_relaxed);
#endif
}

void ReportDiagnostic(const std::string& text) {
  if (observerInstalled.load(std::memory_order_relaxed)) {
    std::lock_guard<std::mutex> lock(observerMutex);
    if (observer) observer(text);
  }
  DebugOutput(text);
}

std::string FormatText(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list measure;
  va_copy(measure, arguments);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  return text;
}

}  // namespace hush
