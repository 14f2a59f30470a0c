// Where the library lives and what it finds there and in the registry.
#pragma once

#include <windows.h>

#include <string>

namespace hush::bho {

// The library's own module handle, set when it is loaded.
HMODULE& ThisModule();
// The library's full file path and its folder with a trailing backslash.
std::wstring ModulePath();
std::string ModuleFolder();
// The host process's file name (no folder), lowercased.
std::wstring HostFileName();
// A text value of HKEY_CURRENT_USER "Software\Hushwall" (empty when missing),
// whatever its length.
std::string ProductValue(const char* name);

}  // namespace hush::bho
