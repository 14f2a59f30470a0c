// The file of the user's data folder that remembers what pointing each
// browser setting at Hushwall replaced ("ProxyBak.ini"); the uninstaller
// reads it too. Without a folder nothing is remembered.
#pragma once

#include <optional>
#include <string>

#include "browsers/browser_context.h"
#include "browsers/browser_outcome.h"
#include "browsers/replaced_settings.h"

namespace hush::browsers {

inline constexpr char kReplacedSettingsFile[] = "ProxyBak.ini";

class ReplacedStore {
 public:
  explicit ReplacedStore(const BrowserContext& context);

  std::optional<ReplacedSettings::Fields> Recall(const std::string& id) const;
  // Keeps what a set is about to replace; false when it could not be kept.
  bool Remember(const std::string& id, ReplacedSettings::Fields fields) const;
  void Forget(const std::string& id) const;
  // Where the records are kept; empty when nowhere.
  const std::string& path() const { return path_; }

 private:
  // False when the file is there but cannot be read: writing it then would
  // lose every record it holds.
  bool TryLoad(ReplacedSettings& settings) const;
  ReplacedSettings Load() const;
  bool Store(const ReplacedSettings& settings) const;
  std::string path_;
};

// The record name of a file-backed setting: its path in lower case, so that
// one file spelled two ways is one record.
std::string FileRecordId(const std::string& kind, const std::string& path);

}  // namespace hush::browsers
