// Opera 6 and Opera 7: where their settings files are (from Opera's own
// registry values and, for Opera 7, its single-user or multi-user layout),
// whether they use the proxy, and pointing them at it or taking them off.
#pragma once

#include <string>

#include "browsers/browser_context.h"
#include "browsers/browser_outcome.h"
#include "browsers/configuration_state.h"
#include "browsers/file_io.h"
#include "browsers/replaced_store.h"

namespace hush::browsers {

inline constexpr char kOperaKey[] = "Software\\Opera Software";

enum OperaLocation {
  kOperaFilesFound = 0,
  kOpera6FileMissing = 1,
  kOpera7FileMissing = 2,
  kBothOperaFilesMissing = 3,
  kOperaKeyMissing = 4,
};

struct OperaSettings {
  std::string opera7DefaultFile;  // "OperaDef6.ini" in Opera 7's folder
  std::string opera6File;
  std::string opera7File;
  bool opera6Wanted = false;
  bool opera7Wanted = false;
};

// Opera 7's program folder: "Last Directory2", else the folder of "Last
// CommandLine v2"; no trailing backslash. Empty when neither is there.
std::string Opera7Folder();

OperaLocation LocateOperaFiles(OperaSettings& opera);

bool OperaFileUsesProxy(const std::string& path);

// Point the wanted versions at host:port, or take them off; both report
// what could not be located and then change nothing. The set's outcome
// names the files left as they were because what they held could not be
// remembered.
BrowserOutcome SetOperaProxy(OperaSettings& opera, ConfigurationState& state,
                             const std::string& host, const std::string& port,
                             const BrowserContext& context);
BrowserOutcome ResetOperaProxy(OperaSettings& opera, ConfigurationState& state,
                               const BrowserContext& context);

// One file: the "[Proxy]" section's two lines, what they replace remembered
// (a file whose lines could not be remembered is left as it was). Reset
// edits only a file that still names Hushwall. The set notes the user's own
// proxy in `outcome`.
FileResult EditOperaFileSet(const std::string& path, const std::string& host,
                            const std::string& port, const BrowserContext& context,
                            BrowserOutcome& outcome);
FileResult EditOperaFileReset(const std::string& path, const BrowserContext& context);

// Recomputes the in-memory flags of the wanted versions from their files.
void UpdateOperaConfiguredFlags(ConfigurationState& state, bool opera6Wanted, bool opera7Wanted,
                                const BrowserContext& context);

}  // namespace hush::browsers
