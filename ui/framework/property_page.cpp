#include "ui/framework/property_page.h"

namespace hush::ui {

PROPSHEETPAGEA PropertyPage::Describe() {
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof page;
  page.hInstance = ::GetModuleHandleA(nullptr);
  page.pszTemplate = MAKEINTRESOURCEA(templateId());
  page.pfnDlgProc = PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

void PropertyPage::SetModified(bool modified) {
  if (modified && loading()) return;
  modified_ = modified;
  if (hwnd() != nullptr)
    ::SendMessageA(sheet(), modified ? PSM_CHANGED : PSM_UNCHANGED,
                   reinterpret_cast<WPARAM>(hwnd()), 0);
}

void PropertyPage::SetWizardButtons(DWORD buttons) const {
  ::SendMessageA(sheet(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(buttons));
}

void PropertyPage::EnableSheetButton(int id, bool enable) const {
  if (HWND button = ::GetDlgItem(sheet(), id)) ::EnableWindow(button, enable);
}

void PropertyPage::SelectPage(int index) const {
  ::SendMessageA(sheet(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

INT_PTR CALLBACK PropertyPage::PageProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  // A page gets its PROPSHEETPAGE, whose lParam is the object, at creation.
  if (message == WM_INITDIALOG) lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
  return DialogProcedure(window, message, wParam, lParam);
}

INT_PTR PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const LoadingScope loading(*this);
    return Dialog::HandleMessage(message, wParam, lParam);
  }
  if (message == WM_NOTIFY && lParam != 0) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == sheet()) {
      switch (header->code) {
        case PSN_SETACTIVE:
        case PSN_KILLACTIVE:
        case PSN_APPLY:
        case PSN_RESET:
        case PSN_WIZNEXT:
        case PSN_WIZBACK:
        case PSN_WIZFINISH:
          ::SetWindowLongPtrA(hwnd(), DWLP_MSGRESULT, OnSheetNotification(header->code));
          return TRUE;
        default:
          break;
      }
    }
  }
  return Dialog::HandleMessage(message, wParam, lParam);
}

LRESULT PropertyPage::OnSheetNotification(UINT code) {
  switch (code) {
    case PSN_SETACTIVE:
      return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
      return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY:
      return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET:
      OnReset();
      return 0;
    case PSN_WIZNEXT:
      return OnWizardNext();
    case PSN_WIZBACK:
      return OnWizardBack();
    case PSN_WIZFINISH:
      return OnWizardFinish() ? FALSE : TRUE;
    default:
      return 0;
  }
}

}  // namespace hush::ui
