#include "ui/framework/combo_box_ex.h"

#include <utility>

#include "ui/framework/combo_box.h"

namespace hush::ui {

void ComboBoxEx::SetImages(UniqueImageList images) {
  ::SendMessageA(window_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.get()));
  images_ = std::move(images);
}

void ComboBoxEx::Add(const std::string& text, int image) const {
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
  item.iItem = -1;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = item.iSelectedImage = image;
  ::SendMessageA(window_, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

std::string ComboBoxEx::Text(int index) const {
  char text[MAX_PATH] = {};
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (index < 0 || !::SendMessageA(window_, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return {};
  return text;
}

int ComboBoxEx::Find(const std::string& text) const { return ComboBox(window_).Find(text); }

void ComboBoxEx::Select(int index) const { ComboBox(window_).Select(index); }

int ComboBoxEx::Selected() const { return ComboBox(window_).Selected(); }

}  // namespace hush::ui
