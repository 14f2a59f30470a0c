// The wizard's third page: the Mozilla and Firefox profiles.
#include "common/language.h"
#include "common/text_ids.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {

CMyPropertyPage3::CMyPropertyPage3(CProxySettingSheet& wizard)
    : WizardPage(IDD_WIZARD_PROFILES, 2, wizard) {
  handlers().OnCommand(IDC_WIZ_CHECK_ALL, [this](WORD) { list_.TickAll(true); });
  handlers().OnCommand(IDC_WIZ_UNCHECK_ALL, [this](WORD) { list_.TickAll(false); });
  list_.Route(handlers(), IDC_WIZ_PROFILES, [this] {
    if (!list_.AllGrey()) ApplyNextRule();
  });
}

bool CMyPropertyPage3::OnInitDialog() {
  list_.Attach(Item(IDC_WIZ_PROFILES), GetMessageText(kProfileNameColumnMessage), 200);
  browsers::EnumerateProfiles(wizard_.profiles(), wizard_.mode());
  for (const browsers::ProfileRecord& profile : wizard_.profiles().records)
    list_.Add(profile.name, profile.disabled);
  Text(IDC_WIZ_PROFILES_NOTE,
       wizard_.setMode() ? kWizardSetProfilesNoteMessage : kWizardResetProfilesNoteMessage);
  TakeAndApplySkin(IDC_SKIN_CONTROL);
  return true;
}

bool CMyPropertyPage3::OnSetActive() {
  Text(IDC_WIZ_PROFILES_GROUP, kWizardProfilesGroupMessage);
  Text(IDC_WIZ_CHECK_ALL, kWizardProfilesCheckAllMessage);
  Text(IDC_WIZ_UNCHECK_ALL, kWizardProfilesUncheckAllMessage);
  Show(IDC_WIZ_PROFILES_NOTE, wizard_.profiles().disabledCount > 0);
  // No profile to choose: Finish alone (it still applies the other
  // browsers' choices). Otherwise Next follows the ticks from the start.
  if (list_.AllGrey())
    SetWizardButtons(PSWIZB_FINISH);
  else
    ApplyNextRule();
  RefreshMainWindowSkin();
  return true;
}

void CMyPropertyPage3::ApplyNextRule() const {
  SetWizardButtons(PSWIZB_BACK | (ThirdPageNextEnabled(list_.TickedCount()) ? PSWIZB_NEXT : 0));
}

void CMyPropertyPage3::StoreTicks() { list_.StoreChoices(wizard_.profiles().records); }

LRESULT CMyPropertyPage3::OnWizardNext() {
  StoreTicks();
  return WizardPage::OnWizardNext();
}

bool CMyPropertyPage3::OnWizardFinish() {
  StoreTicks();
  wizard_.Finish();
  return true;
}

}  // namespace hush
