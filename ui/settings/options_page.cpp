#include "ui/settings/options_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <vector>

#include "common/language.h"
#include "common/text_ids.h"
#include "common/unique_handle.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"
#include "ui/framework/combo_box.h"
#include "ui/framework/localized_window.h"
#include "ui/https_switch.h"
#include "ui/main_page.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/settings/excluded_sites.h"
#include "ui/settings/language_flags.h"

namespace hush {
namespace {

constexpr char kCustomSound[] = "*** Custom Sound ***";
constexpr char kDefaultSound[] = "Default";
// The start-up choices, by the number the setting stores.
constexpr int kStartChoices[] = {IDC_OPTIONS_MANUAL_START, IDC_OPTIONS_IE_STARTUP,
                                 IDC_OPTIONS_WINDOWS_STARTUP};
constexpr int kSoundControls[] = {IDC_OPTIONS_CURRENT_SOUND, IDC_OPTIONS_CURRENT_LABEL,
                                  IDC_OPTIONS_TEST, IDC_OPTIONS_SOUND_LABEL, IDC_OPTIONS_SOUNDS};

// The titles of the files matching `pattern` in `folder`, in the order the
// file system gives them.
std::vector<std::string> FileTitles(const std::string& folder, const char* pattern) {
  std::vector<std::string> titles;
  WIN32_FIND_DATAA entry{};
  const UniqueFind find(::FindFirstFileA((folder + "\\" + pattern).c_str(), &entry));
  if (!find) return titles;
  do {
    std::string name = entry.cFileName;
    titles.push_back(name.substr(0, name.find_last_of('.')));
  } while (::FindNextFileA(find.get(), &entry));
  return titles;
}

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SoundTitle(const std::string& path) {
  std::string name = FileNameOf(path);
  if (name.size() >= 4 && _stricmp(name.c_str() + name.size() - 4, ".wav") == 0)
    name.resize(name.size() - 4);
  return name;
}

COptionsPage::COptionsPage(SkinReferences& skins, std::string installFolder, NestedRunner runNested)
    : ui::PropertyPage(IDD_OPTIONS_PAGE),
      skins_(skins),
      installFolder_(std::move(installFolder)),
      runNested_(std::move(runNested)) {
  handlers().OnCommands(kStartChoices, [this](int, WORD code) {
    if (code == BN_CLICKED) OnStartupMode();
  });
  handlers().OnCommand(IDC_OPTIONS_LANGUAGES, [this](WORD code) {
    if (code == CBN_SELCHANGE) OnLanguageChosen();
  });
  handlers().OnCommand(IDC_OPTIONS_SOUNDS, [this](WORD code) {
    if (code == CBN_SELCHANGE) OnSoundChosen();
  });
  handlers().OnCommand(IDC_OPTIONS_TEST, [](WORD) {
    ::PlaySoundA(TheProgram().values().userWavPath.c_str(), nullptr,
                 SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
  });
  handlers().OnCommand(IDC_OPTIONS_ON_TOP, [this](WORD) {
    ExchangeCheck(ui::Direction::kFromControls, IDC_OPTIONS_ON_TOP, Settings().displayOnTop);
    ::PostMessageA(sheet(), kDisplayOnTopChangedMessage, 0, 0);
    SetModified();
  });
  handlers().OnCommand(IDC_OPTIONS_CLOSE_TO_TRAY, [this](WORD) {
    ExchangeCheck(ui::Direction::kFromControls, IDC_OPTIONS_CLOSE_TO_TRAY,
                  TheProgram().values().closeToTray);
    SetModified();
  });
  handlers().OnCommand(IDC_OPTIONS_HTTPS, [this](WORD code) {
    if (code == BN_CLICKED) SetModified();
  });
  handlers().OnCommand(IDC_OPTIONS_EXCLUSIONS, [this](WORD code) {
    if (code == EN_CHANGE) OnExcludedSitesEdited();
  });
  // The Popups page may have switched the sound alert meanwhile.
  handlers().OnMessage(WM_SHOWWINDOW, [this](WPARAM shown, LPARAM) {
    if (!shown) return LRESULT{0};
    ApplySoundRule();
    // So may the wizard have switched HTTPS filtering; a change of the
    // user's own on this page stays.
    if (IsChecked(IDC_OPTIONS_HTTPS) == httpsShown_) ShowHttpsFiltering();
    return LRESULT{0};
  });
}

bool COptionsPage::OnInitDialog() {
  languages_.Attach(Item(IDC_OPTIONS_LANGUAGES));
  ::SendMessageA(Item(IDC_OPTIONS_EXCLUSIONS), EM_SETLIMITTEXT, kLongestExcludedSites, 0);
  FillLanguageList();
  LoadControls();
  ApplyTexts();
  SkinWindow(skins_.main, hwnd());
  return true;
}

void COptionsPage::ApplyTexts() {
  LoadDialogTexts(hwnd(), kOptionsPageTexts,
                  {IDC_OPTIONS_STARTUP_GROUP, IDC_OPTIONS_WINDOWS_STARTUP, IDC_OPTIONS_MANUAL_START,
                   IDC_OPTIONS_IE_STARTUP, IDC_OPTIONS_LANGUAGE_GROUP, IDC_OPTIONS_GENERAL_GROUP,
                   IDC_OPTIONS_ON_TOP, IDC_OPTIONS_SOUND_GROUP, IDC_OPTIONS_SOUND_LABEL,
                   IDC_OPTIONS_TEST, IDC_OPTIONS_CURRENT_LABEL, IDC_OPTIONS_CLOSE_TO_TRAY});
  LoadDialogTexts(hwnd(), kOptionsPageHttpsTexts,
                  {IDC_OPTIONS_HTTPS_GROUP, IDC_OPTIONS_HTTPS, IDC_OPTIONS_HTTPS_NOTE,
                   IDC_OPTIONS_EXCLUSIONS_LABEL});
}

// One flag picture per language file: "<title>.bmp", else "default.bmp".
void COptionsPage::FillLanguageList() {
  UniqueImageList images(ImageList_Create(16, 16, ILC_COLOR, 0, 2));
  const std::vector<std::string> names = FileTitles(installFolder_ + "\\Language", "*.ini");
  const std::vector<int> flags =
      AddLanguageFlags(images.get(), installFolder_ + "\\Flags\\", names);
  languages_.SetImages(std::move(images));
  for (std::size_t index = 0; index < names.size(); ++index)
    languages_.Add(names[index], flags[index]);
}

void COptionsPage::LoadControls() {
  const auto loading = Loading();
  ExchangeRadio(ui::Direction::kToControls, kStartChoices, Settings().startup);
  ExchangeCheck(ui::Direction::kToControls, IDC_OPTIONS_ON_TOP, Settings().displayOnTop);
  ApplySoundRule();
  if (TheProgram().values().languageChanged) ApplyTexts();
  const int found = languages_.Find(TheProgram().values().language);
  FillSoundList();
  // Selecting from here is no language change: no notification follows.
  languages_.Select(found < 0 ? 0 : found);
  ExchangeCheck(ui::Direction::kToControls, IDC_OPTIONS_CLOSE_TO_TRAY,
                TheProgram().values().closeToTray);
  ShowHttpsFiltering();
  SetItemText(IDC_OPTIONS_EXCLUSIONS, Settings().httpsExclusions.Get());
}

void COptionsPage::ShowHttpsFiltering() {
  httpsShown_ = HttpsFilteringOn();
  SetChecked(IDC_OPTIONS_HTTPS, httpsShown_);
}

void COptionsPage::ApplyHttpsSwitch() {
  const bool wanted = IsChecked(IDC_OPTIONS_HTTPS);
  if (wanted != httpsShown_) SwitchHttpsFiltering(wanted);
  const auto loading = Loading();
  ShowHttpsFiltering();
  // The names as saved, one separator between each two.
  SetItemText(IDC_OPTIONS_EXCLUSIONS, Settings().httpsExclusions.Get());
}

void COptionsPage::OnExcludedSitesEdited() {
  if (loading()) return;
  Settings().httpsExclusions.Set(ExcludedSitesText(ItemText(IDC_OPTIONS_EXCLUSIONS)));
  SetModified();
}

void COptionsPage::ApplySoundRule() {
  EnableItems(kSoundControls, Settings().playWave.load() != 0);
}

void COptionsPage::FillSoundList() {
  const ui::ComboBox list = Sounds();
  list.Clear();
  for (const std::string& title : FileTitles(installFolder_ + "\\Sounds", "*.wav")) {
    if (title == kDefaultSound)
      list.Insert(0, title);
    else
      list.Add(title);
  }
  const std::string& current = TheProgram().values().userWavPath;
  SetItemText(IDC_OPTIONS_CURRENT_SOUND, FileNameOf(current));
  const std::string title = SoundTitle(current);
  int found = list.Find(title);
  customEntry_ = false;
  customPath_.clear();
  if (found < 0) {
    found = list.Insert(-1, title);
    customEntry_ = true;
    customPath_ = current;
  }
  list.Insert(-1, kCustomSound);
  list.Select(found);
}

ui::ComboBox COptionsPage::Sounds() const { return ui::ComboBox(Item(IDC_OPTIONS_SOUNDS)); }

void COptionsPage::OnStartupMode() {
  ExchangeRadio(ui::Direction::kFromControls, kStartChoices, Settings().startup);
  SetModified();
}

void COptionsPage::UseSound(const std::string& path, const std::string& shownName) {
  TheProgram().values().userWavPath = path;
  SetItemText(IDC_OPTIONS_CURRENT_SOUND, shownName);
  SetModified();
}

void COptionsPage::OnSoundChosen() {
  const ui::ComboBox list = Sounds();
  const int selected = list.Selected();
  if (selected < 0) return;
  if (selected == list.count() - 1) return ChooseCustomSound();
  // The custom entry stands for its own file, wherever that is.
  if (customEntry_ && selected == list.count() - 2)
    return UseSound(customPath_, SoundTitle(customPath_));
  const std::string name = list.Text(selected) + ".wav";
  UseSound(installFolder_ + "\\Sounds\\" + name, name);
}

void COptionsPage::ChooseCustomSound() {
  char file[MAX_PATH * 2] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = sheet();
  dialog.lpstrFilter = "Wav Files (*.wav)\0*.wav\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  if (!runNested_([&dialog] { return INT_PTR{::GetOpenFileNameA(&dialog)}; })) return;
  const std::string path = file;
  if (path.size() > kLongestSoundPath) {
    const std::string text = GetMessageText(kSoundPathTooLongMessage);
    runNested_([&] {
      return INT_PTR{::MessageBoxA(sheet(), text.c_str(), TheProgram().caption().c_str(),
                                   MB_OK | MB_ICONEXCLAMATION)};
    });
    return;
  }
  const ui::ComboBox list = Sounds();
  const std::string title = SoundTitle(path);
  if (customEntry_) list.Delete(list.count() - 2);
  customEntry_ = true;
  customPath_ = path;
  list.Select(list.Insert(list.count() - 1, title));
  UseSound(path, title);
}

// A language of another name: the windows follow at once. The name that
// keeps a second copy of the program away stays claimed all the while.
void COptionsPage::OnLanguageChosen() {
  const std::string text = languages_.Text(languages_.Selected());
  if (text.empty()) return;
  AppRegistryValues& values = TheProgram().values();
  if (values.language == text) {
    values.languageChanged = false;
    return;
  }
  values.language = text;
  values.languageChanged = true;
  TheProgram().ClaimInstanceName(GetMessageText(kInstanceNameMessage));
  SetModified();
  ::PostMessageA(sheet(), kLanguageChangedMessage, 0, 0);
  RefreshSkinnedWindow(skins_.main, sheet());
}

}  // namespace hush
