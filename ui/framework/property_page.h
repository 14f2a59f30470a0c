// One page of a property sheet or wizard, made from a dialog template.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/framework/dialog.h"

namespace hush::ui {

class PropertyPage : public Dialog {
 public:
  explicit PropertyPage(int templateId) : Dialog(templateId) {}

  // The page as the system's property-sheet functions take it.
  PROPSHEETPAGEA Describe();

  // Marks the page changed (enables the sheet's Apply) or unchanged. While
  // the page is loading, a change is no change: it only shows the settings.
  void SetModified(bool modified = true);
  bool modified() const { return modified_; }
  HWND sheet() const { return ::GetParent(hwnd()); }

  // Wizards: which of Back (PSWIZB_BACK), Next and Finish the sheet offers.
  void SetWizardButtons(DWORD buttons) const;
  // Enables or disables one of the sheet's buttons (Back 12323, Next 12324).
  void EnableSheetButton(int id, bool enable) const;
  // Makes page `index` of the sheet current (passing through it).
  void SelectPage(int index) const;

 protected:
  // While one lives (and always during OnInitDialog), the page is loading:
  // filling its controls, whose notifications may ask for SetModified().
  class LoadingScope {
   public:
    explicit LoadingScope(PropertyPage& page) : page_(page) { ++page_.loading_; }
    ~LoadingScope() { --page_.loading_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

   private:
    PropertyPage& page_;
  };
  [[nodiscard]] LoadingScope Loading() { return LoadingScope(*this); }
  bool loading() const { return loading_ > 0; }

  virtual bool OnSetActive() { return true; }
  // False keeps the user on the page.
  virtual bool OnKillActive() { return true; }
  virtual bool OnApply() {
    modified_ = false;
    return true;
  }
  virtual void OnReset() {}
  // 0 goes on as usual, -1 stays, a template id goes to that page.
  virtual LRESULT OnWizardNext() { return 0; }
  virtual LRESULT OnWizardBack() { return 0; }
  // False keeps the wizard open.
  virtual bool OnWizardFinish() { return true; }

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnSheetNotification(UINT code);
  bool modified_ = false;
  int loading_ = 0;
};

}  // namespace hush::ui
