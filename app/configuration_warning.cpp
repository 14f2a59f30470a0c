#include "app/configuration_warning.h"

#include "browsers/browser_checks.h"
#include "common/language.h"
#include "common/text_ids.h"

namespace hush {

void AskAboutUnconfiguredBrowsers(const browsers::ConfigurationState& state,
                                  std::string& wizardMessage, int& runWizard,
                                  const ShowBoxFunction& showBox) {
  if (wizardMessage != "A") return;
  const int message =
      browsers::ConfigurationWarningMessage(browsers::ConfigurationWarningMask(state));
  if (message == 0) {
    runWizard = 0;
    wizardMessage = "N";
    return;
  }
  const std::string text = GetMessageText(message) + GetMessageText(kConfigureNoteMessage) +
                           GetMessageText(kConfigureChoiceMessage);
  const std::string caption = GetMessageText(kProductCaptionMessage);
  switch (ShowBox(showBox, text, caption, MB_YESNO | MB_ICONINFORMATION)) {
    case IDYES:
      runWizard = 1;
      wizardMessage = "N";
      break;
    case IDNO:
      runWizard = 0;
      ShowBox(showBox, GetMessageText(kNotConfiguredWarningMessage), caption,
              MB_OK | MB_ICONEXCLAMATION);
      wizardMessage = "N";
      break;
    default:
      break;
  }
}

}  // namespace hush
