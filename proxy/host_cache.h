// Remembers the IPv4 addresses of server host names that connection threads
// resolved, so that a host is looked up once rather than per connection.
// Switched by DNSCacheDisable and sized by DNSCacheSize, both read on every
// call.
#pragma once

#include <cstdint>
#include <string>

namespace hush {

inline constexpr int kHostCacheEntries = 101;

// The address (network order) cached for `name`, or 0.
std::uint32_t HostCacheLookup(const std::string& name);
void HostCacheInsert(const std::string& name, std::uint32_t address);
// Forgets every entry (a new program start; tests).
void HostCacheClear();

}  // namespace hush
