#include "proxy/host_cache.h"

#include <cstring>
#include <mutex>

namespace hush {
namespace {

constexpr std::size_t kNameCapacity = 256;

struct Entry {
  char name[kNameCapacity];
  std::uint32_t address;  // 0 marks a free entry
};

// One lock for the table: a lookup must never pair one entry's name with
// another's address, and the table is tiny next to the connect it saves.
std::mutex tableMutex;
Entry table[kHostCacheEntries];
int replacementIndex = 0;

int Clamped(int entriesInUse) {
  return entriesInUse < 0 ? 0 : entriesInUse > kHostCacheEntries ? kHostCacheEntries : entriesInUse;
}

}  // namespace

std::uint32_t HostCacheLookup(const std::string& name, int entriesInUse) {
  const int used = Clamped(entriesInUse);
  std::lock_guard<std::mutex> lock(tableMutex);
  for (int i = 0; i < used && table[i].address != 0; ++i)
    if (name == table[i].name) return table[i].address;
  return 0;
}

void HostCacheInsert(const std::string& name, std::uint32_t address, int entriesInUse) {
  // Names that do not fit an entry stay out: cut short, two hosts could
  // share one entry.
  if (address == 0 || name.size() >= kNameCapacity || name.find('\0') != std::string::npos) return;
  const int used = Clamped(entriesInUse);
  if (used == 0) return;
  std::lock_guard<std::mutex> lock(tableMutex);
  int slot = 0;
  while (slot < used && table[slot].address != 0) ++slot;
  if (slot == used) {
    // Full: overwrite round-robin, oldest first.
    slot = replacementIndex % used;
    replacementIndex = (slot + 1) % used;
  }
  std::memcpy(table[slot].name, name.c_str(), name.size() + 1);
  table[slot].address = address;
}

void HostCacheClear() {
  std::lock_guard<std::mutex> lock(tableMutex);
  std::memset(table, 0, sizeof table);
  replacementIndex = 0;
}

}  // namespace hush
