// The wizard's second page: Opera's versions and Internet Explorer's
// connections (the LAN and a list of dial-up connections).
#include "common/language.h"
#include "common/text_ids.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {
namespace {

constexpr int kOperaControls[] = {IDC_WIZ_OPERA_GROUP, IDC_WIZ_OPERA6, IDC_WIZ_OPERA7};
constexpr int kConnectionControls[] = {IDC_WIZ_CONNECTION_GROUP, IDC_WIZ_LAN,
                                       IDC_WIZ_DIALUP,           IDC_WIZ_CONNECTIONS,
                                       IDC_WIZ_CHECK_ALL,        IDC_WIZ_UNCHECK_ALL};
constexpr int kDialUpControls[] = {IDC_WIZ_CONNECTIONS, IDC_WIZ_CHECK_ALL, IDC_WIZ_UNCHECK_ALL,
                                   IDC_WIZ_INSTRUCTION};

}  // namespace

CMyPropertyPage2::CMyPropertyPage2(CProxySettingSheet& wizard)
    : WizardPage(IDD_WIZARD_CONNECTIONS, 1, wizard) {
  const std::pair<int, bool WizardChoices::*> boxes[] = {{IDC_WIZ_LAN, &WizardChoices::lan},
                                                         {IDC_WIZ_OPERA6, &WizardChoices::opera6},
                                                         {IDC_WIZ_OPERA7, &WizardChoices::opera7}};
  for (const auto& [id, choice] : boxes) {
    handlers().OnCommand(id, [this, id = id, choice = choice](WORD) {
      wizard_.choices().*choice = IsChecked(id);
      ApplyNextRule();
    });
  }
  handlers().OnCommand(IDC_WIZ_DIALUP, [this](WORD) {
    wizard_.choices().dialUp = IsChecked(IDC_WIZ_DIALUP);
    for (int id : kDialUpControls) Enable(id, wizard_.choices().dialUp);
    ApplyNextRule();
  });
  handlers().OnCommand(IDC_WIZ_CHECK_ALL, [this](WORD) { list_.TickAll(true); });
  handlers().OnCommand(IDC_WIZ_UNCHECK_ALL, [this](WORD) { list_.TickAll(false); });
  list_.Route(handlers(), IDC_WIZ_CONNECTIONS, [this] { ApplyNextRule(); });
}

bool CMyPropertyPage2::OnInitDialog() {
  list_.Attach(Item(IDC_WIZ_CONNECTIONS), GetMessageText(kConnectionNameColumnMessage), 200);
  wizard_.connections() = browsers::EnumerateConnections(wizard_.mode());
  for (const browsers::ConnectionRecord& record : wizard_.connections().records)
    list_.Add(record.name, record.disabled);
  Text(IDC_WIZ_INSTRUCTION,
       wizard_.setMode() ? kWizardSetConnectionsMessage : kWizardResetConnectionsMessage);
  Text(IDC_WIZ_NOTE,
       wizard_.setMode() ? kWizardSetConnectionsNoteMessage : kWizardResetConnectionsNoteMessage);
  TakeAndApplySkin(IDC_SKIN_CONTROL);
  return true;
}

bool CMyPropertyPage2::OnSetActive() {
  const std::pair<int, int> texts[] = {{IDC_WIZ_OPERA_GROUP, kWizardOperaGroupMessage},
                                       {IDC_WIZ_OPERA6, kWizardOpera6Message},
                                       {IDC_WIZ_OPERA7, kWizardOpera7Message},
                                       {IDC_WIZ_CONNECTION_GROUP, kWizardConnectionGroupMessage},
                                       {IDC_WIZ_LAN, kWizardLanMessage},
                                       {IDC_WIZ_DIALUP, kWizardDialUpMessage},
                                       {IDC_WIZ_CHECK_ALL, kWizardConnectionsCheckAllMessage},
                                       {IDC_WIZ_UNCHECK_ALL, kWizardConnectionsUncheckAllMessage}};
  for (const auto& [id, key] : texts) Text(id, key);
  EnableSheetButton(kBackButton, true);
  ShowOperaChoices();
  ShowConnectionChoices();
  const bool anyDisabled = !::IsWindowEnabled(Item(IDC_WIZ_OPERA6)) ||
                           !::IsWindowEnabled(Item(IDC_WIZ_OPERA7)) ||
                           !::IsWindowEnabled(Item(IDC_WIZ_DIALUP));
  Show(IDC_WIZ_NOTE, anyDisabled);
  ApplyNextRule();
  RefreshMainWindowSkin();
  return true;
}

void CMyPropertyPage2::ShowOperaChoices() {
  const bool opera = wizard_.choices().opera;
  for (int id : kOperaControls) Show(id, opera);
  if (!opera) return;
  const browsers::ConfigurationState& state = TheProgram().configuration();
  Enable(IDC_WIZ_OPERA6,
         OperaVersionOffered(state.opera6Installed, state.opera6Configured, wizard_.mode()));
  Enable(IDC_WIZ_OPERA7,
         OperaVersionOffered(state.opera7Installed, state.opera7Configured, wizard_.mode()));
}

void CMyPropertyPage2::ShowConnectionChoices() {
  const bool explorer = wizard_.choices().internetExplorer;
  for (int id : kConnectionControls) Show(id, explorer);
  const browsers::ConnectionSet& connections = wizard_.connections();
  Show(IDC_WIZ_INSTRUCTION, explorer && connections.disabledCount > 0);
  if (!explorer) return;
  Enable(IDC_WIZ_DIALUP, connections.disabledCount < static_cast<int>(connections.records.size()));
  for (int id : kDialUpControls) Enable(id, wizard_.choices().dialUp);
}

void CMyPropertyPage2::ApplyNextRule() const {
  EnableSheetButton(kNextButton, SecondPageNextEnabled(wizard_.choices(), list_.TickedCount()));
}

// Only ticked entries that are not grey are chosen.
LRESULT CMyPropertyPage2::OnWizardNext() {
  list_.StoreChoices(wizard_.connections().records);
  return WizardPage::OnWizardNext();
}

}  // namespace hush
