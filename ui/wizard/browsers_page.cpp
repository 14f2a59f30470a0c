// The wizard's first page: which browsers to set or reset.
#include "browsers/browser_checks.h"
#include "common/text_ids.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {

CMyPropertyPage1::CMyPropertyPage1(CProxySettingSheet& wizard)
    : WizardPage(IDD_WIZARD_BROWSERS, 0, wizard) {
  const std::pair<int, bool WizardChoices::*> boxes[] = {
      {IDC_WIZ_EXPLORER, &WizardChoices::internetExplorer},
      {IDC_WIZ_NETSCAPE, &WizardChoices::netscape},
      {IDC_WIZ_OPERA, &WizardChoices::opera}};
  for (const auto& [id, choice] : boxes) {
    handlers().OnCommand(id, [this, id = id, choice = choice](WORD) {
      wizard_.choices().*choice = IsChecked(id);
      ApplyNextRule();
    });
  }
}

bool CMyPropertyPage1::OnInitDialog() {
  Program& app = TheProgram();
  browsers::ConfigurationState& state = app.configuration();
  browsers::DetectBrowsers(state, app.browserContext());
  const OfferedBrowsers offered = BrowsersOffered(state, wizard_.mode());
  if (wizard_.setMode()) {
    Text(IDC_WIZ_INSTRUCTION, kWizardSetInstructionMessage);
    Text(IDC_WIZ_NOTE, kWizardSetNoteMessage);
  } else {
    Text(IDC_WIZ_INSTRUCTION, state.AnyBrowserConfigured() ? kWizardResetInstructionMessage
                                                           : kWizardNothingToResetMessage);
    Text(IDC_WIZ_NOTE, kWizardResetNoteMessage);
  }
  Enable(IDC_WIZ_EXPLORER, offered.internetExplorer);
  Enable(IDC_WIZ_NETSCAPE, offered.netscape);
  Enable(IDC_WIZ_OPERA, offered.opera);
  Show(IDC_WIZ_NOTE, offered.AnyMissing());
  SkinReferences& skins = app.skins();
  TakeSkin(skins.main, *this, IDC_SKIN_CONTROL);
  LoadInstalledSkin(skins.main, app.values().path, kMainSkinFile);
  SkinWindow(skins.main, sheet());
  SkinWindow(skins.main, hwnd());
  return true;
}

bool CMyPropertyPage1::OnSetActive() {
  // Nothing to reset: Finish alone, which changes nothing.
  if (!wizard_.setMode() && !TheProgram().configuration().AnyBrowserConfigured())
    SetWizardButtons(PSWIZB_FINISH);
  else
    ApplyNextRule();
  EnableSheetButton(kBackButton, false);
  Text(IDC_WIZ_NETSCAPE, kWizardNetscapeMessage);
  Text(IDC_WIZ_OPERA, kWizardOperaMessage);
  Text(IDC_WIZ_EXPLORER, kWizardExplorerMessage);
  RefreshMainWindowSkin();
  return true;
}

bool CMyPropertyPage1::OnKillActive() {
  EnableSheetButton(kBackButton, true);
  return true;
}

void CMyPropertyPage1::ApplyNextRule() const {
  SetWizardButtons(FirstPageNextEnabled(wizard_.choices()) ? PSWIZB_NEXT : 0);
}

}  // namespace hush
