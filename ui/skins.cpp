#include "ui/skins.h"

#include <vector>

namespace hush {

std::wstring InstalledFilePath(const std::string& installFolder, const char* name) {
  const std::string path = installFolder + "\\" + name;
  const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::vector<wchar_t> wide(static_cast<size_t>(length));
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  return wide.data();
}

void TakeSkin(ui::ComPtr<skin::ISkin>& held, const ui::Dialog& dialog, int controlId) {
  held = dialog.HostedInterface<skin::ISkin>(controlId, skin::kSkinInterface);
}

// The controls' statuses are not the program's concern: a missing skin file
// or window leaves the look as it was.
void LoadInstalledSkin(const ui::ComPtr<skin::ISkin>& skin, const std::string& installFolder,
                       const char* name) {
  if (skin) skin->LoadSkinFile(InstalledFilePath(installFolder, name).c_str());
}

void SkinWindow(const ui::ComPtr<skin::ISkin>& skin, HWND window) {
  if (skin) skin->ApplySkin(skin::NumberFromWindow(window));
}

void RefreshSkinnedWindow(const ui::ComPtr<skin::ISkin>& skin, HWND window) {
  if (!skin) return;
  ui::ComPtr<IDispatch> object;
  skin->GetWindowSkin(skin::NumberFromWindow(window), object.Receive());
  auto windowSkin = ui::ComPtr<skin::IWindowSkin>::Query(object.Get(), skin::kWindowSkinInterface);
  if (windowSkin) windowSkin->RefreshSkin();
}

}  // namespace hush
