// Where trace texts go: the debugger in a debug build, nowhere in a release.
#pragma once

#include <string>

namespace hush {

// Debugger output in debug builds; release builds drop the text.
void DebugOutput(const std::string& text);

}  // namespace hush
