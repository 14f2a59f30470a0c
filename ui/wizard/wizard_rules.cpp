#include "ui/wizard/wizard_rules.h"

namespace hush {

using browsers::WizardMode;

OfferedBrowsers BrowsersOffered(const browsers::ConfigurationState& state, WizardMode mode) {
  const bool explorerOn =
      state.lanConfigured || state.dialUpConfigured || state.internetExplorerUsesProxy;
  const bool set = mode == WizardMode::kSet;
  OfferedBrowsers offered;
  offered.internetExplorer = set ? !explorerOn : explorerOn;
  offered.netscape =
      set ? state.netscapeInstalled && !state.netscapeConfigured : state.netscapeConfigured;
  offered.opera = OperaVersionOffered(state.opera6Installed, state.opera6Configured, mode) ||
                  OperaVersionOffered(state.opera7Installed, state.opera7Configured, mode);
  return offered;
}

bool OperaVersionOffered(bool installed, bool configured, WizardMode mode) {
  return installed && (mode == WizardMode::kSet ? !configured : configured);
}

bool FirstPageNextEnabled(const WizardChoices& choices) {
  return choices.internetExplorer || choices.opera || choices.netscape;
}

bool SecondPageNextEnabled(const WizardChoices& choices, int tickedConnections) {
  if (!choices.internetExplorer && !choices.opera) return false;
  if (choices.internetExplorer && !choices.lan && !(choices.dialUp && tickedConnections > 0))
    return false;
  return !choices.opera || choices.opera6 || choices.opera7;
}

bool ThirdPageNextEnabled(int tickedProfiles) { return tickedProfiles > 0; }

int PageAfter(int page, const WizardChoices& choices) {
  switch (page) {
    case 0:
      return choices.internetExplorer || choices.opera ? 1 : 2;
    case 1:
      return choices.netscape ? 2 : 3;
    default:
      return 3;
  }
}

int PageBefore(int page, const WizardChoices& choices) {
  switch (page) {
    case 3:
      return choices.netscape ? 2 : 1;
    case 2:
      return choices.internetExplorer || choices.opera ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace hush
