#include "webscrub/cache_files.h"

#include <windows.h>

#include "common/unique_handle.h"
#include "webscrub/cache_folders.h"
#include "webscrub/file_handles.h"
#include "webscrub/path_form.h"

namespace webscrub {
namespace {

constexpr int kDepthLimit = 16;

template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
  WIN32_FIND_DATAA entry{};
  const hush::UniqueFind find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
  if (!find) return;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") visit(folder + "\\" + name, entry.dwFileAttributes);
  } while (::FindNextFileA(find.get(), &entry));
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

// Whether the opened entry really lies inside the cache. Where the system
// cannot tell, the folders on the way are held in place instead.
bool LiesInside(const EntryHandle& entry, const CacheRoot& root) {
  bool resolvable = false;
  const std::optional<std::string> real = FinalPathOf(entry, resolvable);
  return !resolvable || (real && IsBelow(*real, root.realPath));
}

// Removes the empty real folders below `folder`, deepest first; `folder`
// itself is held in place meanwhile.
void RemoveEmptyFolders(const CacheRoot& root, const std::string& folder, int depth) {
  ForEachEntry(folder, [&](const std::string& path, DWORD attributes) {
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ||
        depth >= kDepthLimit)
      return;
    {
      const EntryHandle held = OpenEntry(path, OpenFor::kHolding);
      if (!IsRealFolder(held) || !LiesInside(held, root)) return;
      RemoveEmptyFolders(root, path, depth + 1);
    }
    const EntryHandle entry = OpenEntry(path, OpenFor::kDeleting);
    if (IsRealFolder(entry) && LiesInside(entry, root))
      DeleteThrough(entry);  // fails, as it should, when not empty
  });
}

// Deletes one file found in the cache, if it is still a plain file there:
// every folder on the way is held in place while the file is checked and
// deleted through one handle, so no folder swapped for a link can redirect
// the deletion.
void DeleteInside(const CacheRoot& root, const std::string& folder, const std::string& file) {
  std::vector<EntryHandle> held;
  for (std::size_t slash = file.find('\\', folder.size() + 1); slash != std::string::npos;
       slash = file.find('\\', slash + 1)) {
    held.push_back(OpenEntry(file.substr(0, slash), OpenFor::kHolding));
    if (!IsRealFolder(held.back()) || !LiesInside(held.back(), root)) return;
  }
  const EntryHandle entry = OpenEntry(file, OpenFor::kDeleting);
  if (IsPlainFile(entry) && LiesInside(entry, root)) DeleteThrough(entry);
}

}  // namespace

std::vector<std::string> FilesBelow(const std::string& cacheFolder, std::size_t limit) {
  std::vector<std::string> files;
  if (IsCacheFolder(cacheFolder)) Collect(cacheFolder, 0, limit, files);
  return files;
}

void DeleteCacheFiles(const std::vector<std::string>& files,
                      const std::vector<std::string>& cacheFolders, bool removeEmptyFolders) {
  for (const std::string& folder : cacheFolders) {
    // Checked again, and held from here on: the folders may have changed
    // since the scan.
    const std::optional<CacheRoot> root = OpenCacheRoot(folder);
    if (!root) continue;
    for (const std::string& file : files)
      if (IsBelow(file, folder)) DeleteInside(*root, folder, file);
    if (removeEmptyFolders) RemoveEmptyFolders(*root, folder, 0);
  }
}

}  // namespace webscrub
