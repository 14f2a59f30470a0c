// The Popups page of the main window: catching pop-ups, the sound alert and
// banner blocking, the note that blinks while no browser is configured, and
// the buttons that run the set-up wizard. Switching catching empties the
// configured browsers' caches on a worker thread.
#pragma once

#include <functional>
#include <string>

#include "browsers/cleanup_runner.h"
#include "ui/framework/property_page.h"
#include "ui/skins.h"

namespace hush {

class CPopupDlg : public ui::PropertyPage {
 public:
  // Runs a modal window of the main window's (the wizard, a box).
  using NestedRunner = std::function<INT_PTR(const std::function<INT_PTR()>&)>;
  CPopupDlg(SkinReferences& skins, std::string installFolder, NestedRunner runNested);
  // While set, enabling catching without a configured browser is allowed
  // and not warned about (set by Cancel when the program ends).
  DWORD suppressWarning() const { return suppressWarning_; }
  void SetSuppressWarning(DWORD mark) { suppressWarning_ = mark; }

  // The boxes from the settings (at opening, and on the main window's Cancel).
  void LoadControls();
  void ApplyTexts();
  // What turning to the page does (also when the main window is shown).
  void Refresh();
  // Empties the configured browsers' caches on the worker thread.
  void StartCleanup();
  CleanupRunner& cleanup() { return cleanup_; }

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;

 private:
  void OnCatchingBox();
  void OnSoundBox();
  void OnBannerBox();
  void OnSetProxy();
  void OnResetProxy();
  void RunWizard(bool setMode);
  void RunSetWizard(bool offerCatching);
  void StartBlinking(bool restart);
  void StopBlinking();
  void OnBlinkTick();
  int Inform(int message, UINT type);
  void PostToMain(UINT message) const;

  SkinReferences& skins_;
  std::string installFolder_;
  NestedRunner runNested_;
  DWORD suppressWarning_ = 0;
  int blinkState_ = -1;
  bool loading_ = false;
  CleanupRunner cleanup_;
};

}  // namespace hush
