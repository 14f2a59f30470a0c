// Where each browser keeps its disk cache, and the test every folder must
// pass before anything in it is deleted.
#pragma once

#include <string>
#include <vector>

namespace webscrub {

// The cache folders of a browser kind that exist on this system.
std::vector<std::string> CacheFoldersOf(int browserKind);

// A folder that is plainly a browser cache: named as caches are, a real
// folder (not a link or junction), not a drive root, not the Windows
// folder or one above it, and not a user's or a profile's own folder.
bool IsCacheFolder(const std::string& folder);

}  // namespace webscrub
