#include "browsers/browser_checks.h"

namespace hush {

void RefreshConfigurationState() {}

void ShowConfigurationWarning(std::string& /*wizardMessage*/, int& /*runWizard*/) {}

}  // namespace hush
