// Handlers per message, per command and per notification, so that a window
// class reads as a list of what it does for each.
#pragma once

#include <windows.h>

#include <functional>
#include <map>

namespace hush::ui {

class MessageHandlers {
 public:
  using MessageHandler = std::function<LRESULT(WPARAM, LPARAM)>;
  using CommandHandler = std::function<void(WORD notifyCode)>;
  using NotifyHandler = std::function<LRESULT(NMHDR*)>;

  void OnMessage(UINT message, MessageHandler handler) { messages_[message] = std::move(handler); }
  // WM_COMMAND from control (or menu item) `id`.
  void OnCommand(int id, CommandHandler handler) { commands_[id] = std::move(handler); }
  // WM_NOTIFY with this code, from any control.
  void OnNotify(UINT code, NotifyHandler handler) { notifications_[code] = std::move(handler); }

  // True when a handler took the message; `result` is its answer.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

 private:
  std::map<UINT, MessageHandler> messages_;
  std::map<int, CommandHandler> commands_;
  std::map<UINT, NotifyHandler> notifications_;
};

}  // namespace hush::ui
