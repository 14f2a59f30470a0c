// What the set-up wizard offers and where its buttons lead, as plain rules
// of the user's choices and the configuration state, apart from the
// windows that show them.
#pragma once

#include "browsers/browser_context.h"
#include "browsers/configuration_state.h"

namespace hush {

struct WizardChoices {
  browsers::WizardMode mode = browsers::WizardMode::kReset;
  bool internetExplorer = false, opera = false, netscape = false;
  bool lan = false, dialUp = false;
  bool opera6 = false, opera7 = false;
  // Set mode's last page offers HTTPS filtering, ticked at first.
  bool httpsFiltering = true;
};

// The browser boxes of the first page that can be ticked.
struct OfferedBrowsers {
  bool internetExplorer = false, netscape = false, opera = false;
  bool AnyMissing() const { return !internetExplorer || !netscape || !opera; }
};
OfferedBrowsers BrowsersOffered(const browsers::ConfigurationState& state,
                                browsers::WizardMode mode);
// An Opera version can be chosen: installed, and in the state the mode
// changes.
bool OperaVersionOffered(bool installed, bool configured, browsers::WizardMode mode);

bool FirstPageNextEnabled(const WizardChoices& choices);
bool SecondPageNextEnabled(const WizardChoices& choices, int tickedConnections);
bool ThirdPageNextEnabled(int tickedProfiles);

// Pages by index: 0 browsers, 1 Opera and connections, 2 profiles, 3 finish.
int PageAfter(int page, const WizardChoices& choices);
int PageBefore(int page, const WizardChoices& choices);

}  // namespace hush
