#include "webscrub/path_form.h"

#include <cctype>
#include <cstring>

namespace webscrub {

bool IsPlainAbsolutePath(const std::string& path) {
  if (path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' ||
      path[2] != '\\')
    return false;
  if (path.find_first_of("/:", 2) != std::string::npos) return false;
  for (std::size_t start = 3; start <= path.size();) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part.empty()) return start == path.size() && start == 3;  // only "X:\" itself
    if (part.back() == '.' || part.back() == ' ') return false;   // also "." and ".."
    start = end + 1;
  }
  return true;
}

bool IsBelow(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() + 1 &&
         _strnicmp(path.c_str(), folder.c_str(), folder.size()) == 0 && path[folder.size()] == '\\';
}

}  // namespace webscrub
