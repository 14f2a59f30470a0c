#include "ui/browser_results.h"

#include <string>

#include "browsers/browser_checks.h"
#include "browsers/file_io.h"
#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "common/show_box.h"
#include "common/text_ids.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"
#include "ui/program.h"

namespace hush {

void ShowBrowserReports(const std::vector<browsers::BrowserReport>& reports) {
  for (const browsers::BrowserReport& report : reports) {
    const browsers::NoticeBox box = browsers::DescribeReport(report, kProductCaptionMessage);
    ShowBox({}, box.text, box.caption, box.type);
  }
}

void PresentBrowserOutcome(const browsers::BrowserOutcome& outcome) {
  ShowBrowserReports(outcome.reports);
  AdoptUpstreamProxy(outcome.replacedProxy);
}

bool AdoptUpstreamProxy(const std::optional<browsers::HttpProxy>& proxy) {
  ProxySettings& settings = Settings();
  if (!proxy || !browsers::IsValidPort(proxy->port) || browsers::IsHushwallProxy(*proxy) ||
      settings.gatewayEnable.load() != 0)
    return false;
  settings.gatewayIP.Set(proxy->host);
  settings.gatewayPort = std::stoi(proxy->port);
  settings.gatewayEnable = 1;
  const std::string file = SettingsFilePath();
  ini::WriteText("Hushwall", "GatewayIP", proxy->host, file);
  ini::WriteText("Hushwall", "GatewayPort", proxy->port, file);
  ini::WriteText("Hushwall", "GatewayEnable", "1", file);
  ini::Flush(file);
  ReportDiagnostic("the proxy the browser used before, " + proxy->host + ":" + proxy->port +
                   ", is now the upstream gateway");
  return true;
}

void RefreshBrowserConfiguration(Program& program) {
  if (browsers::RefreshConfigurationState(program.configuration(), program.browserContext()) ==
      browsers::Catching::kMustBeOff) {
    Settings().popupCheckEnabled = 0;
    program.PublishSettings();
  }
}

}  // namespace hush
