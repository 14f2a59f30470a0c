// Which browsers are installed and pointed at the proxy, recomputed from
// their real settings, and which start-up warning names those that are not.
#pragma once

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"

namespace hush::browsers {

// Opera 6, Opera 7 and Mozilla / Netscape (with today's Firefox); under the
// main program's policy the flags of browsers not installed become 0.
void DetectBrowsers(ConfigurationState& state, const BrowserContext& context);

// Whether pop-up catching may stay on: not while no browser sends its pages
// through the proxy.
enum class Catching { kMayStayOn, kMustBeOff };

// The stored flags, then what the browsers' settings really say; the caller
// switches catching off when told.
[[nodiscard]] Catching RefreshConfigurationState(ConfigurationState& state,
                                                 const BrowserContext& context);

// Installed browsers still unconfigured: 1 Internet Explorer, 2 Opera 6,
// 4 Opera 7, 8 Netscape.
int ConfigurationWarningMask(const ConfigurationState& state);
// The message naming them; 0 when there is nothing to warn about.
int ConfigurationWarningMessage(int mask);

}  // namespace hush::browsers
