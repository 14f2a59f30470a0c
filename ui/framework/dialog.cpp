#include "ui/framework/dialog.h"

#include <vector>

#include "ui/framework/control_host.h"
#include "ui/framework/dialog_look.h"

namespace hush::ui {
namespace {

constexpr char kObjectProperty[] = "HushwallDialogObject";

// Messages whose answer the dialog procedure returns itself instead of
// leaving it in DWLP_MSGRESULT.
bool AnsweredDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
}

}  // namespace

Dialog::~Dialog() {
  if (modeless_ && window_ != nullptr) ::DestroyWindow(window_);
}

INT_PTR Dialog::DoModal(HWND parent) {
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent,
                           DialogProcedure, reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
  modeless_ = true;
  return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent,
                              DialogProcedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
  if (modeless_) {
    ::DestroyWindow(window_);
  } else {
    ::EndDialog(window_, result);
  }
}

std::string Dialog::ItemText(int controlId) const {
  HWND item = Item(controlId);
  std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(item)) + 1, '\0');
  ::GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
  return text.data();
}

void Dialog::SetItemText(int controlId, const std::string& text) const {
  ::SetDlgItemTextA(window_, controlId, text.c_str());
}

bool Dialog::IsChecked(int controlId) const {
  return ::IsDlgButtonChecked(window_, controlId) == BST_CHECKED;
}

void Dialog::SetChecked(int controlId, bool checked) const {
  ::CheckDlgButton(window_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Dialog::EnableItems(std::span<const int> controlIds, bool enable) const {
  for (int id : controlIds) ::EnableWindow(Item(id), enable ? TRUE : FALSE);
}

Dialog* Dialog::FromWindow(HWND window) {
  return static_cast<Dialog*>(::GetPropA(window, kObjectProperty));
}

void Dialog::Attach(HWND window) {
  window_ = window;
  ::SetPropA(window, kObjectProperty, this);
}

INT_PTR CALLBACK Dialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) reinterpret_cast<Dialog*>(lParam)->Attach(window);
  Dialog* self = FromWindow(window);
  if (self == nullptr) return FALSE;
  const INT_PTR result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::RemovePropA(window, kObjectProperty);
    self->window_ = nullptr;
  }
  return result;
}

INT_PTR Dialog::Deliver(UINT message, LRESULT answer) {
  if (AnsweredDirectly(message)) return static_cast<INT_PTR>(answer);
  ::SetWindowLongPtrA(window_, DWLP_MSGRESULT, answer);
  return TRUE;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    CreateHostedControls(window_, templateId_);
    return OnInitDialog() ? TRUE : FALSE;
  }
  if (const Answer answer = handlers_.Dispatch(message, wParam, lParam))
    return Deliver(message, *answer);
  if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    // A colour message's answer is the brush itself, not DWLP_MSGRESULT.
    if (HBRUSH brush = DialogColorBrush(reinterpret_cast<HDC>(wParam)))
      return reinterpret_cast<INT_PTR>(brush);
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    OnOK();
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

}  // namespace hush::ui
