#include "ui/framework/dialog_look.h"

#include "common/unique_handle.h"

namespace hush::ui {
namespace {

// Set once during start-up on the user-interface thread, kept until the end.
UniqueBrush background;
COLORREF backgroundColor = 0;
COLORREF textColor = 0;

}  // namespace

void SetDialogColors(COLORREF backgroundRgb, COLORREF textRgb) {
  background.reset(::CreateSolidBrush(backgroundRgb));
  backgroundColor = backgroundRgb;
  textColor = textRgb;
}

HBRUSH DialogColorBrush(HDC dc) {
  if (!background) return nullptr;
  ::SetBkColor(dc, backgroundColor);
  ::SetTextColor(dc, textColor);
  return background.get();
}

}  // namespace hush::ui
