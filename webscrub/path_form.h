// The form of a folder path before anything is looked up: only a plain
// absolute drive path says plainly where it leads.
#pragma once

#include <string>

namespace webscrub {

// "X:\..." with no empty, "." or ".." component, no component that Windows
// would shorten (a trailing dot or space), no forward slash, no "\\?\" or
// "\\.\" device form, no network path and no stream name.
bool IsPlainAbsolutePath(const std::string& path);

// `path` lies below `folder` (a backslash after it; letters in any case).
bool IsBelow(const std::string& path, const std::string& folder);

}  // namespace webscrub
