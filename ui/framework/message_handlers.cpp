#include "ui/framework/message_handlers.h"

namespace hush::ui {

bool MessageHandlers::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
  if (message == WM_COMMAND) {
    auto command = commands_.find(LOWORD(wParam));
    if (command != commands_.end()) {
      command->second(HIWORD(wParam));
      result = 0;
      return true;
    }
  } else if (message == WM_NOTIFY && lParam != 0) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    auto notification = notifications_.find(header->code);
    if (notification != notifications_.end()) {
      result = notification->second(header);
      return true;
    }
  }
  auto handler = messages_.find(message);
  if (handler == messages_.end()) return false;
  result = handler->second(wParam, lParam);
  return true;
}

}  // namespace hush::ui
