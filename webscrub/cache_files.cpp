#include "webscrub/cache_files.h"

#include <windows.h>

#include "webscrub/cache_folders.h"

namespace webscrub {
namespace {

constexpr int kDepthLimit = 16;

template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
  WIN32_FIND_DATAA entry{};
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") visit(folder + "\\" + name, entry.dwFileAttributes);
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
}

void Collect(const std::string& folder, int depth, std::size_t limit,
             std::vector<std::string>& files) {
  ForEachEntry(folder, [&](const std::string& path, DWORD attributes) {
    if (files.size() >= limit || (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back(path);
    else if (depth < kDepthLimit)
      Collect(path, depth + 1, limit, files);
  });
}

// Removes the empty real folders below `folder`, deepest first.
void RemoveEmptyFolders(const std::string& folder, int depth) {
  ForEachEntry(folder, [&](const std::string& path, DWORD attributes) {
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        depth >= kDepthLimit)
      return;
    RemoveEmptyFolders(path, depth + 1);
    ::RemoveDirectoryA(path.c_str());  // fails, as it should, when not empty
  });
}

bool Below(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() + 1 &&
         _strnicmp(path.c_str(), folder.c_str(), folder.size()) == 0 && path[folder.size()] == '\\';
}

// No folder between the cache folder and the file has become a link since
// the scan.
bool ReachedWithoutLinks(const std::string& file, const std::string& folder) {
  for (std::size_t slash = file.find_last_of('\\'); slash > folder.size();
       slash = file.find_last_of('\\', slash - 1)) {
    const DWORD attributes = ::GetFileAttributesA(file.substr(0, slash).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
      return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> FilesBelow(const std::string& cacheFolder, std::size_t limit) {
  std::vector<std::string> files;
  if (IsCacheFolder(cacheFolder)) Collect(cacheFolder, 0, limit, files);
  return files;
}

void DeleteCacheFiles(const std::vector<std::string>& files,
                      const std::vector<std::string>& cacheFolders, bool removeEmptyFolders) {
  for (const std::string& file : files) {
    // Checked again: the folders may have changed since the scan.
    for (const std::string& folder : cacheFolders) {
      if (!Below(file, folder)) continue;
      if (!IsCacheFolder(folder) || !ReachedWithoutLinks(file, folder)) break;
      const DWORD attributes = ::GetFileAttributesA(file.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES &&
          !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        ::DeleteFileA(file.c_str());
      break;
    }
  }
  if (!removeEmptyFolders) return;
  for (const std::string& folder : cacheFolders)
    if (IsCacheFolder(folder)) RemoveEmptyFolders(folder, 0);
}

}  // namespace webscrub
