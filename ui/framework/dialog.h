// A dialog made from a resource template and bound to a C++ object for its
// whole life: the object receives the dialog's messages through its handlers
// and the virtual steps below.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

#include "ui/framework/control_host.h"
#include "ui/framework/message_handlers.h"

namespace hush::ui {

// Which way an exchange between a setting and its control goes.
enum class Direction { kToControls, kFromControls };

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
  void EnableItems(std::span<const int> controlIds, bool enable) const;
  void EnableItems(std::initializer_list<int> controlIds, bool enable) const {
    EnableItems(std::span<const int>(controlIds.begin(), controlIds.size()), enable);
  }

  // A check box and a setting that is on when not zero.
  template <typename Value>
  void ExchangeCheck(Direction direction, int controlId, Value& value) const {
    if (direction == Direction::kToControls)
      SetChecked(controlId, value != 0);
    else
      value = IsChecked(controlId) ? 1 : 0;
  }
  // A group of radio buttons and a setting that is the index of the one
  // checked. A setting outside the group checks none and changes none; with
  // none checked the setting stays as it was.
  template <typename Value>
  void ExchangeRadio(Direction direction, std::span<const int> controlIds, Value& value) const {
    if (direction == Direction::kToControls) {
      const long current = static_cast<long>(value);
      if (current < 0 || current >= static_cast<long>(controlIds.size())) return;
      for (std::size_t index = 0; index < controlIds.size(); ++index)
        SetChecked(controlIds[index], static_cast<long>(index) == current);
      return;
    }
    for (std::size_t index = 0; index < controlIds.size(); ++index)
      if (IsChecked(controlIds[index])) value = static_cast<long>(index);
  }

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
  // A handler's answer as the dialog procedure must give it.
  INT_PTR Deliver(UINT message, LRESULT answer);

  int templateId_;
  HWND window_ = nullptr;
  bool modeless_ = false;
  MessageHandlers handlers_;
};

}  // namespace hush::ui
