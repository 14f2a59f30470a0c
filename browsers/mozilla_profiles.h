// The Netscape 7 / Mozilla profiles of the current user (from the standard
// profiles folder and "registry.dat") and today's Firefox profiles (from
// "profiles.ini"): which of them use the proxy, and pointing them at it or
// taking them off through their "user.js".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "browsers/browser_context.h"
#include "browsers/browser_outcome.h"
#include "browsers/configuration_state.h"
#include "browsers/file_io.h"
#include "browsers/replaced_store.h"

namespace hush::browsers {

// A profile whose folder is worked out from the Windows version.
inline constexpr char kEmptyDirectory[] = "Empty";

struct ProfileRecord {
  std::string name;
  // Set mode: it already uses the proxy; reset mode: it does not.
  bool disabled = false;
  bool selected = false;
  // The folder holding "user.js" and "prefs.js", or kEmptyDirectory.
  std::string directory = kEmptyDirectory;
};

// The profiles of one wizard run (or one check, or the uninstaller).
struct ProfileSet {
  std::string userJsPath;   // of the profile in hand
  std::string prefsJsPath;  // of the profile in hand
  std::vector<ProfileRecord> records;
  int disabledCount = 0;
  // Reset mode: profiles still using the proxy, counted down by reset.
  int stillUsingProxy = 0;
  // Some profile was set or reset.
  bool processed = false;

  // Selects every profile the mode can change (the uninstaller's choice).
  void SelectAllEnabled();
};

// Fills the set's "user.js" and "prefs.js" paths for the profile; true when
// "prefs.js" exists.
bool GetProfileFiles(ProfileSet& set, const ProfileRecord& profile);

// The profile points the browser at Hushwall.
bool ProfileUsesProxy(ProfileSet& set, const ProfileRecord& profile);

// Profiles kept outside the standard folder, listed in "registry.dat".
// Check-only: true at the first one using the proxy; otherwise they are
// appended to the set.
bool ReadProfileRegistry(ProfileSet& set, bool checkOnly, WizardMode mode);

// Every profile of the user, each folder once.
void EnumerateProfiles(ProfileSet& set, WizardMode mode);

bool IsNetscapeConfigured();
// Mozilla's registry key has a subkey, or Firefox has a profile list.
bool IsNetscapeInstalled();

// Points one profile at host:port: keeps its "user.js" except the three
// proxy lines, takes the first proxy line out of "prefs.js" and remembers
// what it replaced; a profile whose lines could not be remembered is left as
// it was. A profile without "prefs.js" goes into the outcome's reports, the
// user's own proxy into its replaced proxy.
FileResult SetProfileProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                           const std::string& port, const ProfileRecord& profile,
                           const BrowserContext& context, BrowserOutcome& outcome);
// Puts back what the set replaced, or writes the lines that switch the
// proxy off. A profile without "prefs.js" goes into the outcome's reports.
FileResult ResetProfileProxy(ProfileSet& set, ConfigurationState& state,
                             const ProfileRecord& profile, const BrowserContext& context,
                             BrowserOutcome& outcome);

// Every selected profile, in list order; the outcome names the profiles
// left as they were because what they had could not be remembered.
BrowserOutcome SetNetscapeProxy(ProfileSet& set, ConfigurationState& state, const std::string& host,
                                const std::string& port, const BrowserContext& context);
BrowserOutcome ResetNetscapeProxy(ProfileSet& set, ConfigurationState& state,
                                  const BrowserContext& context);

// After profiles were set or reset: the notice saying when the browser will
// pick the change up; none when no profile was changed.
std::optional<BrowserNotice> NetscapeRestartNotice(const ProfileSet& set, WizardMode mode);

}  // namespace hush::browsers
