#include "browsers/registry_dat.h"

#include <algorithm>

namespace hush::browsers {
namespace {

constexpr std::string_view kDirectoryTag{"directory\0", 10};
constexpr std::size_t kPathLimit = 259;

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::vector<std::string> ProfileFoldersOfRegistryDat(std::string_view bytes,
                                                     std::string_view standardProfilesFolder) {
  std::vector<std::string> folders;
  std::size_t at = bytes.find(kDirectoryTag);
  while (at != std::string_view::npos) {
    const std::size_t start = at + kDirectoryTag.size();
    std::size_t end = bytes.find('\0', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view path = bytes.substr(start, std::min(end - start, kPathLimit));
    if (EndsWith(path, ".slt") && path.find(standardProfilesFolder) == std::string_view::npos)
      folders.emplace_back(path);
    at = bytes.find(kDirectoryTag, end);
  }
  return folders;
}

std::string ProfileNameOfFolder(std::string_view folder) {
  const std::size_t last = folder.rfind('\\');
  if (last == std::string_view::npos || last == 0) return {};
  const std::size_t previous = folder.rfind('\\', last - 1);
  const std::size_t start = previous == std::string_view::npos ? 0 : previous + 1;
  return std::string(folder.substr(start, last - start));
}

}  // namespace hush::browsers
