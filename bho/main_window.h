// The running main program, found by the title of its presence window.
#pragma once

#include <windows.h>

namespace hush::bho {

// The main program's window, or null when it is not running.
HWND FindMainWindow();

}  // namespace hush::bho
