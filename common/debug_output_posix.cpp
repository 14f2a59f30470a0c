#include "common/debug_output.h"

#include <cstdio>
#include <cstdlib>

namespace hush {

void DebugOutput(const std::string& text) {
  // A terminal has no debugger pane: debug builds trace to standard error
  // when HUSH_TRACE is set.
#ifndef NDEBUG
  static const bool tracing = std::getenv("HUSH_TRACE") != nullptr;
  if (tracing) std::fprintf(stderr, "%s\n", text.c_str());
#else
  (void)text;
#endif
}

}  // namespace hush
