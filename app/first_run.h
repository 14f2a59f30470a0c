// The first run's backup of the user's ActiveX zone settings, which removal
// puts back.
#pragma once

#include "browsers/browser_context.h"

namespace hush {

// Backs the zones up into the user's data folder unless a backup is already
// there (a reinstallation must not make the values changed since then the
// "originals"). Only once a backup exists is the first run over: a failed
// one leaves "FirstRun" set, so the next start tries again. True when done.
bool BackUpZonesOnFirstRun(const browsers::BrowserContext& context);

}  // namespace hush
