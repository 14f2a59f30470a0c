// Handlers per message, per command and per notification, so that a window
// class reads as a list of what it does for each. A handler may decline a
// message (answer kNotHandled) to leave it to the window's usual handling.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <utility>

namespace hush::ui {

// A handler's answer to its message, or nothing when it leaves the message
// to the window's usual handling.
using Answer = std::optional<LRESULT>;
inline constexpr std::nullopt_t kNotHandled = std::nullopt;

class MessageHandlers {
 public:
  using MessageHandler = std::function<Answer(WPARAM, LPARAM)>;
  using CommandHandler = std::function<void(WORD notifyCode)>;
  using GroupCommandHandler = std::function<void(int id, WORD notifyCode)>;
  // True when it took the command; false passes it on.
  using DecliningCommandHandler = std::function<bool(WORD notifyCode)>;
  using NotifyHandler = std::function<Answer(NMHDR*)>;

  void OnMessage(UINT message, MessageHandler handler) { messages_[message] = std::move(handler); }
  // WM_COMMAND from control (or menu item) `id`.
  void OnCommand(int id, CommandHandler handler);
  // WM_COMMAND from any of `ids`; the handler learns which one.
  void OnCommands(std::span<const int> ids, GroupCommandHandler handler);
  void OnCommands(std::initializer_list<int> ids, GroupCommandHandler handler) {
    OnCommands(std::span<const int>(ids.begin(), ids.size()), std::move(handler));
  }
  void OnCommandUnlessDeclined(int id, DecliningCommandHandler handler);
  // WM_NOTIFY with `code` from control `controlId`.
  void OnNotify(int controlId, UINT code, NotifyHandler handler) {
    notifications_[{controlId, code}] = std::move(handler);
  }

  // The answer of the handler that took the message; nothing when none did.
  Answer Dispatch(UINT message, WPARAM wParam, LPARAM lParam) const;

 private:
  using CommandRoute = std::function<bool(int id, WORD notifyCode)>;
  Answer DispatchCommand(WPARAM wParam) const;
  Answer DispatchNotify(LPARAM lParam) const;

  std::map<UINT, MessageHandler> messages_;
  std::map<int, CommandRoute> commands_;
  std::map<std::pair<int, UINT>, NotifyHandler> notifications_;
};

}  // namespace hush::ui
