#include "ui/counter_dialog.h"

#include "common/text_ids.h"
#include "ui/framework/localized_window.h"
#include "ui/resource_ids.h"

namespace hush {
namespace {

constexpr UINT_PTR kSlideOutTimer = 8005;
constexpr UINT kShownMilliseconds = 5000;

// Runs on its own thread: moves the window right one pixel every 10 ms until
// it has left the screen, then hides it. Asynchronous calls only, so the
// user-interface thread never waits for it, nor it for that thread.
void SlideOut(HWND window, const std::atomic<bool>& stop) {
  RECT frame = {};
  if (!::GetWindowRect(window, &frame)) return;
  const int screenRight = ::GetSystemMetrics(SM_CXSCREEN);
  for (int left = frame.left; left < screenRight && !stop; ++left) {
    ::SetWindowPos(window, HWND_TOPMOST, left + 1, frame.top, 0, 0,
                   SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    ::Sleep(10);
  }
  // Stopped: the window is being shown again and stays.
  if (!stop) ::ShowWindowAsync(window, SW_HIDE);
}

}  // namespace

CCounterDlg::CCounterDlg(const AppRegistryValues& values, SkinReferences& skins)
    : ui::Dialog(IDD_COUNTER), values_(values), skins_(skins) {
  handlers().OnMessage(WM_TIMER, [this](WPARAM timer, LPARAM) {
    if (timer == kSlideOutTimer) StartSlideOut();
    return LRESULT{0};
  });
  handlers().OnMessage(WM_CLOSE, [this](WPARAM, LPARAM) {
    Hide();
    return LRESULT{0};
  });
}

CCounterDlg::~CCounterDlg() {
  stopSliding_ = true;
  if (slide_.joinable()) slide_.join();
}

bool CCounterDlg::OnInitDialog() {
  Localize();
  // Resting place: the window's bottom-right corner on the screen's (the
  // taskbar is not taken into account).
  RECT frame = {};
  ::GetWindowRect(hwnd(), &frame);
  resting_ = {::GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left),
              ::GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)};
  MoveToRestingPosition();
  SetCounterTexts();
  TakeSkin(skins_.counter, *this, IDC_SKIN_CONTROL);
  LoadInstalledSkin(skins_.counter, values_.path, kCounterSkinFile);
  SkinWindow(skins_.counter, hwnd());
  return false;
}

void CCounterDlg::Localize() {
  SetLocalizedItemText(hwnd(), IDC_COUNTER_LABEL, std::to_string(kCounterLabelMessage),
                       ItemText(IDC_COUNTER_LABEL));
  SetLocalizedItemText(hwnd(), IDC_COUNTER_FRAME, std::to_string(kCounterFrameMessage),
                       ItemText(IDC_COUNTER_FRAME));
}

void CCounterDlg::MoveToRestingPosition() {
  ::SetWindowPos(hwnd(), HWND_TOPMOST, resting_.x, resting_.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CCounterDlg::SetCounterTexts() {
  SetItemText(IDC_COUNTER_COUNT, values_.blockedPopups);
  SetItemText(IDC_COUNTER_DATE, values_.counterClearedDate);
}

// Also while it is on screen or sliding away: a new catch brings it back
// with the new number for another five seconds.
void CCounterDlg::ShowCounter() {
  if (hwnd() == nullptr) return;
  StopSlideOut();
  if (values_.languageChanged) Localize();
  MoveToRestingPosition();
  SetCounterTexts();
  ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  ::SetTimer(hwnd(), kSlideOutTimer, kShownMilliseconds, nullptr);
}

// Closing (Esc, WM_CLOSE) hides the window; it is never destroyed before
// the program ends.
void CCounterDlg::OnCancel() { Hide(); }
void CCounterDlg::OnOK() { Hide(); }

void CCounterDlg::Hide() {
  StopSlideOut();
  ::KillTimer(hwnd(), kSlideOutTimer);
  ::ShowWindow(hwnd(), SW_HIDE);
}

void CCounterDlg::StartSlideOut() {
  ::KillTimer(hwnd(), kSlideOutTimer);
  StopSlideOut();
  slide_ = std::thread(SlideOut, hwnd(), std::cref(stopSliding_));
}

void CCounterDlg::StopSlideOut() {
  stopSliding_ = true;
  if (slide_.joinable()) slide_.join();
  stopSliding_ = false;
}

}  // namespace hush
