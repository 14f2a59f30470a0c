#include "app/user_data_setup.h"

#include <windows.h>

#include "common/app_registry.h"
#include "common/registry_key.h"
#include "common/user_data_folder.h"

namespace hush {
namespace {

bool EnsureFolder(const std::string& folder) {
  if (folder.empty()) return false;
  if (::CreateDirectoryA(folder.c_str(), nullptr)) return true;
  const DWORD attributes = ::GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Copies `name` unless the user already has one; the copy must stay
// writable even when the installed file is marked read-only.
bool CopyUnlessPresent(const std::string& dataFolder, const std::string& installationFolder,
                       const char* name) {
  const std::string from = FileIn(installationFolder, name);
  const std::string to = FileIn(dataFolder, name);
  if (!FileExists(from) || FileExists(to)) return true;
  if (!::CopyFileA(from.c_str(), to.c_str(), TRUE)) return false;
  const DWORD attributes = ::GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    ::SetFileAttributesA(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  return true;
}

void CarryOverOnce(const std::string& dataFolder, const std::string& installationFolder) {
  const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kProgramKey);
  DWORD done = 0;
  if (!key || (key.ReadNumber(kCarriedOverValue, done) && done != 0)) return;
  bool carried = true;
  for (const char* name : {kSettingsFileName, kReplacedProxiesFileName, kZoneBackupFileName})
    carried = CopyUnlessPresent(dataFolder, installationFolder, name) && carried;
  if (carried) key.WriteNumber(kCarriedOverValue, 1);
}

}  // namespace

bool PrepareUserData(const std::string& dataFolder, const std::string& installationFolder) {
  if (!EnsureFolder(dataFolder)) return false;
  CarryOverOnce(dataFolder, installationFolder);
  // The installed file is the shipped default from here on.
  CopyUnlessPresent(dataFolder, installationFolder, kSettingsFileName);
  return true;
}

}  // namespace hush
