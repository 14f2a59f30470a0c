// Hands the engine what it works with: a snapshot of the settings record
// with the prepared blocker script. Called on the program's thread after
// every change the engine must see (loading, saving, switching catching,
// the wizard's changes).
#pragma once

#include "proxy/engine_settings.h"

namespace hush {

class ProxyListener;

// The settings record and the prepared script as the engine takes them.
EngineSettings CurrentEngineSettings();
void PublishEngineSettings(ProxyListener& listener);

}  // namespace hush
