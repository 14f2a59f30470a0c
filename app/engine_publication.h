// Hands the engine what it works with: a snapshot of the settings record
// with the prepared blocker script. Called on the program's thread after
// every change the engine must see (loading, saving, switching catching,
// the wizard's changes).
#pragma once

#include <memory>

#include "proxy/engine_settings.h"

namespace hush {

class ProxyListener;

// The settings record and the prepared script as the engine takes them.
// `minter` (the user's authority's, kept by the program across
// publications so its cached leaves live on) goes in only while the record
// has HTTPS filtering on; the engine intercepts nothing without one.
EngineSettings CurrentEngineSettings(std::shared_ptr<tls::LeafMinter> minter = nullptr);
void PublishEngineSettings(ProxyListener& listener,
                           std::shared_ptr<tls::LeafMinter> minter = nullptr);

}  // namespace hush
