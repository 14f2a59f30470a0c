// A thin wrapper over an extended combo box (entries with a picture each)
// that owns the control's image list: the control never destroys one, so
// the list lives as long as this object, which must outlive the window.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "common/unique_handle.h"

namespace hush::ui {

class ComboBoxEx {
 public:
  void Attach(HWND window) { window_ = window; }
  HWND hwnd() const { return window_; }

  // Gives the control `images`, freeing the list it had from here.
  void SetImages(UniqueImageList images);
  HIMAGELIST images() const { return images_.get(); }
  // Adds an entry at the end with picture `image` (I_IMAGENONE: none).
  void Add(const std::string& text, int image) const;
  // The entry's text; empty for a position outside the list.
  std::string Text(int index) const;
  // The position of the entry reading exactly `text`, -1 when none does.
  int Find(const std::string& text) const;
  // Selecting from code sends no change notification.
  void Select(int index) const;
  int Selected() const;

 private:
  HWND window_ = nullptr;
  UniqueImageList images_;
};

}  // namespace hush::ui
