// The About box: the program's legal notice and file version from its own
// version resource, and a button that opens the product's web site.
#pragma once

#include <string>

#include "ui/framework/dialog.h"
#include "ui/skins.h"

namespace hush {

class CAboutDlg : public ui::Dialog {
 public:
  // Drawn with the main look the program holds at the time.
  explicit CAboutDlg(const SkinReferences& skins);

 protected:
  bool OnInitDialog() override;

 private:
  void ShowVersionText(int controlId);
  void OpenWebSite();
  const SkinReferences& skins_;
};

// A value of the "\StringFileInfo\040904b0" block of this program's version
// resource ("" when there is none).
std::string ProgramVersionValue(const std::string& name);

}  // namespace hush
