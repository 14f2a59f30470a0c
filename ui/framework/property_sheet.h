// A property sheet (tabs with OK, Cancel and Apply) or a wizard (Back, Next,
// Finish) over the system's property-sheet window, whose own messages the
// object can handle as well.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/framework/message_handlers.h"
#include "ui/framework/property_page.h"

namespace hush::ui {

class PropertySheet {
 public:
  explicit PropertySheet(std::string caption, bool wizard = false)
      : caption_(std::move(caption)), wizard_(wizard) {}
  virtual ~PropertySheet() = default;
  PropertySheet(const PropertySheet&) = delete;
  PropertySheet& operator=(const PropertySheet&) = delete;

  void AddPage(PropertyPage& page) { pages_.push_back(&page); }
  // A Help button beside OK, Cancel and Apply (it sends IDHELP).
  void ShowHelpButton() { helpButton_ = true; }
  // Runs the sheet modally; the system's result (-1 on failure).
  INT_PTR DoModal(HWND parent = nullptr);
  HWND hwnd() const { return window_; }
  bool wizard() const { return wizard_; }

 protected:
  // The sheet window exists; its pages are created as they are shown.
  virtual void OnInitialized() {}
  // Messages sent to the sheet window itself. A handler that answers
  // kNotHandled leaves the message (as it may have adjusted it) to the
  // system's sheet.
  MessageHandlers& handlers() { return handlers_; }

 private:
  static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::string caption_;
  bool wizard_;
  bool helpButton_ = false;
  std::vector<PropertyPage*> pages_;
  HWND window_ = nullptr;
  WNDPROC systemProcedure_ = nullptr;
  MessageHandlers handlers_;
};

}  // namespace hush::ui
