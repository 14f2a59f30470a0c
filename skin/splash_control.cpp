#include "skin/splash_control.h"

#include <algorithm>

#include "skin/splash_window.h"

namespace hush::skin {
namespace {

std::wstring ReadSplashValue(const wchar_t* path, const wchar_t* key) {
  wchar_t text[MAX_PATH] = {};
  ::GetPrivateProfileStringW(L"Splash", key, L"", text, MAX_PATH, path);
  return text;
}

// A picture named without a folder lies beside the splash file.
std::wstring BesideFile(const std::wstring& file, const std::wstring& name) {
  const bool absolute = name.find(L':') != std::wstring::npos || name.rfind(L"\\", 0) == 0;
  const size_t slash = file.find_last_of(L"\\/");
  if (absolute || slash == std::wstring::npos) return name;
  return file.substr(0, slash + 1) + name;
}

}  // namespace

SplashControl::SplashControl() : ControlObject<ISplash>(kSplashInterface, kSplashControlClass) {}

SplashControl::~SplashControl() {
  if (::IsWindow(window_)) ::DestroyWindow(window_);
}

void SplashControl::ApplyProperties(const PropertyBlock& properties) {
  displayTime_ = std::max(0L, PropertyNumber(properties, "DisplayTime", displayTime_));
  timeLimit_ = std::max(0L, PropertyNumber(properties, "TimeLimit", timeLimit_));
}

HRESULT SplashControl::LoadSplashFile(const wchar_t* path) {
  if (path == nullptr) return E_POINTER;
  if (::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) {
    picture_.clear();
    return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  }
  const std::wstring picture = ReadSplashValue(path, L"Picture");
  picture_ = picture.empty() ? std::wstring{} : BesideFile(path, picture);
  const std::wstring duration = ReadSplashValue(path, L"Duration");
  fileDuration_ = duration.empty() ? -1 : std::max(0L, std::wcstol(duration.c_str(), nullptr, 10));
  return S_OK;
}

HRESULT SplashControl::SetClickToClose(LONG enabled) {
  clickToClose_ = enabled != 0;
  return S_OK;
}

HRESULT SplashControl::Show(LONG returnAtOnce) {
  if (picture_.empty() || ::IsWindow(window_)) return S_FALSE;
  const long time = std::min(fileDuration_ >= 0 ? fileDuration_ : displayTime_, timeLimit_);
  window_ = OpenSplashWindow(picture_, static_cast<UINT>(time), clickToClose_);
  if (window_ == nullptr) return S_FALSE;
  if (returnAtOnce == 0) WaitForWindowToClose(window_);
  return S_OK;
}

}  // namespace hush::skin
