// The Options page of the main window: how the program starts, the alert
// sound, the language of its windows, whether the main window stays on top,
// whether its close button only sends it to the tray, and HTTPS filtering
// with the sites it leaves alone. Changes apply in memory at once; the main
// window's save stores them. HTTPS filtering itself switches on OK and
// Apply only, as it changes what the computer trusts.
#pragma once

#include <functional>
#include <string>

#include "ui/framework/combo_box.h"
#include "ui/framework/combo_box_ex.h"
#include "ui/framework/property_page.h"
#include "ui/skins.h"

namespace hush {

// "C:\x\Chime.wav" -> "Chime": the file name without a ".wav" ending (any
// other ending stays; an empty or short path is no fault).
std::string SoundTitle(const std::string& path);
// The longest sound path the registry value's readers take in full.
inline constexpr std::size_t kLongestSoundPath = 259;

class COptionsPage : public ui::PropertyPage {
 public:
  using NestedRunner = std::function<INT_PTR(const std::function<INT_PTR()>&)>;
  COptionsPage(SkinReferences& skins, std::string installFolder, NestedRunner runNested);

  // The controls from the settings (at opening, and on the main window's
  // Cancel).
  void LoadControls();
  void ApplyTexts();
  // OK and Apply: switches HTTPS filtering when the box asks for it; the box
  // then shows what the program made of it.
  void ApplyHttpsSwitch();

 protected:
  bool OnInitDialog() override;

 private:
  void FillLanguageList();
  void FillSoundList();
  void ApplySoundRule();
  void OnStartupMode();
  void OnLanguageChosen();
  void OnSoundChosen();
  void OnExcludedSitesEdited();
  void ShowHttpsFiltering();
  void ChooseCustomSound();
  void UseSound(const std::string& path, const std::string& shownName);
  ui::ComboBox Sounds() const;

  SkinReferences& skins_;
  std::string installFolder_;
  NestedRunner runNested_;
  ui::ComboBoxEx languages_;
  // The list's entry for a sound outside the Sounds folder, and its path.
  bool customEntry_ = false;
  std::string customPath_;
  // HTTPS filtering as the box was last loaded: the box asks for a switch
  // only when the user changed it, not when the wizard switched meanwhile.
  bool httpsShown_ = false;
};

}  // namespace hush
