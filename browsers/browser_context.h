// What the browser operations need from the program that calls them: the
// installation folder, the user's data folder, and the few ways in which
// the uninstaller's use of the same operations differs from the main
// program's. One library serves both; the differences are these settings.
#pragma once

#include <string>

#include "common/text_ids.h"

namespace hush::browsers {

// The wizard points browsers at the proxy or takes them off it; lists show
// what the chosen mode can still change.
enum class WizardMode { kSet, kReset };

struct BrowserPolicy {
  // Detection writes "not configured" for browsers that are not installed.
  bool writeFlagsOfMissingBrowsers = true;
  // Detection finds Opera 7 through "Last CommandLine v2" as well.
  bool detectOpera7ByCommandLine = true;
  // The Opera 7 check falls back to the program's "OperaDef6.ini".
  bool checkOpera7DefaultFile = true;
  // Reset takes the proxy out of "OperaDef6.ini" too (when it names it).
  bool resetOpera7DefaultFile = true;
  // Resetting the last configured profile clears "Netscape Is Configured".
  bool countDownNetscapeFlag = true;
  // A missing hosts file is created (from the sample when there is one).
  bool createHostsFile = true;
};

inline constexpr BrowserPolicy kMainProgramPolicy{};
inline constexpr BrowserPolicy kUninstallerPolicy{false, false, false, false, false, false};

struct BrowserContext {
  // Where the program is installed ("Path"): its hosts files, backups and
  // the record of replaced proxies. May be empty before it is known.
  std::string installationDirectory;
  // The user's data folder, where the program keeps what it writes while it
  // runs (the record of replaced proxies, the zone backup). Empty: the
  // installation folder, as before there was one.
  std::string dataDirectory;
  BrowserPolicy policy = kMainProgramPolicy;

  // A file of the installation folder.
  std::string InstalledFile(const std::string& name) const;
  // A file the program keeps for the user.
  std::string DataFile(const std::string& name) const;
};

}  // namespace hush::browsers
