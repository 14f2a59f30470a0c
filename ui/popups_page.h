// The Popups page of the main window. For now it carries the program's main
// look: opening it loads the main skin and puts it on the main window and on
// the page. Its switches come with the settings pages.
#pragma once

#include <string>

#include "ui/framework/property_page.h"
#include "ui/skins.h"

namespace hush {

class CPopupDlg : public ui::PropertyPage {
 public:
  CPopupDlg(SkinReferences& skins, std::string installFolder);

  // While set, enabling catching without a configured browser is allowed
  // and not warned about (set by Cancel when the program ends).
  DWORD suppressWarning() const { return suppressWarning_; }
  void SetSuppressWarning(DWORD mark) { suppressWarning_ = mark; }

 protected:
  bool OnInitDialog() override;

 private:
  SkinReferences& skins_;
  std::string installFolder_;
  DWORD suppressWarning_ = 0;
};

}  // namespace hush
