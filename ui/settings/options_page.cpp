#include "ui/settings/options_page.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>

#include <vector>

#include "common/language.h"
#include "common/text_ids.h"
#include "proxy/proxy_settings.h"
#include "ui/framework/localized_window.h"
#include "ui/main_page.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/settings/language_flags.h"

namespace hush {
namespace {

constexpr char kCustomSound[] = "*** Custom Sound ***";
constexpr char kDefaultSound[] = "Default";

// The titles of the files matching `pattern` in `folder`, in the order the
// file system gives them.
std::vector<std::string> FileTitles(const std::string& folder, const char* pattern) {
  std::vector<std::string> titles;
  WIN32_FIND_DATAA entry{};
  HANDLE find = ::FindFirstFileA((folder + "\\" + pattern).c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return titles;
  do {
    std::string name = entry.cFileName;
    titles.push_back(name.substr(0, name.find_last_of('.')));
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
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
  for (int id : {IDC_OPTIONS_WINDOWS_STARTUP, IDC_OPTIONS_MANUAL_START, IDC_OPTIONS_IE_STARTUP})
    handlers().OnCommand(id, [this](WORD code) {
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
    Settings().displayOnTop = IsChecked(IDC_OPTIONS_ON_TOP) ? 1 : 0;
    ::PostMessageA(sheet(), kDisplayOnTopChangedMessage, 0, 0);
    SetModified();
  });
  handlers().OnCommand(IDC_OPTIONS_CLOSE_TO_TRAY, [this](WORD) {
    TheProgram().values().closeToTray = IsChecked(IDC_OPTIONS_CLOSE_TO_TRAY) ? 1 : 0;
    SetModified();
  });
  // The Popups page may have switched the sound alert meanwhile.
  handlers().OnMessage(WM_SHOWWINDOW, [this](WPARAM shown, LPARAM) {
    if (shown) ApplySoundRule();
    return LRESULT{0};
  });
}

bool COptionsPage::OnInitDialog() {
  FillLanguageList();
  LoadControls();
  ApplyTexts();
  SetChecked(IDC_OPTIONS_CLOSE_TO_TRAY, TheProgram().values().closeToTray != 0);
  SkinWindow(skins_.main, hwnd());
  return true;
}

void COptionsPage::ApplyTexts() {
  LoadDialogTexts(hwnd(), kOptionsPageTexts,
                  {IDC_OPTIONS_STARTUP_GROUP, IDC_OPTIONS_WINDOWS_STARTUP, IDC_OPTIONS_MANUAL_START,
                   IDC_OPTIONS_IE_STARTUP, IDC_OPTIONS_LANGUAGE_GROUP, IDC_OPTIONS_GENERAL_GROUP,
                   IDC_OPTIONS_ON_TOP, IDC_OPTIONS_SOUND_GROUP, IDC_OPTIONS_SOUND_LABEL,
                   IDC_OPTIONS_TEST, IDC_OPTIONS_CURRENT_LABEL, IDC_OPTIONS_CLOSE_TO_TRAY});
}

// One flag picture per language file: "<title>.bmp", else "default.bmp".
void COptionsPage::FillLanguageList() {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR, 0, 2);
  const std::vector<std::string> names = FileTitles(installFolder_ + "\\Language", "*.ini");
  const std::vector<int> flags = AddLanguageFlags(images, installFolder_ + "\\Flags\\", names);
  HWND list = Item(IDC_OPTIONS_LANGUAGES);
  ::SendMessageA(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  for (std::size_t index = 0; index < names.size(); ++index) {
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = static_cast<INT_PTR>(index);
    item.pszText = const_cast<char*>(names[index].c_str());
    item.iImage = item.iSelectedImage = flags[index];
    ::SendMessageA(list, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void COptionsPage::LoadControls() {
  const int modes[][2] = {
      {2, IDC_OPTIONS_WINDOWS_STARTUP}, {0, IDC_OPTIONS_MANUAL_START}, {1, IDC_OPTIONS_IE_STARTUP}};
  const long startup = Settings().startup.load();
  if (startup >= 0 && startup <= 2)
    for (const auto& [mode, id] : modes) SetChecked(id, mode == startup);
  SetChecked(IDC_OPTIONS_ON_TOP, Settings().displayOnTop.load() != 0);
  ApplySoundRule();
  if (TheProgram().values().languageChanged) ApplyTexts();
  HWND languages = Item(IDC_OPTIONS_LANGUAGES);
  const auto found =
      ::SendMessageA(languages, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(TheProgram().values().language.c_str()));
  FillSoundList();
  // Selecting from here is no language change: no notification follows.
  ::SendMessageA(languages, CB_SETCURSEL, found == CB_ERR ? 0 : found, 0);
  SetChecked(IDC_OPTIONS_CLOSE_TO_TRAY, TheProgram().values().closeToTray != 0);
}

void COptionsPage::ApplySoundRule() {
  const bool on = Settings().playWave.load() != 0;
  for (int id : {IDC_OPTIONS_CURRENT_SOUND, IDC_OPTIONS_CURRENT_LABEL, IDC_OPTIONS_TEST,
                 IDC_OPTIONS_SOUND_LABEL, IDC_OPTIONS_SOUNDS})
    ::EnableWindow(Item(id), on ? TRUE : FALSE);
}

void COptionsPage::FillSoundList() {
  HWND list = Item(IDC_OPTIONS_SOUNDS);
  ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& title : FileTitles(installFolder_ + "\\Sounds", "*.wav")) {
    if (title == kDefaultSound)
      ::SendMessageA(list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    else
      ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  }
  const std::string& current = TheProgram().values().userWavPath;
  ::SetWindowTextA(Item(IDC_OPTIONS_CURRENT_SOUND), FileNameOf(current).c_str());
  const std::string title = SoundTitle(current);
  auto found = ::SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(title.c_str()));
  customEntry_ = false;
  customPath_.clear();
  if (found == CB_ERR) {
    found = ::SendMessageA(list, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(title.c_str()));
    customEntry_ = true;
    customPath_ = current;
  }
  ::SendMessageA(list, CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(kCustomSound));
  ::SendMessageA(list, CB_SETCURSEL, found, 0);
}

int COptionsPage::SoundCount() const {
  return static_cast<int>(::SendMessageA(Item(IDC_OPTIONS_SOUNDS), CB_GETCOUNT, 0, 0));
}

std::string COptionsPage::SoundEntry(int index) const {
  HWND list = Item(IDC_OPTIONS_SOUNDS);
  const auto length = ::SendMessageA(list, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void COptionsPage::OnStartupMode() {
  if (IsChecked(IDC_OPTIONS_WINDOWS_STARTUP))
    Settings().startup = 2;
  else if (IsChecked(IDC_OPTIONS_MANUAL_START))
    Settings().startup = 0;
  else if (IsChecked(IDC_OPTIONS_IE_STARTUP))
    Settings().startup = 1;
  SetModified();
}

void COptionsPage::UseSound(const std::string& path, const std::string& shownName) {
  TheProgram().values().userWavPath = path;
  ::SetWindowTextA(Item(IDC_OPTIONS_CURRENT_SOUND), shownName.c_str());
  SetModified();
}

void COptionsPage::OnSoundChosen() {
  const auto selected =
      static_cast<int>(::SendMessageA(Item(IDC_OPTIONS_SOUNDS), CB_GETCURSEL, 0, 0));
  if (selected < 0) return;
  if (selected == SoundCount() - 1) return ChooseCustomSound();
  // The custom entry stands for its own file, wherever that is.
  if (customEntry_ && selected == SoundCount() - 2)
    return UseSound(customPath_, SoundTitle(customPath_));
  const std::string name = SoundEntry(selected) + ".wav";
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
  HWND list = Item(IDC_OPTIONS_SOUNDS);
  const std::string title = SoundTitle(path);
  if (customEntry_) ::SendMessageA(list, CB_DELETESTRING, SoundCount() - 2, 0);
  customEntry_ = true;
  customPath_ = path;
  const auto at = ::SendMessageA(list, CB_INSERTSTRING, SoundCount() - 1,
                                 reinterpret_cast<LPARAM>(title.c_str()));
  ::SendMessageA(list, CB_SETCURSEL, at, 0);
  UseSound(path, title);
}

// A language of another name: the windows follow at once. The name that
// keeps a second copy of the program away stays claimed all the while.
void COptionsPage::OnLanguageChosen() {
  HWND list = Item(IDC_OPTIONS_LANGUAGES);
  const auto selected = ::SendMessageA(list, CB_GETCURSEL, 0, 0);
  char text[MAX_PATH] = {};
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT;
  item.iItem = selected;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (selected < 0 || !::SendMessageA(list, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return;
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
