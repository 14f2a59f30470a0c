// A thin wrapper over a combo box's window: its entries as ANSI texts, by
// position, without the messages' casts at every call.
#pragma once

#include <windows.h>

#include <string>

namespace hush::ui {

class ComboBox {
 public:
  ComboBox() = default;
  explicit ComboBox(HWND window) : window_(window) {}

  HWND hwnd() const { return window_; }
  int count() const;
  // The entry's text; empty for a position outside the list.
  std::string Text(int index) const;
  // The position of the entry reading exactly `text`, -1 when none does.
  int Find(const std::string& text) const;
  // Adds at the end or (sorted lists) in order; inserts at `index` (-1: the
  // end) unsorted. Both give the new entry's position, -1 on failure.
  int Add(const std::string& text) const;
  int Insert(int index, const std::string& text) const;
  void Delete(int index) const;
  void Clear() const;
  // Selecting from code sends no change notification.
  void Select(int index) const;
  // The selected position, -1 for none.
  int Selected() const;

 private:
  HWND window_ = nullptr;
};

}  // namespace hush::ui
