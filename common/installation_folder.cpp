#include "common/installation_folder.h"

#include "common/registry_key.h"

namespace hush {

std::string InstallationFolder() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    std::string folder;
    if (RegistryKey::Open(root, kInstallationKey, KEY_READ).ReadText(kInstallationValue, folder) &&
        !folder.empty())
      return folder;
  }
  return {};
}

}  // namespace hush
