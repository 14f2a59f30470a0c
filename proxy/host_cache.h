// Remembers the IPv4 addresses of server host names that connection threads
// resolved, so that a host is looked up once rather than per connection.
// Each call says how many entries are in use (from the connection's
// settings); 0 switches the cache off.
#pragma once

#include <cstdint>
#include <string>

namespace hush {

inline constexpr int kHostCacheEntries = 101;

// The address (network order) cached for `name`, or 0.
std::uint32_t HostCacheLookup(const std::string& name, int entriesInUse);
void HostCacheInsert(const std::string& name, std::uint32_t address, int entriesInUse);
// Forgets every entry (a new program start; tests).
void HostCacheClear();

}  // namespace hush
