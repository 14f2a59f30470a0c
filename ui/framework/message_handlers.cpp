#include "ui/framework/message_handlers.h"

#include <memory>

namespace hush::ui {

void MessageHandlers::OnCommand(int id, CommandHandler handler) {
  commands_[id] = [handler = std::move(handler)](int, WORD code) {
    handler(code);
    return true;
  };
}

void MessageHandlers::OnCommands(std::span<const int> ids, GroupCommandHandler handler) {
  auto shared = std::make_shared<GroupCommandHandler>(std::move(handler));
  for (int id : ids)
    commands_[id] = [shared](int from, WORD code) {
      (*shared)(from, code);
      return true;
    };
}

void MessageHandlers::OnCommandUnlessDeclined(int id, DecliningCommandHandler handler) {
  commands_[id] = [handler = std::move(handler)](int, WORD code) { return handler(code); };
}

Answer MessageHandlers::DispatchCommand(WPARAM wParam) const {
  auto command = commands_.find(LOWORD(wParam));
  if (command == commands_.end() || !command->second(LOWORD(wParam), HIWORD(wParam)))
    return kNotHandled;
  return LRESULT{0};
}

Answer MessageHandlers::DispatchNotify(LPARAM lParam) const {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  // Control ids are 16 bits wide, whatever the field's type.
  const int from = static_cast<int>(static_cast<WORD>(header->idFrom));
  auto notification = notifications_.find({from, header->code});
  if (notification == notifications_.end()) return kNotHandled;
  return notification->second(header);
}

Answer MessageHandlers::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) const {
  Answer answer;
  if (message == WM_COMMAND)
    answer = DispatchCommand(wParam);
  else if (message == WM_NOTIFY && lParam != 0)
    answer = DispatchNotify(lParam);
  if (answer) return answer;
  auto handler = messages_.find(message);
  if (handler == messages_.end()) return kNotHandled;
  return handler->second(wParam, lParam);
}

}  // namespace hush::ui
