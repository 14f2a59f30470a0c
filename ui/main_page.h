// The main window: a property sheet that lives, hidden, for the whole run of
// the program. It starts the proxy, runs the pop-up title poll, opens the
// About box from its window menu and ends the program when the helper object
// asks for a quiet exit. The tray icon and the other pages come with the
// settings pages.
#pragma once

#include "ui/framework/property_sheet.h"
#include "ui/popups_page.h"

namespace hush {

inline constexpr UINT_PTR kTitlePollTimer = 8013;

class CMainPage : public ui::PropertySheet {
 public:
  CMainPage();
  ~CMainPage() override;

  // Ends the sheet's modal loop (the program ends after it).
  void ExitProgram();

 protected:
  void OnInitialized() override;

 private:
  void ExtendWindowMenu();
  void LocalizeSheet();
  void SetIcons();
  void LoadTrayMenu();
  void RunAboutBox();
  void PollTitles();
  CPopupDlg popups_;
  HMENU trayMenu_ = nullptr;
  bool visible_ = false;
};

}  // namespace hush
