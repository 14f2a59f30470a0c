// Internet Explorer's temporary Internet files: the entries of WinINet's
// URL cache, without its cookies and its history.
#pragma once

#include <string>
#include <vector>

namespace webscrub {

std::vector<std::string> UrlCacheEntries(std::size_t limit);
void DeleteUrlCacheEntries(const std::vector<std::string>& urls);

}  // namespace webscrub
