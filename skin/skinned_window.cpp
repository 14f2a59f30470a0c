#include "skin/skinned_window.h"

#include <commctrl.h>

#include "skin/com_object.h"

namespace hush::skin {
namespace {

constexpr UINT_PTR kSubclassId = 0x48534B4E;  // "HSKN"

struct SkinnedWindow {
  std::shared_ptr<const Skin> skin;
  bool clientArea;
};

// Found by property: older common controls export no subclass lookup by name.
constexpr wchar_t kRecordProperty[] = L"HushwallSkin";

SkinnedWindow* RecordOf(HWND window) {
  return static_cast<SkinnedWindow*>(::GetPropW(window, kRecordProperty));
}

void PaintFrame(HDC dc, const RECT& area, const Skin& skin) {
  const int width = skin.colors().frameWidth;
  if (width <= 0) return;
  const RECT edges[] = {
      {area.left, area.top, area.right, area.top + width},
      {area.left, area.bottom - width, area.right, area.bottom},
      {area.left, area.top, area.left + width, area.bottom},
      {area.right - width, area.top, area.right, area.bottom},
  };
  for (const RECT& edge : edges) ::FillRect(dc, &edge, skin.frameBrush());
}

void PaintBackground(HWND window, HDC dc, const SkinnedWindow& record) {
  RECT area = {};
  ::GetClientRect(window, &area);
  if (record.clientArea) ::FillRect(dc, &area, record.skin->backgroundBrush());
  PaintFrame(dc, area, *record.skin);
}

LRESULT ControlColors(HDC dc, const Skin& skin) {
  ::SetTextColor(dc, skin.colors().text);
  ::SetBkColor(dc, skin.colors().background);
  return reinterpret_cast<LRESULT>(skin.backgroundBrush());
}

LRESULT CALLBACK SkinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
  auto* record = reinterpret_cast<SkinnedWindow*>(data);
  switch (message) {
    case WM_ERASEBKGND:
      if (!record->clientArea) break;
      PaintBackground(window, reinterpret_cast<HDC>(wParam), *record);
      return TRUE;
    case WM_PAINT:
      if (record->clientArea) break;
      {
        // Only the frame is ours: let the window paint, then draw it on top.
        const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
        HDC dc = ::GetDC(window);
        PaintBackground(window, dc, *record);
        ::ReleaseDC(window, dc);
        return result;
      }
    case WM_PRINTCLIENT:
      PaintBackground(window, reinterpret_cast<HDC>(wParam), *record);
      break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (record->clientArea) return ControlColors(reinterpret_cast<HDC>(wParam), *record->skin);
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, SkinProcedure, kSubclassId);
      ::RemovePropW(window, kRecordProperty);
      delete record;
      --LiveObjects();
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool DrawWithSkin(HWND window, std::shared_ptr<const Skin> skin, bool clientArea) {
  if (!::IsWindow(window) || skin == nullptr) return false;
  if (SkinnedWindow* record = RecordOf(window)) {
    record->skin = std::move(skin);
    record->clientArea = clientArea;
  } else {
    auto* fresh = new SkinnedWindow{std::move(skin), clientArea};
    if (!::SetWindowSubclass(window, SkinProcedure, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(fresh))) {
      delete fresh;
      return false;
    }
    ::SetPropW(window, kRecordProperty, fresh);
    // The window runs this library's code until it is destroyed: the library
    // must stay loaded that long, even with no control object left.
    ++LiveObjects();
  }
  RedrawSkinned(window);
  return true;
}

std::shared_ptr<const Skin> SkinOf(HWND window) {
  const SkinnedWindow* record = ::IsWindow(window) ? RecordOf(window) : nullptr;
  return record == nullptr ? nullptr : record->skin;
}

void RedrawSkinned(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace hush::skin
