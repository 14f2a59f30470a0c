// The notice shown at start-up that the program lives in the tray, with the
// choice not to see it again.
#pragma once

#include "ui/framework/dialog.h"

namespace hush {

class CTrayNoticeDlg : public ui::Dialog {
 public:
  CTrayNoticeDlg();
  // What the user chose: show the notice at the next start.
  bool showAtStart() const { return showAtStart_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  bool showAtStart_ = true;
};

}  // namespace hush
