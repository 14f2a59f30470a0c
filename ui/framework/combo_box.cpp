#include "ui/framework/combo_box.h"

namespace hush::ui {
namespace {

int Position(LRESULT answer) { return answer < 0 ? -1 : static_cast<int>(answer); }

}  // namespace

int ComboBox::count() const { return Position(::SendMessageA(window_, CB_GETCOUNT, 0, 0)); }

std::string ComboBox::Text(int index) const {
  const auto length = ::SendMessageA(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

int ComboBox::Find(const std::string& text) const {
  return Position(::SendMessageA(window_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::Add(const std::string& text) const {
  return Position(::SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::Insert(int index, const std::string& text) const {
  return Position(::SendMessageA(window_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::Delete(int index) const {
  ::SendMessageA(window_, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ComboBox::Clear() const { ::SendMessageA(window_, CB_RESETCONTENT, 0, 0); }

void ComboBox::Select(int index) const {
  ::SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::Selected() const { return Position(::SendMessageA(window_, CB_GETCURSEL, 0, 0)); }

}  // namespace hush::ui
