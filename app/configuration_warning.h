// The start-up question about browsers not yet pointed at the proxy.
#pragma once

#include <string>

#include "browsers/configuration_state.h"
#include "common/show_box.h"

namespace hush {

// Asked while `wizardMessage` is "A" and some browser is unconfigured: Yes
// asks for the wizard (`runWizard` 1), No warns once more; either answer
// means the question is not asked again. With nothing to warn about it is
// never asked again either. `showBox` stands in for the boxes (tests).
void AskAboutUnconfiguredBrowsers(const browsers::ConfigurationState& state,
                                  std::string& wizardMessage, int& runWizard,
                                  const ShowBoxFunction& showBox = {});

}  // namespace hush
