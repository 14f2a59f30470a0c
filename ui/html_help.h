// Opens the program's help file in the HTML Help viewer, loading the viewer
// library on first use; says so when it cannot.
#pragma once

#include <windows.h>

#include <string>

namespace hush {

// Shows the table of contents of `file`; false (after telling the user)
// when the viewer or the file cannot be opened.
bool OpenHelpFile(HWND owner, const std::string& file);

}  // namespace hush
