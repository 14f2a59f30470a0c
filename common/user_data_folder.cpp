#include "common/user_data_folder.h"

#include <windows.h>

#include <shlobj.h>

namespace hush {

std::string UserDataFolder() {
  char folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)) ||
      folder[0] == '\0')
    return {};
  return std::string(folder) + "\\Hushwall";
}

std::string FileIn(const std::string& folder, const std::string& name) {
  if (folder.empty()) return {};
  return folder + "\\" + name;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string FolderHolding(const std::string& dataFolder, const std::string& installationFolder,
                          const std::string& name) {
  if (FileExists(FileIn(dataFolder, name))) return dataFolder;
  if (FileExists(FileIn(installationFolder, name)) || dataFolder.empty()) return installationFolder;
  return dataFolder;
}

std::string FindUserFile(const std::string& dataFolder, const std::string& installationFolder,
                         const std::string& name) {
  return FileIn(FolderHolding(dataFolder, installationFolder, name), name);
}

}  // namespace hush
