#include "ui/main_page.h"

#include "app/hushwall_app.h"
#include "app/language.h"
#include "app/presence_window.h"
#include "app/resource_ids.h"

namespace hush {

CMainPage::CMainPage()
    : ui::PropertySheet(GetMessageText(99990)), placeholder_(IDD_PLACEHOLDER_PAGE) {
  AddPage(placeholder_);
  // Hidden until the user asks for it: the system's sheet shows itself.
  handlers().OnMessage(WM_WINDOWPOSCHANGING, [this](WPARAM wParam, LPARAM lParam) {
    if (!visible_) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
    return CallSystem(WM_WINDOWPOSCHANGING, wParam, lParam);
  });
  handlers().OnMessage(WM_TIMER, [this](WPARAM timer, LPARAM lParam) {
    if (timer == kTitlePollTimer) {
      PollTitles();
      return LRESULT{0};
    }
    return CallSystem(WM_TIMER, timer, lParam);
  });
  handlers().OnMessage(kQuietExitMessage, [this](WPARAM, LPARAM) {
    ExitProgram();
    return LRESULT{0};
  });
}

void CMainPage::OnInitialized() {
  CHushwallApp& app = TheApp();
  app.presence().ForwardTo(hwnd());
  ::SetTimer(hwnd(), kTitlePollTimer, 1, nullptr);
  app.listener().StartListening();
}

void CMainPage::PollTitles() {
  // Counting caught pop-ups by their window titles comes with the counter
  // window.
}

void CMainPage::ExitProgram() {
  ::KillTimer(hwnd(), kTitlePollTimer);
  ::PostMessageA(hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}  // namespace hush
