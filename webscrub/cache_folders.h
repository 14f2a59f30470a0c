// Where each browser keeps its disk cache, and the test every folder must
// pass before anything in it is deleted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "webscrub/file_handles.h"

namespace webscrub {

// The cache folders of a browser kind that exist on this system.
std::vector<std::string> CacheFoldersOf(int browserKind);

// A cache folder held open (it cannot be moved or replaced while held), and
// where it really lies.
struct CacheRoot {
  EntryHandle handle;
  std::string realPath;
};

// The folder, when it is plainly a browser cache: a plain absolute path,
// named as caches are, a real folder (not a link or junction), not a drive
// root, not the Windows folder or one above it, and not a user's or a
// profile's own folder; all of this holds for where it really lies too
// (links higher up resolved).
std::optional<CacheRoot> OpenCacheRoot(const std::string& folder);
bool IsCacheFolder(const std::string& folder);

}  // namespace webscrub
