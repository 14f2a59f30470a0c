// The ActiveX page of the main window: Internet Explorer's five ActiveX
// policies for one security zone at a time. The choices made for each zone
// are kept until the main window saves, which writes every zone changed;
// Cancel forgets them. The note that changes apply to browsers opened
// later blinks for as long as the page exists.
#pragma once

#include <array>

#include "browsers/zone_policies.h"
#include "ui/framework/combo_box_ex.h"
#include "ui/framework/property_page.h"
#include "ui/skins.h"

namespace hush {

class CActiveXPage : public ui::PropertyPage {
 public:
  explicit CActiveXPage(SkinReferences& skins);

  // The main window's save: writes each zone whose choices changed.
  void ApplyZoneSettings();
  // The main window's Cancel: the first zone, as the registry holds it.
  void LoadZoneSettings();
  void ApplyTexts();

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;

 private:
  void FillZoneList();
  void ShowZone(int zone);
  void OnZoneChosen();
  void OnChoice(int policy);
  void OnBlinkTick();

  SkinReferences& skins_;
  ui::ComboBoxEx zones_;
  // Zones 1 to 4 at index 0 to 3: what the page shows and will write.
  std::array<browsers::ZoneChoices, browsers::kZoneCount> choices_{};
  std::array<bool, browsers::kZoneCount> read_{};
  std::array<bool, browsers::kZoneCount> changed_{};
  int shownZone_ = 0;
  bool noteShown_ = true;
};

}  // namespace hush
