#include "ui/framework/check_list.h"

#include <utility>

namespace hush::ui {
namespace {

constexpr COLORREF kGreyText = RGB(192, 192, 192);

bool TickIn(UINT state) { return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2; }

}  // namespace

void CheckList::Attach(HWND list, const std::string& columnTitle, int columnWidth) {
  list_ = list;
  grey_.clear();
  ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.cx = columnWidth;
  column.pszText = const_cast<char*>(columnTitle.c_str());
  ::SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckList::SetColumnTitle(const std::string& title) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(title.c_str());
  ::SendMessageA(list_, LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

void CheckList::Add(const std::string& text, bool grey) {
  grey_.push_back(grey);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = count();
  item.pszText = const_cast<char*>(text.c_str());
  ::SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int CheckList::count() const { return static_cast<int>(grey_.size()); }

bool CheckList::IsTicked(int index) const { return ListView_GetCheckState(list_, index) != FALSE; }

void CheckList::SetTicked(int index, bool ticked) {
  if (ticked && IsGrey(index)) return;
  ListView_SetCheckState(list_, index, ticked ? TRUE : FALSE);
}

bool CheckList::AllGrey() const {
  for (int index = 0; index < count(); ++index)
    if (!IsGrey(index)) return false;
  return true;
}

int CheckList::TickedCount() const {
  int ticked = 0;
  for (int index = 0; index < count(); ++index) ticked += IsTicked(index) ? 1 : 0;
  return ticked;
}

void CheckList::TickAll(bool ticked) {
  for (int index = 0; index < count(); ++index) SetTicked(index, ticked && !IsGrey(index));
}

bool CheckList::IsTickChange(const NMHDR* header) const {
  if (header->hwndFrom != list_ || header->code != LVN_ITEMCHANGED) return false;
  const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
  return (change->uChanged & LVIF_STATE) && TickIn(change->uNewState) != TickIn(change->uOldState);
}

void CheckList::Route(MessageHandlers& handlers, int id, std::function<void()> onTickChange) {
  const auto answer = [this](NMHDR* header) -> Answer {
    LRESULT result = 0;
    if (OnNotify(header, result)) return result;
    return kNotHandled;
  };
  handlers.OnNotify(id, LVN_ITEMCHANGING, answer);
  handlers.OnNotify(id, NM_CUSTOMDRAW, answer);
  handlers.OnNotify(id, LVN_ITEMCHANGED,
                    [this, onTickChange = std::move(onTickChange)](NMHDR* header) {
                      if (IsTickChange(header)) onTickChange();
                      return LRESULT{0};
                    });
}

bool CheckList::OnNotify(const NMHDR* header, LRESULT& result) const {
  if (header->hwndFrom != list_) return false;
  if (header->code == LVN_ITEMCHANGING) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    const bool grey = change->iItem >= 0 && change->iItem < count() && IsGrey(change->iItem);
    // TRUE refuses the change: a grey entry never gets its tick.
    result = grey && (change->uChanged & LVIF_STATE) && TickIn(change->uNewState) ? TRUE : FALSE;
    return true;
  }
  if (header->code == NM_CUSTOMDRAW) {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header));
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
      result = CDRF_NOTIFYITEMDRAW;
      return true;
    }
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
      const auto index = static_cast<int>(draw->nmcd.dwItemSpec);
      if (index >= 0 && index < count() && IsGrey(index)) draw->clrText = kGreyText;
      result = CDRF_DODEFAULT;
      return true;
    }
  }
  return false;
}

}  // namespace hush::ui
