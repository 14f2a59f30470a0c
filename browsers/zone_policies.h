// Internet Explorer's ActiveX policies in its four security zones: reading
// and writing a zone's five policy values, and the backup of all four zones
// that the uninstaller restores from ("acRs.ini").
#pragma once

#include <array>
#include <optional>
#include <string>

namespace hush::browsers {

inline constexpr int kZoneCount = 4;  // zones 1 (Local intranet) to 4 (Restricted sites)
inline constexpr int kZonePolicyCount = 5;

enum class PolicyChoice { kEnable, kDisable, kPrompt, kAdministratorApproved };

struct ZonePolicy {
  const char* valueName;
  bool administratorApproved;  // the fourth choice exists
};
// In the order they are written.
inline constexpr ZonePolicy kZonePolicies[kZonePolicyCount] = {
    {"1001", false}, {"1004", false}, {"1201", false}, {"1405", false}, {"1200", true}};

// A choice per policy; none where the zone holds no value the page can show
// (missing, or a number without a button), and nothing is written for it.
using ZoneChoices = std::array<std::optional<PolicyChoice>, kZonePolicyCount>;

// 0 Enable, 1 Prompt, 3 Disable; for "1200" any other number is
// Administrator Approved, for the others it has no choice.
std::optional<PolicyChoice> ChoiceOfValue(const ZonePolicy& policy, unsigned long value);
unsigned long ValueOfChoice(PolicyChoice choice);

// HKEY_CURRENT_USER ...\Internet Settings\Zones\<zone>.
std::string ZoneKeyPath(int zone);
ZoneChoices ReadZone(int zone);
// Writes the policies that have a choice; false when the key cannot be
// opened or a value cannot be written.
bool WriteZone(int zone, const ZoneChoices& choices);

// Writes `iniPath` afresh: a section per zone ("Local Intranet",
// "Trusted Sites", "Internet", "Restricted Sites") with the keys "1001",
// "1004", "1201", "1200", "1405" as signed decimal text; a value the zone
// does not hold is left out rather than invented. The file is replaced only
// once the whole backup is written; false (and the file as it was) when
// any of it cannot be.
bool BackupZoneSettings(const std::string& iniPath);

// Removal: writes back every value the backup holds, as the DWORD it was
// (65536, Administrator Approved, stays 65536); a value the backup lacks is
// left as it is rather than loosened to Enable. False when the backup
// cannot be read.
bool RestoreZoneSettings(const std::string& iniPath);

}  // namespace hush::browsers
