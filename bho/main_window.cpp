#include "bho/main_window.h"

#include <string>

#include "bho/module_files.h"
#include "common/installation_folder.h"
#include "product_names.h"

namespace hush::bho {

HWND FindMainWindow() {
  // The title is the language file's message 9999, as the main program
  // names its window.
  const std::string languageFile =
      InstallationFolder() + "\\Language\\" + ProductValue("Language") + ".ini";
  char title[255] = {};
  ::GetPrivateProfileStringA("Hushwall", "9999", HUSH_WEB_SITE, title, sizeof title,
                             languageFile.c_str());
  return ::FindWindowA(nullptr, title);
}

}  // namespace hush::bho
