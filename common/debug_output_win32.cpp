#include "common/debug_output.h"

#include <windows.h>

namespace hush {

void DebugOutput(const std::string& text) {
#ifndef NDEBUG
  ::OutputDebugStringA(text.c_str());
#else
  (void)text;
#endif
}

}  // namespace hush
