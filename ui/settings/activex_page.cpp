#include "ui/settings/activex_page.h"

#include <commctrl.h>

#include <span>
#include <utility>

#include "common/text_ids.h"
#include "common/unique_handle.h"
#include "ui/framework/localized_window.h"
#include "ui/resource_ids.h"

namespace hush {
namespace {

using browsers::PolicyChoice;

constexpr UINT_PTR kBlinkTimer = 1034;
constexpr int kNone = 0;

// The radio buttons of each policy, in the order of browsers::kZonePolicies.
struct PolicyButtons {
  int enable, disable, prompt, administratorApproved;
};
constexpr PolicyButtons kButtons[browsers::kZonePolicyCount] = {
    {1024, 1025, 1026, kNone},  // "1001" signed ActiveX
    {1030, 1031, 1032, kNone},  // "1004" unsigned ActiveX
    {1033, 1034, 1035, kNone},  // "1201" not marked as safe
    {1036, 1037, 1038, kNone},  // "1405" marked as safe
    {1043, 1044, 1045, 1046},   // "1200" run controls and plug-ins
};

struct Zone {
  const char* text;
  int icon;
};
// Zones 1 to 4; their names are Internet Explorer's own and stay English.
constexpr Zone kZones[browsers::kZoneCount] = {{"Local intranet", IDI_ZONE_INTRANET},
                                               {"Trusted sites", IDI_ZONE_TRUSTED},
                                               {"Internet", IDI_ZONE_INTERNET},
                                               {"Restricted sites", IDI_ZONE_RESTRICTED}};

int ButtonOf(const PolicyButtons& buttons, PolicyChoice choice) {
  switch (choice) {
    case PolicyChoice::kEnable:
      return buttons.enable;
    case PolicyChoice::kDisable:
      return buttons.disable;
    case PolicyChoice::kPrompt:
      return buttons.prompt;
    case PolicyChoice::kAdministratorApproved:
      break;
  }
  return buttons.administratorApproved;
}

}  // namespace

CActiveXPage::CActiveXPage(SkinReferences& skins)
    : ui::PropertyPage(IDD_ACTIVEX_PAGE), skins_(skins) {
  handlers().OnCommand(IDC_ACTIVEX_ZONES, [this](WORD code) {
    if (code == CBN_SELCHANGE) OnZoneChosen();
  });
  for (int policy = 0; policy < browsers::kZonePolicyCount; ++policy) {
    const PolicyButtons& buttons = kButtons[policy];
    const int ids[] = {buttons.enable, buttons.disable, buttons.prompt,
                       buttons.administratorApproved};
    const std::span<const int> offered(ids, buttons.administratorApproved == kNone ? 3 : 4);
    handlers().OnCommands(offered, [this, policy](int, WORD code) {
      if (code == BN_CLICKED) OnChoice(policy);
    });
  }
  handlers().OnMessage(WM_TIMER, [this](WPARAM timer, LPARAM) {
    if (timer == kBlinkTimer) OnBlinkTick();
    return LRESULT{0};
  });
}

bool CActiveXPage::OnInitDialog() {
  zones_.Attach(Item(IDC_ACTIVEX_ZONES));
  FillZoneList();
  LoadZoneSettings();
  ApplyTexts();
  ::SetTimer(hwnd(), kBlinkTimer, 1000, nullptr);
  SkinWindow(skins_.main, hwnd());
  return true;
}

bool CActiveXPage::OnSetActive() {
  ApplyTexts();
  return true;
}

void CActiveXPage::FillZoneList() {
  UniqueImageList images(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 2));
  for (const Zone& zone : kZones) {
    const UniqueIcon icon(static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(zone.icon), IMAGE_ICON, 16, 16, 0)));
    ImageList_AddIcon(images.get(), icon.get());
  }
  zones_.SetImages(std::move(images));
  for (int index = 0; index < browsers::kZoneCount; ++index) zones_.Add(kZones[index].text, index);
}

void CActiveXPage::LoadZoneSettings() {
  read_ = {};
  changed_ = {};
  zones_.Select(0);
  ShowZone(0);
}

void CActiveXPage::ShowZone(int zone) {
  shownZone_ = zone;
  if (!read_[zone]) {
    choices_[zone] = browsers::ReadZone(zone + 1);
    read_[zone] = true;
  }
  for (int policy = 0; policy < browsers::kZonePolicyCount; ++policy) {
    const PolicyButtons& buttons = kButtons[policy];
    const auto& choice = choices_[zone][policy];
    for (int id : {buttons.enable, buttons.disable, buttons.prompt, buttons.administratorApproved})
      if (id != kNone) SetChecked(id, choice && ButtonOf(buttons, *choice) == id);
  }
}

// Another zone: the choices made for the one shown stay with it.
void CActiveXPage::OnZoneChosen() {
  const int selected = zones_.Selected();
  if (selected >= 0 && selected < browsers::kZoneCount) ShowZone(selected);
}

void CActiveXPage::OnChoice(int policy) {
  const PolicyButtons& buttons = kButtons[policy];
  for (PolicyChoice choice : {PolicyChoice::kEnable, PolicyChoice::kDisable, PolicyChoice::kPrompt,
                              PolicyChoice::kAdministratorApproved}) {
    const int id = ButtonOf(buttons, choice);
    if (id != kNone && IsChecked(id)) choices_[shownZone_][policy] = choice;
  }
  changed_[shownZone_] = true;
  SetModified();
}

void CActiveXPage::ApplyZoneSettings() {
  for (int zone = 0; zone < browsers::kZoneCount; ++zone)
    if (changed_[zone] && browsers::WriteZone(zone + 1, choices_[zone])) changed_[zone] = false;
}

void CActiveXPage::ApplyTexts() {
  LoadDialogTexts(hwnd(), kActiveXPageTexts,
                  {IDC_ACTIVEX_ZONE_LABEL,
                   1015,
                   1024,
                   1025,
                   1026,
                   1009,
                   1030,
                   1031,
                   1032,
                   1027,
                   1033,
                   1034,
                   1035,
                   1028,
                   1036,
                   1037,
                   1038,
                   1029,
                   1043,
                   1044,
                   1045,
                   1046,
                   IDC_ACTIVEX_NOTE});
}

void CActiveXPage::OnBlinkTick() {
  ::ShowWindow(Item(IDC_ACTIVEX_NOTE), noteShown_ ? SW_SHOW : SW_HIDE);
  noteShown_ = !noteShown_;
}

}  // namespace hush
