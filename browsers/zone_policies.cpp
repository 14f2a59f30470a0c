#include "browsers/zone_policies.h"

#include <windows.h>

#include <cstdlib>

#include "common/registry_key.h"
#include "common/unique_handle.h"

namespace hush::browsers {
namespace {

constexpr char kZonesKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones";
constexpr const char* kBackupSections[kZoneCount] = {"Local Intranet", "Trusted Sites", "Internet",
                                                     "Restricted Sites"};
// The backup's key order, which the uninstaller reads.
constexpr const char* kBackupKeys[kZonePolicyCount] = {"1001", "1004", "1201", "1200", "1405"};

}  // namespace

std::optional<PolicyChoice> ChoiceOfValue(const ZonePolicy& policy, unsigned long value) {
  switch (value) {
    case 0:
      return PolicyChoice::kEnable;
    case 1:
      return PolicyChoice::kPrompt;
    case 3:
      return PolicyChoice::kDisable;
    default:
      if (policy.administratorApproved) return PolicyChoice::kAdministratorApproved;
      return std::nullopt;
  }
}

unsigned long ValueOfChoice(PolicyChoice choice) {
  switch (choice) {
    case PolicyChoice::kEnable:
      return 0;
    case PolicyChoice::kPrompt:
      return 1;
    case PolicyChoice::kDisable:
      return 3;
    case PolicyChoice::kAdministratorApproved:
      break;
  }
  return 65536;
}

std::string ZoneKeyPath(int zone) { return std::string(kZonesKey) + "\\" + std::to_string(zone); }

ZoneChoices ReadZone(int zone) {
  ZoneChoices choices;
  const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, ZoneKeyPath(zone), KEY_READ);
  for (int index = 0; index < kZonePolicyCount; ++index) {
    DWORD value = 0;
    if (key && key.ReadNumber(kZonePolicies[index].valueName, value))
      choices[index] = ChoiceOfValue(kZonePolicies[index], value);
  }
  return choices;
}

bool WriteZone(int zone, const ZoneChoices& choices) {
  const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, ZoneKeyPath(zone), KEY_SET_VALUE);
  if (!key) return false;
  bool written = true;
  for (int index = 0; index < kZonePolicyCount; ++index)
    if (choices[index])
      written = key.WriteNumber(kZonePolicies[index].valueName, ValueOfChoice(*choices[index])) &&
                written;
  return written;
}

bool BackupZoneSettings(const std::string& iniPath) {
  // Written beside the backup and put in its place once whole: a backup cut
  // short must not pass for the user's originals.
  const std::string partial = iniPath + ".new";
  {
    UniqueFile file(::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
  }
  bool written = true;
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, ZoneKeyPath(zone), KEY_READ);
    for (const char* name : kBackupKeys) {
      DWORD value = 0;
      if (!key || !key.ReadNumber(name, value)) continue;
      written = ::WritePrivateProfileStringA(kBackupSections[zone - 1], name,
                                             std::to_string(static_cast<LONG>(value)).c_str(),
                                             partial.c_str()) != FALSE &&
                written;
    }
  }
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, partial.c_str());
  if (written &&
      ::MoveFileExA(partial.c_str(), iniPath.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE)
    return true;
  ::DeleteFileA(partial.c_str());
  return false;
}

bool RestoreZoneSettings(const std::string& iniPath) {
  if (!UniqueFile(::CreateFileA(iniPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)))
    return false;
  for (int zone = 1; zone <= kZoneCount; ++zone) {
    RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, ZoneKeyPath(zone), KEY_SET_VALUE);
    for (const char* name : kBackupKeys) {
      char text[32] = {};
      ::GetPrivateProfileStringA(kBackupSections[zone - 1], name, "", text, sizeof text,
                                 iniPath.c_str());
      if (text[0] == '\0' || !key) continue;
      key.WriteNumber(name, static_cast<DWORD>(std::strtol(text, nullptr, 10)));
    }
  }
  return true;
}

}  // namespace hush::browsers
