// Fills and lists WinINet's URL cache for the clean-up tests, as a browser
// using it would leave it: pages with their files, cookies and history.
//   url_cache add URL...   an entry per URL, each with a small file; a URL
//                          may carry the "Cookie:" or "Visited:" prefix of
//                          the cookie and history containers
//   url_cache list         prints every entry's URL, one per line
#include <windows.h>

#include <wininet.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool Add(const char* url) {
  char file[MAX_PATH] = {};
  if (!::CreateUrlCacheEntryA(url, 0, "htm", file, 0)) return false;
  HANDLE handle = ::CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  ::WriteFile(handle, "<html></html>", 13, &written, nullptr);
  ::CloseHandle(handle);
  const FILETIME never = {};
  const bool user = std::string(url).rfind("Cookie:", 0) == 0;
  return ::CommitUrlCacheEntryA(url, file, never, never,
                                user ? COOKIE_CACHE_ENTRY : NORMAL_CACHE_ENTRY, nullptr, 0, nullptr,
                                nullptr) != FALSE;
}

// Every container: the pages' own, the cookies' and the history's.
void List() {
  for (const char* prefix : {static_cast<const char*>(nullptr), "cookie:", "visited:"}) {
    std::vector<char> buffer(8192);
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size());
    HANDLE find = ::FindFirstUrlCacheEntryA(prefix, entry, &size);
    if (find == nullptr) continue;
    do {
      std::printf("%s\n", entry->lpszSourceUrlName);
      size = static_cast<DWORD>(buffer.size());
    } while (::FindNextUrlCacheEntryA(find, entry, &size));
    ::FindCloseUrlCache(find);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "list" && argc == 2) {
    List();
    return 0;
  }
  if (command != "add" || argc < 3) {
    std::fprintf(stderr, "usage: url_cache add URL... | url_cache list\n");
    return 2;
  }
  for (int index = 2; index < argc; ++index) {
    if (!Add(argv[index])) {
      std::fprintf(stderr, "cannot add %s (error %lu)\n", argv[index], ::GetLastError());
      return 1;
    }
  }
  return 0;
}
