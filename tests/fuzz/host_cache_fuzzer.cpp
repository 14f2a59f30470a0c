// Host cache: any sequence of size changes, inserts and lookups keeps
// every answer either a miss or the address of exactly that name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "proxy/host_cache.h"

namespace {

std::uint32_t AddressOf(const std::string& name) {
  return static_cast<std::uint32_t>(std::hash<std::string>()(name)) | 1u;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hush;
  int entries = 10;
  std::size_t at = 0;
  while (at + 2 <= size) {
    const std::uint8_t op = data[at], length = data[at + 1];
    at += 2;
    const std::size_t take = length < size - at ? length : size - at;
    const std::string name(reinterpret_cast<const char*>(data) + at, take);
    at += take;
    switch (op % 4) {
      case 0:
        entries = static_cast<std::int8_t>(op) * 3;
        break;
      case 1:
      case 2:
        HostCacheInsert(name, AddressOf(name), entries);
        break;
      default: {
        const std::uint32_t found = HostCacheLookup(name, entries);
        if (found != 0 && found != AddressOf(name)) std::abort();
      }
    }
  }
  return 0;
}
