// The Options page's excluded sites as the user types them and as the
// settings file keeps them: host names separated by commas.
#pragma once

#include <cstddef>
#include <string>

namespace hush {

// The most the page takes. The settings store reads the value back up to
// 8191 characters and a longer one would come back cut; tidying adds at
// most one character for every two typed.
inline constexpr std::size_t kLongestExcludedSites = 5000;

// "bank.example; shop.example  other.example" -> "bank.example,
// shop.example, other.example". A name typed after a space or a semicolon
// would otherwise be read as part of the name before it, and its site
// filtered although the user excluded it.
std::string ExcludedSitesText(const std::string& typed);

}  // namespace hush
