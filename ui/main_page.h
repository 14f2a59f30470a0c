// The main window: a property sheet that lives, hidden, for the whole run of
// the program. It starts the proxy, runs the pop-up title poll and ends the
// program when the helper object asks for a quiet exit. Its pages, tray icon
// and menu come with the settings pages.
#pragma once

#include "ui/framework/property_page.h"
#include "ui/framework/property_sheet.h"

namespace hush {

inline constexpr UINT_PTR kTitlePollTimer = 8013;

class CMainPage : public ui::PropertySheet {
 public:
  CMainPage();

  // Ends the sheet's modal loop (the program ends after it).
  void ExitProgram();

 protected:
  void OnInitialized() override;

 private:
  void PollTitles();
  ui::PropertyPage placeholder_;
  bool visible_ = false;
};

}  // namespace hush
