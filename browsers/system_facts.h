// The facts about this Windows that choose where browsers keep their
// settings: the version class, the Windows folder, the user's name and
// application-data folder. Tests may put other facts in their place, to
// walk the folder layouts of other Windows versions inside one prefix.
#pragma once

#include <string>

namespace hush::browsers {

enum class WindowsClass {
  kOther,  // matches none of the classes below: no profile folders
  kWindows95,
  kWindows98,
  kWindowsMe,
  kWindowsNT4,
  kWindows2000,
  kWindowsXP,            // NT 5.x after 2000
  kWindowsVistaOrLater,  // NT 6.x and 10.x
};

WindowsClass ClassifyWindows(unsigned long platform, unsigned long major, unsigned long minor);

struct SystemFacts {
  WindowsClass windows = WindowsClass::kOther;
  bool ntFamily = false;
  std::string windowsDirectory;  // no trailing backslash
  std::string userName;
  std::string applicationData;  // the shell's folder, no trailing backslash
};

// The facts of this system, or those a test put in place.
SystemFacts CurrentSystem();
// Null goes back to the real system.
void OverrideSystemFactsForTesting(const SystemFacts* facts);

}  // namespace hush::browsers
