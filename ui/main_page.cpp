#include "ui/main_page.h"

#include "common/language.h"
#include "common/text_ids.h"
#include "proxy/blocker_script.h"
#include "proxy/proxy_listener.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"
#include "ui/about_dialog.h"
#include "ui/banner_switch.h"
#include "ui/browser_results.h"
#include "ui/counter_dialog.h"
#include "ui/framework/application.h"
#include "ui/framework/localized_window.h"
#include "ui/framework/presence_window.h"
#include "ui/html_help.h"
#include "ui/program.h"
#include "ui/resource_ids.h"

namespace hush {
namespace {

// The one main window of the thread, for its message-queue hook.
thread_local CMainPage* mainPage = nullptr;

bool Catching() { return Settings().popupCheckEnabled.load() != 0; }

std::string Today() {
  char date[64] = {};
  ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  return date;
}

// Whether `window` is owned, directly or through other windows, by `owner`.
bool OwnedBy(HWND window, HWND owner) {
  for (HWND up = ::GetWindow(window, GW_OWNER); up != nullptr; up = ::GetWindow(up, GW_OWNER))
    if (up == owner) return true;
  return false;
}

}  // namespace

CMainPage::CMainPage()
    : ui::PropertySheet(ui::ResourceString(IDS_MAIN_CAPTION)),
      popups_(TheProgram().skins(), TheProgram().values().path,
              [this](const std::function<INT_PTR()>& run) { return RunNested(run); }),
      activeX_(TheProgram().skins()),
      options_(TheProgram().skins(), TheProgram().values().path,
               [this](const std::function<INT_PTR()>& run) { return RunNested(run); }),
      taskbarCreated_(::RegisterWindowMessageA("TaskbarCreated")),
      taskbarCallback_(::RegisterWindowMessageA("TaskbarMsg")) {
  AddPage(popups_);
  AddPage(activeX_);
  AddPage(options_);
  ShowHelpButton();
  HandleMessages();
  HandleCommands();
}

CMainPage::~CMainPage() {
  if (mainPage == this) mainPage = nullptr;
}

void CMainPage::HandleMessages() {
  // Hidden until the user asks for it: the system's sheet shows itself.
  handlers().OnMessage(WM_WINDOWPOSCHANGING, [this](WPARAM, LPARAM lParam) {
    if (!visible_) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
    return ui::kNotHandled;
  });
  handlers().OnMessage(WM_TIMER, [this](WPARAM timer, LPARAM) -> ui::Answer {
    if (timer != kTitlePollTimer) return ui::kNotHandled;
    PollTitles();
    return LRESULT{0};
  });
  handlers().OnMessage(WM_SYSCOMMAND, [this](WPARAM command, LPARAM) -> ui::Answer {
    switch (command & 0xFFF0) {
      case IDM_ABOUT_BOX:
        RunAboutBox();
        return LRESULT{0};
      case SC_CLOSE:
      case SC_MINIMIZE:
        Hide();
        return LRESULT{0};
      default:
        return ui::kNotHandled;
    }
  });
  // Closing never ends the program: only Exit does.
  handlers().OnMessage(WM_CLOSE, [this](WPARAM, LPARAM) {
    Hide();
    return LRESULT{0};
  });
  handlers().OnMessage(WM_HELP, [this](WPARAM, LPARAM) {
    OpenHelp();
    return LRESULT{TRUE};
  });
  // Logging off or shutting down ends the process without Exit.
  handlers().OnMessage(WM_QUERYENDSESSION, [this](WPARAM, LPARAM) {
    SaveAllSettings();
    return LRESULT{TRUE};
  });
  handlers().OnMessage(WM_ENDSESSION, [this](WPARAM ending, LPARAM) {
    if (ending) SaveAllSettings();
    return LRESULT{0};
  });
  handlers().OnMessage(taskbarCreated_, [this](WPARAM, LPARAM) {
    AddTrayIcon();
    return LRESULT{0};
  });
  handlers().OnMessage(taskbarCallback_, [this](WPARAM, LPARAM event) {
    OnTrayCallback(event);
    return LRESULT{0};
  });
  // The system's sheet sees these too.
  handlers().OnMessage(kCatchingChangedMessage, [this](WPARAM, LPARAM) {
    LocalizeMenu();
    ShowCatchingState();
    return ui::kNotHandled;
  });
  handlers().OnMessage(kLanguageChangedMessage, [this](WPARAM, LPARAM) {
    ApplyLanguage();
    return ui::kNotHandled;
  });
  handlers().OnMessage(kDisplayOnTopChangedMessage, [this](WPARAM, LPARAM) {
    ApplyDisplayOnTop();
    return ui::kNotHandled;
  });
  handlers().OnMessage(kBannerBlockChangedMessage, [this](WPARAM, LPARAM) {
    trayMenu_.SetBannerBlockCheck(Settings().bannerBlock.load() != 0);
    return ui::kNotHandled;
  });
  handlers().OnMessage(kQuietExitMessage, [this](WPARAM, LPARAM) {
    exitQuietly_ = true;
    ExitProgram();
    return LRESULT{0};
  });
  handlers().OnMessage(kResumeExitMessage, [this](WPARAM, LPARAM) {
    ExitProgram();
    return LRESULT{0};
  });
}

void CMainPage::HandleCommands() {
  handlers().OnCommand(IDOK, [this](WORD) {
    SaveAndSwitch();
    Hide();
  });
  // Cancel discards the changes; only the end of the program lets the
  // system's sheet close.
  handlers().OnCommandUnlessDeclined(IDCANCEL, [this](WORD) {
    if (endingLoop_) return false;
    Discard();
    return true;
  });
  handlers().OnCommand(ID_APPLY_NOW, [this](WORD) { SaveAndSwitch(); });
  handlers().OnCommand(ID_HELP_COMMAND, [this](WORD) { OpenHelp(); });
  handlers().OnCommand(ID_TRAY_SHOW, [this](WORD) { ShowOrHide(); });
  handlers().OnCommand(ID_TRAY_ENABLE, [this](WORD) { ToggleCatching(); });
  handlers().OnCommand(ID_TRAY_COUNTER_WINDOW, [](WORD) {
    if (CCounterDlg* counter = TheProgram().counter()) counter->ShowCounter();
  });
  handlers().OnCommand(ID_TRAY_CLEAR_COUNTER, [this](WORD) { ClearCounter(); });
  handlers().OnCommand(ID_TRAY_BLOCK_ADS, [this](WORD) { ToggleBannerBlock(); });
  handlers().OnCommand(ID_TRAY_ABOUT, [this](WORD) { RunAboutBox(); });
  handlers().OnCommand(ID_TRAY_EXIT, [this](WORD) { ExitProgram(); });
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
  Program& app = TheProgram();
  app.presence().ForwardTo(hwnd());
  mainPage = this;
  queueHook_.reset(
      ::SetWindowsHookExA(WH_GETMESSAGE, QueuedMessageHook, nullptr, ::GetCurrentThreadId()));
  // Hidden, with a minimize box; the icon comes once the loop runs.
  const LONG_PTR style = ::GetWindowLongPtrA(hwnd(), GWL_STYLE);
  ::SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~WS_VISIBLE) | WS_MINIMIZEBOX);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::PostMessageA(hwnd(), taskbarCreated_, 0, 0);
  visible_ = false;
  ExtendWindowMenu();
  ui::SetWindowIcons(hwnd(), IDI_HUSHWALL);
  trayMenu_.Load();
  ::SetTimer(hwnd(), kTitlePollTimer, kTitlePollMilliseconds, nullptr);
  CreateCounterWindow();
  RememberSavedValues();
  tipEnabled_ = GetMessageText(kTrayTipEnabledMessage);
  tipDisabled_ = GetMessageText(kTrayTipDisabledMessage);
  LocalizeMenu();
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
  ::SetWindowTextA(hwnd(), GetMessageText(kProductCaptionMessage).c_str());
  const std::pair<int, int> buttons[] = {{IDOK, kOkButtonMessage},
                                         {IDCANCEL, kCancelButtonMessage},
                                         {ID_APPLY_NOW, kApplyButtonMessage},
                                         {IDHELP, kHelpButtonMessage}};
  for (const auto& [control, key] : buttons)
    ::SetDlgItemTextA(hwnd(), control, GetMessageText(key).c_str());
  HWND tabs = PropSheet_GetTabControl(hwnd());
  const int count = tabs != nullptr ? TabCtrl_GetItemCount(tabs) : 0;
  for (int tab = 0; tab < count; ++tab) {
    std::string label = GetMessageText(std::to_string(kMainWindowTabLabels + tab), "Error");
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    ::SendMessageA(tabs, TCM_SETITEMA, tab, reinterpret_cast<LPARAM>(&item));
  }
}

void CMainPage::LocalizeMenu() {
  trayMenu_.Localize({visible_, Catching(), Settings().bannerBlock.load() != 0});
}

// Hidden until a pop-up is caught; at start-up it shows the count kept from
// earlier runs when catching is on.
void CMainPage::CreateCounterWindow() {
  Program& app = TheProgram();
  CCounterDlg* counter = app.counter();
  if (counter == nullptr || !counter->Create()) return;
  if (Catching() && app.values().blockedPopups != "0" && !app.values().firstRun)
    counter->ShowCounter();
}

// At start and whenever the shell (and its notification area) starts anew.
void CMainPage::AddTrayIcon() {
  visible_ = TheProgram().values().firstRun;
  ::ShowWindow(hwnd(), visible_ ? SW_SHOW : SW_HIDE);
  trayIcon_.Add(hwnd(), taskbarCallback_, Catching());
  LocalizeMenu();
}

void CMainPage::OnTrayCallback(LPARAM event) {
  switch (event) {
    case WM_MOUSEMOVE:
      trayIcon_.SetTip(Catching() ? tipEnabled_ : tipDisabled_);
      break;
    case WM_LBUTTONDBLCLK:
      ShowOrHide();
      break;
    case WM_RBUTTONUP:
      RunNested([this] {
        trayMenu_.Track(hwnd());
        return INT_PTR{0};
      });
      break;
    default:
      break;
  }
}

void CMainPage::ShowOrHide() {
  visible_ = !visible_;
  if (visible_) {
    ::ShowWindow(hwnd(), SW_SHOW);
    if (popups_.hwnd() != nullptr) popups_.Refresh();
    ApplyDisplayOnTop();
    ::SetForegroundWindow(hwnd());
  } else {
    ::ShowWindow(hwnd(), SW_HIDE);
  }
  LocalizeMenu();
}

void CMainPage::Hide() {
  ::ShowWindow(hwnd(), SW_HIDE);
  visible_ = false;
  LocalizeMenu();
}

void CMainPage::ApplyDisplayOnTop() {
  ::SetWindowPos(hwnd(), Settings().displayOnTop.load() != 0 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMainPage::ToggleCatching() {
  Program& app = TheProgram();
  RefreshBrowserConfiguration(app);
  popups_.StartCleanup();
  SettingNumber& catching = Settings().popupCheckEnabled;
  if (catching.load() != 0) {
    catching = 0;
    app.PublishSettings();
  } else if (app.configuration().AnyBrowserConfigured() || popups_.suppressWarning() != 0) {
    catching = 1;
    app.PublishSettings();
  } else {
    // The refresh may have switched catching off.
    app.PublishSettings();
    // The refresh may have switched catching off: icon and menu say so.
    ShowCatchingState();
    LocalizeMenu();
    const std::string text = GetMessageText(kCatchingNeedsBrowserMessage);
    RunNested([&] {
      return INT_PTR{
          ::MessageBoxA(hwnd(), text.c_str(), app.caption().c_str(), MB_OK | MB_ICONINFORMATION)};
    });
    return;
  }
  ShowCatchingState();
  popups_.SetModified();
  LocalizeMenu();
}

// The icon and the Popups page's boxes follow catching, whichever way it
// changed (a refresh finding no configured browser switches it off too).
void CMainPage::ShowCatchingState() {
  trayIcon_.ShowCatching(Catching());
  if (popups_.hwnd() != nullptr) popups_.SetChecked(IDC_POPUPS_CATCHING, Catching());
  if (HWND sound = popups_.Item(IDC_POPUPS_SOUND)) ::EnableWindow(sound, Catching());
}

void CMainPage::ToggleBannerBlock() {
  const bool wanted = Settings().bannerBlock.load() == 0;
  const bool on = RunNested([this, wanted] {
                    return INT_PTR{SwitchBannerBlocking(wanted, hwnd()) ? 1 : 0};
                  }) != 0;
  Settings().bannerBlock = on ? 1 : 0;
  popups_.SetChecked(IDC_POPUPS_BANNER, on);
  trayMenu_.SetBannerBlockCheck(on);
  popups_.SetModified();
}

void CMainPage::ClearCounter() {
  AppRegistryValues& values = TheProgram().values();
  values.counterCleared = true;
  values.blockedPopups = "0";
  values.counterClearedDate = Today();
  if (CCounterDlg* counter = TheProgram().counter();
      counter != nullptr && counter->hwnd() != nullptr)
    counter->SetCounterTexts();
  popups_.SetModified();
}

void CMainPage::RunAboutBox() {
  RunNested([this] {
    CAboutDlg about(TheProgram().skins());
    return about.DoModal(hwnd());
  });
}

void CMainPage::OpenHelp() {
  RunNested([this] {
    return INT_PTR{OpenHelpFile(hwnd(), TheProgram().values().path + "\\Help\\HushHlp.chm")};
  });
}

void CMainPage::PollTitles() {
  Program& app = TheProgram();
  const auto showCounter = [&app] {
    if (CCounterDlg* counter = app.counter()) counter->ShowCounter();
  };
  if (titlePoll_.Tick(app.values(), showCounter, Settings().playWave.load() != 0, ::GetTickCount()))
    SaveBlockedPopups(app.values());
}

void CMainPage::SaveAllSettings() {
  Program& app = TheProgram();
  app.SaveRegistrySettings();
  SaveSettings();
  app.PrepareBlockerScript();
  if (activeX_.hwnd() != nullptr) activeX_.ApplyZoneSettings();
  for (ui::PropertyPage* page : Pages()) page->SetModified(false);
  RememberSavedValues();
}

// The excluded sites are saved and published before HTTPS filtering may
// start, so no excluded site is ever looked into.
void CMainPage::SaveAndSwitch() {
  SaveAllSettings();
  if (options_.hwnd() == nullptr) return;
  RunNested([this] {
    options_.ApplyHttpsSwitch();
    return INT_PTR{0};
  });
}

void CMainPage::RememberSavedValues() { saved_ = TheProgram().values(); }

// Every window text in the current language: the sheet, its pages, the tray.
void CMainPage::ApplyLanguage() {
  LocalizeSheet();
  if (popups_.hwnd() != nullptr) popups_.ApplyTexts();
  if (activeX_.hwnd() != nullptr) activeX_.ApplyTexts();
  if (options_.hwnd() != nullptr) options_.ApplyTexts();
  tipEnabled_ = GetMessageText(kTrayTipEnabledMessage);
  tipDisabled_ = GetMessageText(kTrayTipDisabledMessage);
  LocalizeMenu();
}

// Cancel and Esc: back to the settings as saved; then the window hides, or
// the program ends when the user did not choose "Close To Tray".
void CMainPage::Discard() {
  Program& app = TheProgram();
  app.ReloadSettings();
  // What the Options page changed in the program's own values goes back as
  // well: a Cancel that ends the program must not save it on the way out.
  AppRegistryValues& values = app.values();
  const bool languageBack = values.language != saved_.language;
  values.language = saved_.language;
  values.languageChanged = saved_.languageChanged;
  values.userWavPath = saved_.userWavPath;
  values.closeToTray = saved_.closeToTray;
  if (languageBack) ApplyLanguage();
  ApplyDisplayOnTop();
  if (popups_.hwnd() != nullptr) popups_.LoadControls();
  if (activeX_.hwnd() != nullptr) activeX_.LoadZoneSettings();
  if (options_.hwnd() != nullptr) options_.LoadControls();
  for (ui::PropertyPage* page : Pages()) page->SetModified(false);
  if (app.values().closeToTray != 0) {
    popups_.SetSuppressWarning(0);
    Hide();
    return;
  }
  popups_.SetSuppressWarning(1);
  ExitProgram();
}

INT_PTR CMainPage::RunNested(const std::function<INT_PTR()>& run) {
  ++nestedDepth_;
  const INT_PTR result = run();
  --nestedDepth_;
  if (nestedDepth_ == 0 && exitPending_) {
    exitPending_ = false;
    ::PostMessageA(hwnd(), kResumeExitMessage, 0, 0);
  }
  return result;
}

// Closes the menu and every window open over the main window: dialogs on
// Cancel, question boxes on No.
void CMainPage::CloseNestedWindows() {
  ::EndMenu();
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM owner) -> BOOL {
        if (OwnedBy(window, reinterpret_cast<HWND>(owner))) {
          ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
          ::PostMessageA(window, WM_COMMAND, IDNO, 0);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(hwnd()));
}

void CMainPage::ExitProgram() {
  if (exiting_) return;
  if (nestedDepth_ > 0) {
    // Not under an open window: it closes first, then the exit goes on.
    exitPending_ = true;
    CloseNestedWindows();
    return;
  }
  SaveAllSettings();
  if (!exitQuietly_) {
    const std::string question = GetMessageText(kExitQuestionMessage),
                      caption = GetMessageText(kExitCaptionMessage);
    // The browsers stay pointed at the proxy: the user must agree to that.
    const INT_PTR answer = RunNested([&] {
      return INT_PTR{
          ::MessageBoxA(hwnd(), question.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION)};
    });
    if (exiting_ || (answer != IDYES && !exitQuietly_)) return;
  }
  exiting_ = true;
  // A clean-up run in progress gets a few seconds to end.
  popups_.cleanup().Stop(3000);
  trayIcon_.Remove();
  if (CCounterDlg* counter = TheProgram().counter();
      counter != nullptr && counter->hwnd() != nullptr)
    ::DestroyWindow(counter->hwnd());
  ::KillTimer(hwnd(), kTitlePollTimer);
  EndModalLoop();
}

void CMainPage::EndModalLoop() {
  endingLoop_ = true;
  ::PostMessageA(hwnd(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}  // namespace hush
