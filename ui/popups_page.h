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

 protected:
  bool OnInitDialog() override;

 private:
  SkinReferences& skins_;
  std::string installFolder_;
};

}  // namespace hush
