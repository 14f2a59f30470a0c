#include "browsers/replaced_store.h"

#include "browsers/file_io.h"
#include "common/ascii.h"
#include "common/diagnostic.h"
#include "common/ini_file.h"

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

}  // namespace hush::browsers
