#include <windows.h>

#include <vector>

#include "common/ini_file.h"

namespace hush::ini {

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::uint32_t ReadNumber(const std::string& section, const std::string& key,
                         std::uint32_t defaultValue, const std::string& path) {
  return ::GetPrivateProfileIntA(section.c_str(), key.c_str(), static_cast<INT>(defaultValue),
                                 path.c_str());
}

std::string ReadText(const std::string& section, const std::string& key,
                     const std::string& defaultValue, const std::string& path,
                     std::size_t capacity) {
  std::vector<char> buffer(capacity, '\0');
  DWORD length =
      ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(capacity), path.c_str());
  return std::string(buffer.data(), length);
}

bool WriteText(const std::string& section, const std::string& key, const std::string& value,
               const std::string& path) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

void Flush(const std::string& path) {
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

}  // namespace hush::ini
