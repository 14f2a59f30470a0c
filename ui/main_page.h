// The main window: a property sheet that lives, hidden, for the whole run of
// the program. It starts the proxy, counts caught pop-ups, saves the
// settings, opens the About box from its window menu and ends the program on
// Exit (after asking) or when the helper object asks for a quiet exit. The
// tray icon and the other pages come with the settings pages.
#pragma once

#include <string>

#include "ui/framework/property_sheet.h"
#include "ui/popups_page.h"

namespace hush {

inline constexpr UINT_PTR kTitlePollTimer = 8013;

class CMainPage : public ui::PropertySheet {
 public:
  CMainPage();
  ~CMainPage() override;

  // Registry values, settings file and the prepared blocker script.
  void SaveAllSettings();
  // Saves, asks the user (unless a quiet exit was asked for) and ends the
  // sheet's modal loop; the program ends after it.
  void ExitProgram();

 protected:
  void OnInitialized() override;

 private:
  void ExtendWindowMenu();
  void LocalizeSheet();
  void CreateCounterWindow();
  void LoadTrayMenu();
  void RunAboutBox();
  void PollTitles();
  static LRESULT CALLBACK QueuedMessageHook(int code, WPARAM removal, LPARAM message);
  CPopupDlg popups_;
  HMENU trayMenu_ = nullptr;
  HHOOK queueHook_ = nullptr;
  std::string savedLanguage_;
  bool visible_ = false;
  bool exitQuietly_ = false;
};

}  // namespace hush
