#include "ui/framework/localized_window.h"

#include "common/language.h"

namespace hush {
namespace {

constexpr std::size_t kItemCapacity = 500;
constexpr std::size_t kDialogCapacity = 1000;

std::string ControlText(HWND window, int controlId) {
  if (controlId == kCaptionControlId) return {};
  HWND control = ::GetDlgItem(window, controlId);
  if (control == nullptr) return {};
  std::string text(static_cast<size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(
      static_cast<size_t>(::GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetControlText(HWND window, int controlId, const std::string& text) {
  if (controlId == kCaptionControlId)
    ::SetWindowTextA(window, text.c_str());
  else
    ::SetDlgItemTextA(window, controlId, text.c_str());
}

}  // namespace

bool SetLocalizedItemText(HWND window, int controlId, const std::string& key,
                          const std::string& defaultText) {
  return ::SetDlgItemTextA(window, controlId,
                           LookUpText(key, defaultText, kItemCapacity, true).c_str()) != FALSE;
}

void LoadDialogTexts(HWND window, const std::vector<std::string>& defaults, int firstKey,
                     const std::vector<int>& controlIds) {
  for (size_t i = 0; i < controlIds.size() && i < defaults.size(); ++i) {
    const std::string key = std::to_string(firstKey + static_cast<int>(i));
    SetControlText(window, controlIds[i], LookUpText(key, defaults[i], kDialogCapacity, false));
  }
}

void LoadDialogTexts(HWND window, int firstKey, const std::vector<int>& controlIds) {
  std::vector<std::string> defaults;
  for (int id : controlIds) defaults.push_back(ControlText(window, id));
  LoadDialogTexts(window, defaults, firstKey, controlIds);
}

}  // namespace hush
