#include "ui/settings/excluded_sites.h"

namespace hush {

std::string ExcludedSitesText(const std::string& typed) {
  constexpr char kSeparators[] = ",; \t\r\n";
  std::string tidy;
  std::size_t start = typed.find_first_not_of(kSeparators);
  while (start != std::string::npos) {
    const std::size_t end = typed.find_first_of(kSeparators, start);
    if (!tidy.empty()) tidy += ", ";
    tidy += typed.substr(start, end == std::string::npos ? std::string::npos : end - start);
    start = typed.find_first_not_of(kSeparators, end);
  }
  return tidy;
}

}  // namespace hush
