// The start-up splash: a dialog that never shows itself; it hands the
// installed splash file to its splash control, which shows the picture, and
// closes as soon as the control is done.
#pragma once

#include <string>

#include "ui/framework/dialog.h"

namespace hush {

class CSplashDlg : public ui::Dialog {
 public:
  explicit CSplashDlg(std::string installFolder);

 protected:
  bool OnInitDialog() override;

 private:
  std::string installFolder_;
};

}  // namespace hush
