#include "ui/about_dialog.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "common/registry_key.h"
#include "common/text_ids.h"
#include "product_names.h"
#include "ui/framework/localized_window.h"
#include "ui/resource_ids.h"

namespace hush {

std::string ProgramVersionValue(const std::string& name) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!::GetFileVersionInfoA(path, 0, size, block.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  const std::string query = "\\StringFileInfo\\040904b0\\" + name;
  if (!::VerQueryValueA(block.data(), query.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const char*>(value);
}

CAboutDlg::CAboutDlg(const SkinReferences& skins) : ui::Dialog(IDD_ABOUT), skins_(skins) {
  handlers().OnCommand(IDC_ABOUT_WEB_SITE, [this](WORD) { OpenWebSite(); });
}

bool CAboutDlg::OnInitDialog() {
  LoadDialogTexts(hwnd(), kAboutBoxTexts, {kCaptionControlId, IDC_ABOUT_VERSION_LABEL, IDOK});
  ShowVersionText(IDC_ABOUT_COPYRIGHT);
  ShowVersionText(IDC_ABOUT_FILE_VERSION);
  SkinWindow(skins_.main, hwnd());
  return true;
}

void CAboutDlg::ShowVersionText(int controlId) {
  // The template text of the control names the version value it shows.
  const std::string value = ProgramVersionValue(ItemText(controlId));
  if (!value.empty()) SetItemText(controlId, value);
}

void CAboutDlg::OpenWebSite() {
  RegistryKey key = RegistryKey::Open(
      HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE",
      KEY_READ);  // a standard user may read it, not change it
  std::string browser;
  if (!key || !key.ReadText("", browser)) return;
  const size_t slash = browser.find_last_of('\\');
  const std::string folder = slash == std::string::npos ? "" : browser.substr(0, slash);
  const std::string file = browser.substr(slash == std::string::npos ? 0 : slash + 1);
  ::ShellExecuteA(hwnd(), "Open", file.c_str(), HUSH_WEB_SITE, folder.c_str(), SW_SHOWNORMAL);
}

}  // namespace hush
