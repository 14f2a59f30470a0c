// The main window: a property sheet that lives, hidden, for the whole run of
// the program, with the tray icon and its menu. It starts the proxy, counts
// caught pop-ups, shows, hides, saves and discards the settings, and ends
// the program on Exit (after asking) or when the helper object asks for a
// quiet exit. Closing it in any way only hides it.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "browsers/title_poll.h"
#include "common/app_registry.h"
#include "common/unique_handle.h"
#include "common/window_messages.h"
#include "ui/framework/property_sheet.h"
#include "ui/settings/activex_page.h"
#include "ui/settings/options_page.h"
#include "ui/settings/popups_page.h"
#include "ui/tray_icon.h"
#include "ui/tray_menu.h"

namespace hush {

inline constexpr UINT_PTR kTitlePollTimer = 8013;
// Each tick wakes the whole message machinery (under Wine a 10 ms timer
// alone costs 2 % of a core); a catch is counted within a tenth of a second
// in the window the user works in, within half a second elsewhere.
inline constexpr UINT kTitlePollMilliseconds = 100;

class CMainPage : public ui::PropertySheet {
 public:
  CMainPage();
  ~CMainPage() override;

  // Registry values, settings file and the prepared blocker script.
  void SaveAllSettings();
  // OK and Apply: saves, then makes the switches that ask the user.
  void SaveAndSwitch();
  // Saves, asks the user (unless a quiet exit was asked for) and ends the
  // sheet's modal loop; the program ends after it. Runs once; asked for
  // while a nested window is open, it closes that window first.
  void ExitProgram();
  // Runs a modal window of the main window's (a box, a dialog, the wizard):
  // an exit asked for meanwhile waits until it has closed.
  INT_PTR RunNested(const std::function<INT_PTR()>& run);

 protected:
  void OnInitialized() override;

 private:
  void HandleCommands();
  void HandleMessages();
  void ExtendWindowMenu();
  void LocalizeSheet();
  void LocalizeMenu();
  void CreateCounterWindow();
  void AddTrayIcon();
  void OnTrayCallback(LPARAM event);
  void ShowOrHide();
  void Hide();
  void ApplyDisplayOnTop();
  void ToggleCatching();
  void ShowCatchingState();
  void ToggleBannerBlock();
  void ClearCounter();
  void Discard();
  void RememberSavedValues();
  std::array<ui::PropertyPage*, 3> Pages() { return {&popups_, &activeX_, &options_}; }
  void ApplyLanguage();
  void RunAboutBox();
  void OpenHelp();
  void PollTitles();
  void CloseNestedWindows();
  void EndModalLoop();
  static LRESULT CALLBACK QueuedMessageHook(int code, WPARAM removal, LPARAM message);

  CPopupDlg popups_;
  CActiveXPage activeX_;
  COptionsPage options_;
  TrayIcon trayIcon_;
  TrayMenu trayMenu_;
  TitlePoll titlePoll_;
  UINT taskbarCreated_ = 0;
  UINT taskbarCallback_ = 0;
  UniqueHook queueHook_;
  // The program's own values as last saved, for Cancel to return to.
  AppRegistryValues saved_;
  std::string tipEnabled_, tipDisabled_;
  bool visible_ = false;
  bool exitQuietly_ = false;
  bool exiting_ = false;
  bool exitPending_ = false;
  bool endingLoop_ = false;
  int nestedDepth_ = 0;
};

}  // namespace hush
