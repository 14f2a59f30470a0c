#include "bho/module_files.h"

#include <cwctype>

#include "common/registry_key.h"

namespace hush::bho {
namespace {

// GetModuleFileName with a buffer that grows until the whole path fits.
std::wstring ModuleFileName(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

HMODULE& ThisModule() {
  static HMODULE module = nullptr;
  return module;
}

std::wstring ModulePath() { return ModuleFileName(ThisModule()); }

std::string ModuleFolder() {
  // The settings files are read with the ANSI profile functions: the same
  // path in the ANSI code page, as long as it is.
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return {};
  const std::wstring folder = path.substr(0, slash + 1);
  const int size = ::WideCharToMultiByte(CP_ACP, 0, folder.c_str(), static_cast<int>(folder.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, folder.c_str(), static_cast<int>(folder.size()), narrow.data(),
                        size, nullptr, nullptr);
  return narrow;
}

std::wstring HostFileName() {
  std::wstring path = ModuleFileName(nullptr);
  path.erase(0, path.find_last_of(L"\\/") + 1);
  for (wchar_t& c : path) c = static_cast<wchar_t>(std::towlower(c));
  return path;
}

std::string ProductValue(const char* name) {
  // The key lies in the user's hive, which 32-bit and 64-bit programs share.
  const hush::RegistryKey key =
      hush::RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Hushwall", KEY_READ);
  if (!key) return {};
  std::string text;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ && size > 0) {
    text.resize(size);
    if (::RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()),
                           &size) != ERROR_SUCCESS)
      size = 0;
    text.resize(size);
    while (!text.empty() && text.back() == '\0') text.pop_back();
  }
  return text;
}

}  // namespace hush::bho
