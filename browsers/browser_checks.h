// Which browsers are installed and pointed at the proxy, recomputed from
// their real settings, and the start-up warning about those that are not.
#pragma once

#include <string>

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"

namespace hush::browsers {

// Opera 6, Opera 7 and Mozilla / Netscape (with today's Firefox); under the
// main program's policy the flags of browsers not installed become 0.
void DetectBrowsers(ConfigurationState& state, const BrowserContext& context);

// The stored flags, then what the browsers' settings really say. With no
// browser configured, pop-up catching is switched off.
void RefreshConfigurationState(ConfigurationState& state, const BrowserContext& context);

// Installed browsers still unconfigured: 1 Internet Explorer, 2 Opera 6,
// 4 Opera 7, 8 Netscape.
int ConfigurationWarningMask(const ConfigurationState& state);
// The message naming them; 0 when there is nothing to warn about.
int ConfigurationWarningMessage(int mask);

// Shown while `wizardMessage` is "A": Yes asks for the wizard (`runWizard`
// 1), No warns once more; either way the warning is not shown again.
void ShowConfigurationWarning(const ConfigurationState& state, std::string& wizardMessage,
                              int& runWizard, const BrowserContext& context);

}  // namespace hush::browsers
