#include "ui/framework/property_sheet.h"

namespace hush::ui {
namespace {

constexpr char kSheetProperty[] = "HushwallSheetObject";
// The sheet callback carries no user data: the sheet being started on this
// thread is remembered here for it.
thread_local PropertySheet* starting = nullptr;

}  // namespace

INT_PTR PropertySheet::DoModal(HWND parent) {
  std::vector<PROPSHEETPAGEA> pages;
  for (PropertyPage* page : pages_) {
    pages.push_back(page->Describe());
    if (helpButton_) pages.back().dwFlags |= PSP_HASHELP;
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK | (wizard_ ? PSH_WIZARD : 0) |
                   (helpButton_ ? PSH_HASHELP : 0);
  header.hwndParent = parent;
  header.hInstance = ::GetModuleHandleA(nullptr);
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.ppsp = pages.data();
  header.pfnCallback = SheetCallback;
  starting = this;
  const INT_PTR result = ::PropertySheetA(&header);
  starting = nullptr;
  window_ = nullptr;
  return result;
}

int CALLBACK PropertySheet::SheetCallback(HWND window, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && starting != nullptr) {
    PropertySheet* self = starting;
    self->window_ = window;
    ::SetPropA(window, kSheetProperty, self);
    self->systemProcedure_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SheetProcedure)));
    self->OnInitialized();
  }
  return 0;
}

LRESULT CALLBACK PropertySheet::SheetProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = static_cast<PropertySheet*>(::GetPropA(window, kSheetProperty));
  if (self != nullptr)
    if (const Answer answer = self->handlers_.Dispatch(message, wParam, lParam)) return *answer;
  WNDPROC system = self != nullptr ? self->systemProcedure_ : nullptr;
  if (message == WM_NCDESTROY && self != nullptr) {
    ::RemovePropA(window, kSheetProperty);
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system));
  }
  return system != nullptr ? ::CallWindowProcA(system, window, message, wParam, lParam)
                           : ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace hush::ui
