#include "webscrub/cache_folders.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "common/ascii.h"
#include "common/registry_key.h"
#include "common/unique_handle.h"
#include "webscrub/path_form.h"

namespace webscrub {
namespace {

// The names browser caches carry; nothing else is ever emptied.
constexpr const char* kCacheNames[] = {"cache", "cache2", "cache4", "cache.trash", "ocache"};

std::string WithoutTrailingBackslashes(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string ShellFolder(int id) {
  char path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathA(nullptr, id, nullptr, 0, path))) return {};
  return WithoutTrailingBackslashes(path);
}

// The real folders directly inside `folder`.
std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry{};
  const hush::UniqueFind find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
  if (!find) return found;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == ".." || !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
      continue;
    found.push_back(folder + "\\" + name);
  } while (::FindNextFileA(find.get(), &entry));
  return found;
}

void AddIfCache(std::vector<std::string>& folders, const std::string& folder) {
  if (IsCacheFolder(folder)) folders.push_back(folder);
}

// Mozilla-style profiles: <base>\Profiles\<name>\<salt>.slt\Cache.
void MozillaCaches(const std::string& base, std::vector<std::string>& folders) {
  for (const std::string& profile : Subfolders(base + "\\Profiles"))
    for (const std::string& salt : Subfolders(profile)) AddIfCache(folders, salt + "\\Cache");
}

// The roaming application data, and where Windows 2000 and XP keep it when
// the shell names another place: Mozilla and Netscape profiles live in
// either.
std::vector<std::string> ApplicationDataFolders() {
  std::vector<std::string> folders;
  const std::string shell = ShellFolder(CSIDL_APPDATA);
  if (!shell.empty()) folders.push_back(shell);
  char windows[MAX_PATH] = {}, user[256] = {};
  DWORD userSize = sizeof user;
  if (::GetWindowsDirectoryA(windows, MAX_PATH) > 0 && ::GetUserNameA(user, &userSize)) {
    const std::string classic =
        std::string(1, windows[0]) + ":\\Documents and Settings\\" + user + "\\Application Data";
    if (hush::ToLower(classic) != hush::ToLower(shell)) folders.push_back(classic);
  }
  return folders;
}

// Today's Firefox keeps its cache in the local application data.
void FirefoxCaches(std::vector<std::string>& folders) {
  for (int id : {CSIDL_LOCAL_APPDATA, CSIDL_APPDATA}) {
    const std::string base = ShellFolder(id);
    if (base.empty()) continue;
    for (const std::string& profile : Subfolders(base + "\\Mozilla\\Firefox\\Profiles"))
      AddIfCache(folders, profile + "\\cache2");
  }
}

// A folder named in Opera's settings; only a plain absolute path is taken
// (a relative one would depend on the caller's current folder).
std::string RegistryText(const char* name) {
  const hush::RegistryKey key =
      hush::RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Opera Software", KEY_READ);
  std::string value;
  if (!key.ReadText(name, value, MAX_PATH)) return {};
  return IsPlainAbsolutePath(WithoutTrailingBackslashes(value)) ? value : std::string();
}

std::string FolderOfFile(const std::string& file) {
  const std::size_t slash = file.find_last_of('\\');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

// Opera 6 and 7 beside the program or per user, today's Opera per user.
void OperaCaches(std::vector<std::string>& folders) {
  std::vector<std::string> programs = {FolderOfFile(RegistryText("Last CommandLine")),
                                       WithoutTrailingBackslashes(RegistryText("Last Directory2")),
                                       FolderOfFile(RegistryText("Last CommandLine v2"))};
  const std::string appData = ShellFolder(CSIDL_APPDATA);
  for (const std::string& program : programs) {
    if (program.empty()) continue;
    AddIfCache(folders, program + "\\cache4");
    AddIfCache(folders, program + "\\profile\\cache4");
    const std::string name = program.substr(program.find_last_of('\\') + 1);
    if (!appData.empty()) AddIfCache(folders, appData + "\\Opera\\" + name + "\\cache4");
  }
  const std::string local = ShellFolder(CSIDL_LOCAL_APPDATA);
  if (!local.empty()) AddIfCache(folders, local + "\\Opera Software\\Opera Stable\\Cache");
}

// Named and placed as a cache is: checked on the path as written and on
// where it really lies.
bool IsCachePlace(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos || slash < 3 || !IsPlainAbsolutePath(path)) return false;
  const std::string name = hush::ToLower(path.substr(slash + 1));
  if (std::find(std::begin(kCacheNames), std::end(kCacheNames), name) == std::end(kCacheNames))
    return false;
  // Nothing inside the Windows folder, and never a folder that holds the
  // Windows folder, the user's folder or the application data: a cache
  // lies below them.
  const std::string lower = hush::ToLower(path) + "\\";
  const std::string windows = hush::ToLower(ShellFolder(CSIDL_WINDOWS));
  if (!windows.empty() && lower.rfind(windows + "\\", 0) == 0) return false;
  for (int id : {CSIDL_WINDOWS, CSIDL_PROFILE, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA}) {
    const std::string kept = hush::ToLower(ShellFolder(id));
    if (!kept.empty() && (kept + "\\").rfind(lower, 0) == 0) return false;
  }
  return true;
}

}  // namespace

std::optional<CacheRoot> OpenCacheRoot(const std::string& folder) {
  const std::string path = WithoutTrailingBackslashes(folder);
  if (!IsCachePlace(path)) return std::nullopt;
  CacheRoot root{OpenEntry(path, OpenFor::kHolding), path};
  if (!IsRealFolder(root.handle)) return std::nullopt;
  bool resolvable = false;
  const std::optional<std::string> real = FinalPathOf(root.handle, resolvable);
  if (!resolvable) return root;  // the path as written, held in place
  if (!real || !IsCachePlace(*real)) return std::nullopt;
  root.realPath = *real;
  return root;
}

bool IsCacheFolder(const std::string& folder) { return OpenCacheRoot(folder).has_value(); }

std::vector<std::string> CacheFoldersOf(int browserKind) {
  std::vector<std::string> folders;
  switch (browserKind) {
    case 2:
      for (const std::string& base : ApplicationDataFolders())
        MozillaCaches(base + "\\Mozilla", folders);
      break;
    case 3:
      for (const std::string& base : ApplicationDataFolders())
        MozillaCaches(base + "\\Netscape\\NSB", folders);
      break;
    case 4:
      OperaCaches(folders);
      break;
    case 5:
      FirefoxCaches(folders);
      break;
    default:
      break;
  }
  return folders;
}

}  // namespace webscrub
