// The small window at the bottom-right corner of the screen that shows how
// many pop-ups have been caught, in its own look ("popup.skn").
#pragma once

#include <atomic>
#include <thread>

#include "common/app_registry.h"
#include "ui/framework/dialog.h"
#include "ui/skins.h"

namespace hush {

class CCounterDlg : public ui::Dialog {
 public:
  CCounterDlg(const AppRegistryValues& values, SkinReferences& skins);
  ~CCounterDlg() override;

  // Makes the window visible at its resting place, with the current count;
  // five seconds later it slides out to the right and hides.
  void ShowCounter();
  void Hide();
  // The count from the application's counter.
  void SetCounterTexts();
  POINT restingPosition() const { return resting_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void StopSlideOut();
  void Localize();
  void MoveToRestingPosition();
  void StartSlideOut();
  const AppRegistryValues& values_;
  SkinReferences& skins_;
  POINT resting_ = {};
  std::thread slide_;
  std::atomic<bool> stopSliding_{false};
};

}  // namespace hush
