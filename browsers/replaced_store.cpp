#include "browsers/replaced_store.h"

#include "browsers/file_io.h"
#include "common/ascii.h"
#include "common/diagnostic.h"
#include "common/ini_file.h"
#include "proxy/proxy_settings.h"
#include "proxy/settings_store.h"

namespace hush::browsers {

ReplacedStore::ReplacedStore(const BrowserContext& context)
    : path_(context.DataFile(kReplacedSettingsFile)) {}

bool ReplacedStore::TryLoad(ReplacedSettings& settings) const {
  std::string text;
  const FileResult result = path_.empty() ? FileResult::kMissing : ReadWholeFile(path_, text);
  if (result == FileResult::kDone) settings = ReplacedSettings::Parse(text);
  if (result != FileResult::kDone && result != FileResult::kMissing)
    ReportDiagnostic(path_ + ": " + Describe(result));
  return result == FileResult::kDone || result == FileResult::kMissing;
}

ReplacedSettings ReplacedStore::Load() const {
  ReplacedSettings settings;
  TryLoad(settings);
  return settings;
}

bool ReplacedStore::Store(const ReplacedSettings& settings) const {
  const FileResult result = ReplaceWholeFile(path_, settings.Text());
  if (result != FileResult::kDone) ReportDiagnostic(path_ + ": " + Describe(result));
  return result == FileResult::kDone;
}

std::optional<ReplacedSettings::Fields> ReplacedStore::Recall(const std::string& id) const {
  const ReplacedSettings settings = Load();
  if (const ReplacedSettings::Fields* fields = settings.Find(id)) return *fields;
  return std::nullopt;
}

bool ReplacedStore::Remember(const std::string& id, ReplacedSettings::Fields fields) const {
  ReplacedSettings settings;
  if (path_.empty() || !TryLoad(settings)) return false;
  settings.Put(id, std::move(fields));
  return Store(settings);
}

void ReplacedStore::Forget(const std::string& id) const {
  ReplacedSettings settings;
  if (path_.empty() || !TryLoad(settings) || !settings.Find(id)) return;
  settings.Erase(id);
  Store(settings);
}

std::string FileRecordId(const std::string& kind, const std::string& path) {
  return kind + "|" + ToLower(path);
}

void AdoptUpstreamProxy(const std::optional<HttpProxy>& proxy) {
  ProxySettings& settings = Settings();
  if (!proxy || !IsValidPort(proxy->port) || IsHushwallProxy(*proxy) ||
      settings.gatewayEnable.load() != 0)
    return;
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
}

}  // namespace hush::browsers
