// A list view with a check box per entry and one column. Grey entries can
// never be ticked, by mouse, by the space bar or by code; the number of
// ticks is read from the list itself, so it cannot drift from what shows.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/framework/message_handlers.h"

namespace hush::ui {

class CheckList {
 public:
  void Attach(HWND list, const std::string& columnTitle, int columnWidth);
  void SetColumnTitle(const std::string& title);
  void Add(const std::string& text, bool grey);
  int count() const;
  bool IsGrey(int index) const { return grey_.at(static_cast<size_t>(index)); }
  bool IsTicked(int index) const;
  // No entry can be ticked (also when there is none).
  bool AllGrey() const;
  // Marks each record at an entry's position selected exactly when the
  // entry is ticked and not grey.
  template <typename Records>
  void StoreChoices(Records& records) const {
    for (int index = 0; index < count() && static_cast<size_t>(index) < records.size(); ++index)
      records[static_cast<size_t>(index)].selected = IsTicked(index) && !IsGrey(index);
  }
  void SetTicked(int index, bool ticked);
  int TickedCount() const;
  // Ticks every entry that is not grey, or clears every tick.
  void TickAll(bool ticked);

  // Its parent's WM_NOTIFY from the list: refuses ticks on grey entries and
  // draws them grey. True when it answered (`result` holds the answer).
  bool OnNotify(const NMHDR* header, LRESULT& result) const;
  // Whether a notification says that a tick changed.
  bool IsTickChange(const NMHDR* header) const;
  // Has the list's parent route the list's notifications (control `id`) to
  // OnNotify, and call `onTickChange` after every change of a tick.
  void Route(MessageHandlers& handlers, int id, std::function<void()> onTickChange);
  HWND hwnd() const { return list_; }

 private:
  HWND list_ = nullptr;
  std::vector<bool> grey_;
};

}  // namespace hush::ui
