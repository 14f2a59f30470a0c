// What the engine needs of the settings, as one immutable value. The program
// builds a new one whenever its settings or its blocker script change and
// publishes it; each connection takes the current one when it starts and
// again with every request header, so a change applies from the next request
// on and never halfway through one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "proxy/published.h"

namespace hush {

namespace tls {
class LeafMinter;
}

struct ProxySettings;

struct EngineSettings {
  std::uint16_t listenPort = 0;
  // Filtering off: pages and requests pass as they are.
  bool disabled = false;
  bool catchPopups = true;
  // Every request goes to this upstream proxy instead of its own server.
  bool gatewayEnabled = false;
  std::string gatewayHost;
  std::int32_t gatewayPort = 80;
  // The system's socket buffer sizes, or `bufferSize` for both.
  bool useDefaultBufferSizes = true;
  std::int32_t bufferSize = 8192;
  // Host names kept resolved; 0 switches the cache off.
  int hostCacheEntries = 0;
  // How long a connection waits for either side, in milliseconds (-1: no
  // limit).
  int waitMilliseconds = -1;
  // Largest text response held whole for filtering.
  std::uint32_t filterSizeLimit = 4 * 1024 * 1024;
  // What goes in front of every filtered page (nothing when empty), and what
  // goes right behind its head tag.
  std::string blockerScript;
  std::string headInsert;
  // HTTPS filtering: CONNECTs to these ports whose host is not excluded are
  // intercepted with leaves from `minter` (off while it is null).
  bool httpsFiltering = false;
  std::vector<std::int32_t> httpsPorts{443};
  // Lower-case host names; an entry also covers its subdomains.
  std::vector<std::string> httpsExclusions;
  std::shared_ptr<tls::LeafMinter> minter;
};

// The current settings, replaced whole by the program's thread.
using SettingsFeed = Published<EngineSettings>;

// The engine's part of the settings record; the texts to inject are the
// program's to add.
EngineSettings EngineSettingsOf(const ProxySettings& record);

}  // namespace hush
