#include "webscrub/url_cache.h"

#include <windows.h>

#include <wininet.h>

#include "common/unique_handle.h"

namespace webscrub {
namespace {

// Cookies and history live in the same cache under their own prefixes and
// entry types; they are the user's and stay.
bool IsUsersOwn(const INTERNET_CACHE_ENTRY_INFOA& entry) {
  const std::string url = entry.lpszSourceUrlName != nullptr ? entry.lpszSourceUrlName : "";
  return (entry.CacheEntryType & (COOKIE_CACHE_ENTRY | URLHISTORY_CACHE_ENTRY)) != 0 ||
         url.rfind("Cookie:", 0) == 0 || url.rfind("Visited:", 0) == 0;
}

void CloseUrlCacheFind(HANDLE find) { ::FindCloseUrlCache(find); }
using UniqueUrlCacheFind = hush::UniqueHandle<HANDLE, CloseUrlCacheFind>;

// The first entry, then each next one; the system's error tells why not.
bool NextEntry(UniqueUrlCacheFind& find, INTERNET_CACHE_ENTRY_INFOA* entry, DWORD& size) {
  if (find) return ::FindNextUrlCacheEntryA(find.get(), entry, &size) != FALSE;
  find.reset(::FindFirstUrlCacheEntryA(nullptr, entry, &size));
  return static_cast<bool>(find);
}

}  // namespace

std::vector<std::string> UrlCacheEntries(std::size_t limit) {
  std::vector<std::string> urls;
  std::vector<char> buffer(4096);
  UniqueUrlCacheFind find;
  while (urls.size() < limit) {
    auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size());
    const bool read = NextEntry(find, entry, size);
    if (!read) {
      // A larger entry than the buffer: the same step again with room.
      if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) break;
      buffer.resize(size);
      continue;
    }
    if (!IsUsersOwn(*entry) && entry->lpszSourceUrlName != nullptr)
      urls.emplace_back(entry->lpszSourceUrlName);
  }
  return urls;
}

void DeleteUrlCacheEntries(const std::vector<std::string>& urls) {
  for (const std::string& url : urls) ::DeleteUrlCacheEntryA(url.c_str());
}

}  // namespace webscrub
