// The files inside cache folders, found and deleted without ever leaving
// the folder: links and junctions are neither followed nor deleted.
#pragma once

#include <string>
#include <vector>

namespace webscrub {

// The files below a cache folder (at most `limit`).
std::vector<std::string> FilesBelow(const std::string& cacheFolder, std::size_t limit);

// Deletes the files, each only if it still lies in a cache folder, then
// (when asked) the emptied folders below each cache folder, never the cache
// folder itself.
void DeleteCacheFiles(const std::vector<std::string>& files,
                      const std::vector<std::string>& cacheFolders, bool removeEmptyFolders);

}  // namespace webscrub
