#include "ui/framework/dialog_look.h"

namespace hush::ui {
namespace {

// Set once during start-up on the user-interface thread, kept until the end.
HBRUSH background = nullptr;
COLORREF backgroundColor = 0;
COLORREF textColor = 0;

}  // namespace

void SetDialogColors(COLORREF backgroundRgb, COLORREF textRgb) {
  HBRUSH previous = background;
  background = ::CreateSolidBrush(backgroundRgb);
  backgroundColor = backgroundRgb;
  textColor = textRgb;
  if (previous != nullptr) ::DeleteObject(previous);
}

HBRUSH DialogColorBrush(HDC dc) {
  if (background == nullptr) return nullptr;
  ::SetBkColor(dc, backgroundColor);
  ::SetTextColor(dc, textColor);
  return background;
}

}  // namespace hush::ui
