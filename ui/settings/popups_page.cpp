#include "ui/settings/popups_page.h"

#include "common/language.h"
#include "common/text_ids.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"
#include "ui/banner_switch.h"
#include "ui/browser_results.h"
#include "ui/framework/localized_window.h"
#include "ui/main_page.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/wizard/proxy_setting_sheet.h"

namespace hush {
namespace {

constexpr UINT_PTR kBlinkTimer = 0;
constexpr UINT kBlinkMilliseconds = 1000;
// The two keys of the page's text block that have no control.
constexpr int kNoControl = 0xFFFF;

bool Catching() { return Settings().popupCheckEnabled.load() != 0; }

}  // namespace

CPopupDlg::CPopupDlg(SkinReferences& skins, std::string installFolder, NestedRunner runNested)
    : ui::PropertyPage(IDD_POPUPS_PAGE),
      skins_(skins),
      installFolder_(std::move(installFolder)),
      runNested_(std::move(runNested)) {
  handlers().OnCommand(IDC_POPUPS_CATCHING, [this](WORD) { OnCatchingBox(); });
  handlers().OnCommand(IDC_POPUPS_SOUND, [this](WORD) { OnSoundBox(); });
  handlers().OnCommand(IDC_POPUPS_BANNER, [this](WORD) { OnBannerBox(); });
  handlers().OnCommand(IDC_POPUPS_SET_PROXY, [this](WORD) { OnSetProxy(); });
  handlers().OnCommand(IDC_POPUPS_RESET_PROXY, [this](WORD) { OnResetProxy(); });
  handlers().OnMessage(WM_TIMER, [this](WPARAM, LPARAM) {
    OnBlinkTick();
    return LRESULT{0};
  });
  // A new user who answered Yes to the start-up warning has catching off
  // (nothing was configured), so the wizard's end offers it.
  handlers().OnMessage(kRunStartupWizardMessage, [this](WPARAM, LPARAM) {
    RunSetWizard(true);
    return LRESULT{0};
  });
}

bool CPopupDlg::OnInitDialog() {
  Program& app = TheProgram();
  RefreshBrowserConfiguration(app);
  ApplyTexts();
  LoadControls();
  TakeSkin(skins_.main, *this, IDC_SKIN_CONTROL);
  LoadInstalledSkin(skins_.main, installFolder_, kMainSkinFile);
  SkinWindow(skins_.main, sheet());
  SkinWindow(skins_.main, hwnd());
  app.PublishSettings();  // the refresh may have switched catching off
  if (app.runWizard() != 0) ::PostMessageA(hwnd(), kRunStartupWizardMessage, 0, 0);
  return true;
}

void CPopupDlg::ApplyTexts() {
  LoadDialogTexts(
      hwnd(), kPopupsPageTexts,
      {IDC_POPUPS_CATCHING, kNoControl, kNoControl, IDC_POPUPS_SOUND, IDC_POPUPS_BANNER,
       IDC_POPUPS_NOTE, IDC_POPUPS_SET_PROXY, IDC_POPUPS_RESET_PROXY, IDC_POPUPS_GROUP});
}

void CPopupDlg::LoadControls() {
  SetChecked(IDC_POPUPS_CATCHING, Catching());
  if (Catching()) {
    loading_ = true;
    OnCatchingBox();
  }
  SetChecked(IDC_POPUPS_BANNER, Settings().bannerBlock.load() == 1);
  EnableItems({IDC_POPUPS_SOUND}, Catching());
  SetChecked(IDC_POPUPS_SOUND, Settings().playWave.load() != 0);
  if (TheProgram().values().languageChanged) ApplyTexts();
}

// The loading flag is cleared on every path: a run is skipped only for the
// simulated click of LoadControls, never for the user's next real one.
void CPopupDlg::OnCatchingBox() {
  const bool loading = loading_;
  loading_ = false;
  Program& app = TheProgram();
  RefreshBrowserConfiguration(app);
  if (!app.configuration().AnyBrowserConfigured()) {
    Settings().popupCheckEnabled = 0;
    app.PublishSettings();
    if (blinkState_ == -1) StartBlinking(false);
    if (IsChecked(IDC_POPUPS_CATCHING)) {
      SetChecked(IDC_POPUPS_CATCHING, false);
      Inform(kCatchingNeedsBrowserMessage, MB_OK | MB_ICONINFORMATION);
      return;
    }
  } else if (blinkState_ != -1) {
    StopBlinking();
  }
  Settings().popupCheckEnabled = IsChecked(IDC_POPUPS_CATCHING) ? 1 : 0;
  app.PublishSettings();
  EnableItems({IDC_POPUPS_SOUND}, Catching());
  if (!loading) StartCleanup();
  SetModified();
  PostToMain(kCatchingChangedMessage);
}

// The box says what the sound setting becomes.
void CPopupDlg::OnSoundBox() {
  Settings().playWave = IsChecked(IDC_POPUPS_SOUND) ? 1 : 0;
  TheProgram().PublishSettings();
  SetModified();
}

// The box and the setting follow what the hosts file really holds
// afterwards, whichever way the change went.
void CPopupDlg::OnBannerBox() {
  const bool wanted = IsChecked(IDC_POPUPS_BANNER);
  const bool on = runNested_([this, wanted] {
                    return INT_PTR{SwitchBannerBlocking(wanted, hwnd()) ? 1 : 0};
                  }) != 0;
  Settings().bannerBlock = on ? 1 : 0;
  SetChecked(IDC_POPUPS_BANNER, on);
  PostToMain(kBannerBlockChangedMessage);
  SetModified();
}

bool CPopupDlg::OnSetActive() {
  Refresh();
  return true;
}

void CPopupDlg::Refresh() {
  Program& app = TheProgram();
  RefreshBrowserConfiguration(app);
  ApplyTexts();
  if (!app.configuration().AnyBrowserConfigured()) {
    if (blinkState_ == -1) StartBlinking(false);
    // Refresh has switched catching off already when it was on.
    if (IsChecked(IDC_POPUPS_CATCHING)) {
      Inform(kCatchingOffWithoutBrowserMessage, MB_OK | MB_ICONINFORMATION);
      SetChecked(IDC_POPUPS_CATCHING, false);
      PostToMain(kCatchingChangedMessage);
    }
    Settings().popupCheckEnabled = 0;
    EnableItems({IDC_POPUPS_SOUND}, false);
  }
  app.PublishSettings();
}

void CPopupDlg::RunWizard(bool setMode) {
  runNested_([this, setMode] {
    CProxySettingSheet wizard(setMode ? browsers::WizardMode::kSet : browsers::WizardMode::kReset,
                              sheet());
    return wizard.DoModal(sheet());
  });
  // The wizard may have taken over a browser's proxy as the upstream one.
  TheProgram().PublishSettings();
}

void CPopupDlg::OnSetProxy() { RunSetWizard(!TheProgram().configuration().AnyBrowserConfigured()); }

// When the wizard leaves a browser configured and catching is off, the user
// is asked to switch it on: pop-ups would otherwise get through with
// nothing saying why.
void CPopupDlg::RunSetWizard(bool offerCatching) {
  const browsers::ConfigurationState& state = TheProgram().configuration();
  RunWizard(true);
  if (!state.AnyBrowserConfigured()) return;
  if (blinkState_ != -1) StopBlinking();
  if (!offerCatching || Catching()) return;
  if (Inform(kEnableCatchingQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  Settings().popupCheckEnabled = 1;
  TheProgram().PublishSettings();
  SetChecked(IDC_POPUPS_CATCHING, true);
  EnableItems({IDC_POPUPS_SOUND}, true);
  PostToMain(kCatchingChangedMessage);
}

// Catching goes off only when nothing sends its pages through the proxy
// any more, Internet Explorer's own settings included.
void CPopupDlg::OnResetProxy() {
  RunWizard(false);
  if (TheProgram().configuration().AnyBrowserConfigured()) return;
  StartBlinking(true);
  if (Catching()) {
    Inform(kCatchingOffWithoutBrowserMessage, MB_OK | MB_ICONINFORMATION);
    SetChecked(IDC_POPUPS_CATCHING, false);
    PostToMain(kCatchingChangedMessage);
  }
  Settings().popupCheckEnabled = 0;
  TheProgram().PublishSettings();
  EnableItems({IDC_POPUPS_SOUND}, false);
}

void CPopupDlg::StartCleanup() { cleanup_.Request(TheProgram().configuration()); }

void CPopupDlg::StartBlinking(bool restart) {
  if (blinkState_ != -1 && !restart) return;
  blinkState_ = 0;
  ::SetTimer(hwnd(), kBlinkTimer, kBlinkMilliseconds, nullptr);
}

void CPopupDlg::StopBlinking() {
  ::KillTimer(hwnd(), kBlinkTimer);
  ::ShowWindow(Item(IDC_POPUPS_NOTE), SW_HIDE);
  blinkState_ = -1;
}

void CPopupDlg::OnBlinkTick() {
  ::ShowWindow(Item(IDC_POPUPS_NOTE), blinkState_ == 0 ? SW_SHOW : SW_HIDE);
  blinkState_ = (blinkState_ + 1) % 2;
}

int CPopupDlg::Inform(int message, UINT type) {
  const std::string text = GetMessageText(message), caption = TheProgram().caption();
  return static_cast<int>(runNested_(
      [&] { return INT_PTR{::MessageBoxA(hwnd(), text.c_str(), caption.c_str(), type)}; }));
}

// The page's sheet is the main window.
void CPopupDlg::PostToMain(UINT message) const { ::PostMessageA(sheet(), message, 0, 0); }

}  // namespace hush
