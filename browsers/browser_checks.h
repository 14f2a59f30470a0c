// Which browsers are installed and pointed at the proxy, and the start-up
// warning about those that are not. Browser detection is not built yet:
// these calls do nothing for now.
#pragma once

#include <string>

namespace hush {

void RefreshConfigurationState();
// Sets `runWizard` and turns `wizardMessage` to "N" once answered.
void ShowConfigurationWarning(std::string& wizardMessage, int& runWizard);

}  // namespace hush
