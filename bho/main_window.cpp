#include "bho/main_window.h"

#include <string>

#include "bho/module_files.h"
#include "common/installation_folder.h"
#include "common/text_ids.h"
#include "product_names.h"

namespace hush::bho {

HWND FindMainWindow() {
  // The title is the language file's instance-name message, as the main
  // program names its window.
  const std::string languageFile =
      InstallationFolder() + "\\Language\\" + ProductValue("Language") + ".ini";
  char title[255] = {};
  ::GetPrivateProfileStringA("Hushwall", std::to_string(kInstanceNameMessage).c_str(),
                             HUSH_WEB_SITE, title, sizeof title, languageFile.c_str());
  return ::FindWindowA(nullptr, title);
}

}  // namespace hush::bho
