// The notice shown at start-up that the program lives in the tray, with the
// choice not to see it again.
#pragma once

#include <string>

#include "ui/framework/dialog.h"
#include "ui/skins.h"

namespace hush {

class CTrayNoticeDlg : public ui::Dialog {
 public:
  // The notice takes the main look for the program: it is the first skinned
  // window of a start.
  CTrayNoticeDlg(SkinReferences& skins, std::string installFolder);
  // What the user chose: show the notice at the next start.
  bool showAtStart() const { return showAtStart_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  SkinReferences& skins_;
  std::string installFolder_;
  bool showAtStart_ = true;
};

}  // namespace hush
