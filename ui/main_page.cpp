#include "ui/main_page.h"

#include "app/hushwall_app.h"
#include "app/language.h"
#include "app/localized_window.h"
#include "app/presence_window.h"
#include "app/proxy_settings.h"
#include "app/resource_ids.h"
#include "app/settings_store.h"
#include "proxy/blocker_script.h"
#include "ui/about_dialog.h"
#include "ui/framework/application.h"
#include "ui/title_poll.h"

namespace hush {
namespace {

// The one main window of the thread, for its message-queue hook.
thread_local CMainPage* mainPage = nullptr;

}  // namespace

CMainPage::CMainPage()
    : ui::PropertySheet(ui::ResourceString(IDS_MAIN_CAPTION)),
      popups_(TheApp().skins(), TheApp().values().path) {
  AddPage(popups_);
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
  handlers().OnMessage(WM_SYSCOMMAND, [this](WPARAM command, LPARAM lParam) {
    if ((command & 0xFFF0) != IDM_ABOUT_BOX) return CallSystem(WM_SYSCOMMAND, command, lParam);
    RunAboutBox();
    return LRESULT{0};
  });
  handlers().OnCommand(ID_TRAY_ABOUT, [this](WORD) { RunAboutBox(); });
  handlers().OnCommand(ID_TRAY_EXIT, [this](WORD) { ExitProgram(); });
  handlers().OnCommand(ID_TRAY_COUNTER_WINDOW, [](WORD) {
    if (CCounterDlg* counter = TheApp().counter()) counter->ShowCounter();
  });
  handlers().OnMessage(kQuietExitMessage, [this](WPARAM, LPARAM) {
    exitQuietly_ = true;
    ExitProgram();
    return LRESULT{0};
  });
}

CMainPage::~CMainPage() {
  if (queueHook_ != nullptr) ::UnhookWindowsHookEx(queueHook_);
  if (mainPage == this) mainPage = nullptr;
  if (trayMenu_ != nullptr) ::DestroyMenu(trayMenu_);
}

// A system command taken from the queue (posted to the window, not sent by
// the window's own frame) saves everything before it is handled.
LRESULT CALLBACK CMainPage::QueuedMessageHook(int code, WPARAM removal, LPARAM message) {
  const auto* queued = reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE && mainPage != nullptr &&
      queued->message == WM_SYSCOMMAND && queued->hwnd == mainPage->hwnd())
    mainPage->SaveAllSettings();
  return ::CallNextHookEx(nullptr, code, removal, message);
}

void CMainPage::OnInitialized() {
  CHushwallApp& app = TheApp();
  app.presence().ForwardTo(hwnd());
  mainPage = this;
  queueHook_ =
      ::SetWindowsHookExA(WH_GETMESSAGE, QueuedMessageHook, nullptr, ::GetCurrentThreadId());
  ExtendWindowMenu();
  ui::SetWindowIcons(hwnd(), IDI_HUSHWALL);
  LoadTrayMenu();
  ::SetTimer(hwnd(), kTitlePollTimer, 1, nullptr);
  CreateCounterWindow();
  savedLanguage_ = app.values().language;
  LocalizeSheet();
  exitQuietly_ = false;
  app.listener().StartListening();
}

// Restore, Move, Size, Minimize, Maximize, a separator and Close, then the
// About item when the program has a text for it.
void CMainPage::ExtendWindowMenu() {
  HMENU menu = ::GetSystemMenu(hwnd(), FALSE);
  if (menu == nullptr) return;
  ::InsertMenuA(menu, 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_RESTORE, "Restore");
  ::InsertMenuA(menu, 2, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_SIZE, "Size");
  ::InsertMenuA(menu, 3, MF_BYPOSITION | MF_STRING, SC_MINIMIZE, "Minimize");
  ::InsertMenuA(menu, 4, MF_BYPOSITION | MF_STRING | MF_GRAYED, SC_MAXIMIZE, "Maximize");
  ::InsertMenuA(menu, 5, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  const std::string about = ui::ResourceString(IDS_ABOUT_MENU_ITEM);
  if (about.empty()) return;
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, IDM_ABOUT_BOX, about.c_str());
}

// The title, the four buttons and a label for every tab ("Error" when the
// language file has none).
void CMainPage::LocalizeSheet() {
  ::SetWindowTextA(hwnd(), GetMessageText(99990).c_str());
  constexpr int kApplyButton = 12321;
  const std::pair<int, int> buttons[] = {
      {IDOK, 10001}, {IDCANCEL, 10002}, {kApplyButton, 10003}, {IDHELP, 10004}};
  for (const auto& [control, key] : buttons)
    ::SetDlgItemTextA(hwnd(), control, GetMessageText(key).c_str());
  HWND tabs = PropSheet_GetTabControl(hwnd());
  const int count = tabs != nullptr ? TabCtrl_GetItemCount(tabs) : 0;
  for (int tab = 0; tab < count; ++tab) {
    std::string label = GetMessageText(std::to_string(11000 + tab), "Error");
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    ::SendMessageA(tabs, TCM_SETITEMA, tab, reinterpret_cast<LPARAM>(&item));
  }
}

void CMainPage::LoadTrayMenu() {
  trayMenu_ = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
  HMENU items = trayMenu_ != nullptr ? ::GetSubMenu(trayMenu_, 0) : nullptr;
  if (items != nullptr) ::SetMenuDefaultItem(items, 0, TRUE);
}

// Hidden until a pop-up is caught; at start-up it shows the count kept from
// earlier runs when catching is on.
void CMainPage::CreateCounterWindow() {
  CHushwallApp& app = TheApp();
  CCounterDlg* counter = app.counter();
  if (counter == nullptr || !counter->Create()) return;
  const bool catching = Settings().popupCheckEnabled.load() != 0;
  if (catching && app.values().blockedPopups != "0" && !app.values().firstRun)
    counter->ShowCounter();
}

void CMainPage::RunAboutBox() {
  CAboutDlg about(TheApp().skins());
  about.DoModal(hwnd());
}

void CMainPage::PollTitles() {
  CHushwallApp& app = TheApp();
  PollPopupTitles(app.values(), app.counter(), Settings().playWave.load() != 0);
}

void CMainPage::SaveAllSettings() {
  CHushwallApp& app = TheApp();
  app.SaveRegistrySettings();
  SaveSettings();
  PrepareBlockerScript();
  popups_.SetModified(false);
  savedLanguage_ = app.values().language;
}

void CMainPage::ExitProgram() {
  SaveAllSettings();
  if (!exitQuietly_) {
    const std::string question = GetMessageText(6003), caption = GetMessageText(6004);
    // The browsers stay pointed at the proxy: the user must agree to that.
    if (::MessageBoxA(hwnd(), question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
      return;
  }
  if (CCounterDlg* counter = TheApp().counter(); counter != nullptr && counter->hwnd() != nullptr)
    ::DestroyWindow(counter->hwnd());
  ::KillTimer(hwnd(), kTitlePollTimer);
  ::PostMessageA(hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}  // namespace hush
