// A dialog made from a resource template and bound to a C++ object for its
// whole life: the object receives the dialog's messages through its handlers
// and the virtual steps below.
#pragma once

#include <windows.h>

#include <string>

#include "ui/framework/control_host.h"
#include "ui/framework/message_handlers.h"

namespace hush::ui {

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; the result given to EndDialog, -1 on failure.
  INT_PTR DoModal(HWND parent = nullptr);
  // Creates it modeless; destroyed with the object at the latest.
  bool Create(HWND parent = nullptr);

  HWND hwnd() const { return window_; }
  int templateId() const { return templateId_; }
  void EndDialog(INT_PTR result);

  HWND Item(int controlId) const { return ::GetDlgItem(window_, controlId); }
  std::string ItemText(int controlId) const;
  void SetItemText(int controlId, const std::string& text) const;
  bool IsChecked(int controlId) const;
  // The interface `id` of the COM control hosted as `controlId`, if any.
  template <typename Interface>
  ComPtr<Interface> HostedInterface(int controlId, REFIID id) const {
    return ComPtr<Interface>::Query(HostedControl(window_, controlId).Get(), id);
  }
  void SetChecked(int controlId, bool checked) const;

 protected:
  // Called once the window and its controls exist. True lets the system set
  // the focus.
  virtual bool OnInitDialog() { return true; }
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  MessageHandlers& handlers() { return handlers_; }

  // The object behind a window of this framework (nullptr for others).
  static Dialog* FromWindow(HWND window);
  // Binds the object to its window and answers a message.
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND window);
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  int templateId_;
  HWND window_ = nullptr;
  bool modeless_ = false;
  MessageHandlers handlers_;
};

}  // namespace hush::ui
