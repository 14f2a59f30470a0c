#include "app/first_run.h"

#include "browsers/zone_policies.h"
#include "common/app_registry.h"
#include "common/user_data_folder.h"

namespace hush {

bool BackUpZonesOnFirstRun(const browsers::BrowserContext& context) {
  const std::string backup = context.DataFile(kZoneBackupFileName);
  if (backup.empty()) return false;
  if (!FileExists(backup) && !browsers::BackupZoneSettings(backup)) return false;
  MarkFirstRunDone();
  return true;
}

}  // namespace hush
