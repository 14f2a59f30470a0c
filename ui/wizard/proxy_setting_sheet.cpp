#include "ui/wizard/proxy_setting_sheet.h"

#include "browsers/opera.h"
#include "common/language.h"
#include "common/message_table.h"
#include "common/text_ids.h"
#include "ui/browser_results.h"
#include "ui/framework/application.h"
#include "ui/framework/localized_window.h"
#include "ui/html_help.h"
#include "ui/https_switch.h"
#include "ui/program.h"
#include "ui/resource_ids.h"
#include "ui/wizard/wizard_pages.h"

namespace hush {

CProxySettingSheet::CProxySettingSheet(browsers::WizardMode mode, HWND mainWindow)
    : ui::PropertySheet(ui::ResourceString(IDS_MAIN_CAPTION), /*wizard=*/true),
      mainWindow_(mainWindow),
      page1_(std::make_unique<CMyPropertyPage1>(*this)),
      page2_(std::make_unique<CMyPropertyPage2>(*this)),
      page3_(std::make_unique<CMyPropertyPage3>(*this)),
      page4_(std::make_unique<CMyPropertyPage4>(*this)) {
  choices_.mode = mode;
  AddPage(*page1_);
  AddPage(*page2_);
  AddPage(*page3_);
  AddPage(*page4_);
  ShowHelpButton();
  auto help = [this] { OpenHelpFile(hwnd(), TheProgram().values().path + "\\Help\\HushHlp.chm"); };
  handlers().OnCommand(IDHELP, [help](WORD) { help(); });
  handlers().OnMessage(WM_HELP, [help](WPARAM, LPARAM) {
    help();
    return LRESULT{TRUE};
  });
}

CProxySettingSheet::~CProxySettingSheet() = default;

void CProxySettingSheet::OnInitialized() { LocalizeButtons(); }

// Page titles from 2900, 3000, 3100, 3200 where the language file has them;
// the buttons' texts.
void CProxySettingSheet::LocalizeButtons() {
  const std::pair<int, int> buttons[] = {{kBackButton, kWizardBackButtonMessage},
                                         {kNextButton, kWizardNextButtonMessage},
                                         {IDCANCEL, kWizardCancelButtonMessage},
                                         {IDHELP, kWizardHelpButtonMessage}};
  for (const auto& [control, key] : buttons)
    SetLocalizedItemText(hwnd(), control, std::to_string(key), BuiltInText(key));
  HWND tabs = PropSheet_GetTabControl(hwnd());
  for (int page = 0; page < 4; ++page) {
    std::string title =
        GetMessageText(std::to_string(kWizardPageTitles + kWizardPageTitleStep * page), "Error");
    if (title == "Error" || tabs == nullptr) continue;
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    ::SendMessageA(tabs, TCM_SETITEMA, page, reinterpret_cast<LPARAM>(&item));
  }
}

void CProxySettingSheet::Cancelled() { TheProgram().values().wizardMessage = "A"; }

void CProxySettingSheet::Finish() {
  if (finished_) return;
  finished_ = true;
  Program& app = TheProgram();
  browsers::ConfigurationState& state = app.configuration();
  const browsers::BrowserContext context = app.browserContext();
  // Each browser's boxes come before the next browser is changed; a set
  // names what it left alone, so that nothing of the user's is changed that
  // could not be put back.
  if (choices_.internetExplorer) {
    const browsers::InternetExplorerChoice connections{choices_.lan, choices_.dialUp};
    PresentBrowserOutcome(
        setMode()
            ? browsers::SetInternetExplorerProxy(state, connections_, connections, context)
            : browsers::ResetInternetExplorerProxy(state, connections_, connections, context));
  }
  if (choices_.netscape) {
    PresentBrowserOutcome(
        setMode() ? browsers::SetNetscapeProxy(profiles_, state, "Hushwall", "8100", context)
                  : browsers::ResetNetscapeProxy(profiles_, state, context));
    if (const auto restart = browsers::NetscapeRestartNotice(profiles_, mode()))
      ShowBrowserReports({{*restart}});
  }
  if (choices_.opera) {
    browsers::OperaSettings opera;
    opera.opera6Wanted = choices_.opera6;
    opera.opera7Wanted = choices_.opera7;
    PresentBrowserOutcome(setMode()
                              ? browsers::SetOperaProxy(opera, state, "Hushwall", "8100", context)
                              : browsers::ResetOperaProxy(opera, state, context));
  }
  // A set may have taken the user's own proxy as the gateway.
  app.PublishSettings();
  // Last, as it may ask the user to confirm a new trusted certificate.
  if (setMode()) SwitchHttpsFiltering(choices_.httpsFiltering);
}

}  // namespace hush
