#include "browsers/profile_paths.h"

namespace hush::browsers {
namespace {

// The platform numbers GetVersionEx reports.
constexpr unsigned long kWindows9x = 1;
constexpr unsigned long kWindowsNT = 2;

// "X:\Documents and Settings\<user>\Application Data\" of Windows 2000 and XP.
std::string DocumentsAndSettings(const SystemFacts& facts) {
  const char drive = facts.windowsDirectory.empty() ? 'C' : facts.windowsDirectory[0];
  return std::string(1, drive) + ":\\Documents and Settings\\" + facts.userName +
         "\\Application Data\\";
}

// The user's application-data folder as each version lays it out, ending in
// a backslash; empty on other versions.
std::string ApplicationData(const SystemFacts& facts) {
  switch (facts.windows) {
    case WindowsClass::kWindows2000:
    case WindowsClass::kWindowsXP:
      return DocumentsAndSettings(facts);
    case WindowsClass::kWindows95:
    case WindowsClass::kWindows98:
    case WindowsClass::kWindowsMe:
      return facts.windowsDirectory + "\\Application Data\\";
    case WindowsClass::kWindowsNT4:
      return facts.windowsDirectory + "\\Profiles\\" + facts.userName + "\\Application Data\\";
    case WindowsClass::kWindowsVistaOrLater:
      return facts.applicationData.empty() ? std::string() : facts.applicationData + "\\";
    case WindowsClass::kOther:
      break;
  }
  return {};
}

}  // namespace

WindowsClass ClassifyWindows(unsigned long platform, unsigned long major, unsigned long minor) {
  if (platform == kWindows9x) {
    if (minor == 0) return WindowsClass::kWindows95;
    if (minor == 10) return WindowsClass::kWindows98;
    if (minor == 90) return WindowsClass::kWindowsMe;
  } else if (platform == kWindowsNT) {
    if (major == 4) return WindowsClass::kWindowsNT4;
    if (major == 5) return minor == 0 ? WindowsClass::kWindows2000 : WindowsClass::kWindowsXP;
    if (major >= 6) return WindowsClass::kWindowsVistaOrLater;
  }
  return WindowsClass::kOther;
}

std::string MozillaFolder(const SystemFacts& facts) {
  const std::string base = ApplicationData(facts);
  return base.empty() ? base : base + "Mozilla\\";
}

std::string MozillaProfilesFolder(const SystemFacts& facts) {
  const std::string mozilla = MozillaFolder(facts);
  return mozilla.empty() ? mozilla : mozilla + "Profiles\\";
}

std::string MozillaProfileFolder(const SystemFacts& facts, const std::string& profile) {
  const std::string profiles = MozillaProfilesFolder(facts);
  return profiles.empty() ? profiles : profiles + profile + "\\";
}

std::string FirefoxFolder(const SystemFacts& facts) {
  // Firefox asks the shell for the folder on every version.
  return facts.applicationData.empty() ? std::string()
                                       : facts.applicationData + "\\Mozilla\\Firefox\\";
}

std::string OperaMultiUserFile(const SystemFacts& facts, const std::string& programFolder) {
  // Windows NT 4 keeps Opera's per-user files where Windows 2000 and XP do.
  SystemFacts layout = facts;
  if (layout.windows == WindowsClass::kWindowsNT4) layout.windows = WindowsClass::kWindowsXP;
  const std::string base = ApplicationData(layout);
  if (base.empty()) return {};
  return base + "Opera\\" + LastComponent(programFolder) + "\\profile\\opera6.ini";
}

std::string HostsFilePath(const SystemFacts& facts) {
  return facts.windowsDirectory + (facts.ntFamily ? "\\system32\\drivers\\etc\\hosts" : "\\hosts");
}

std::string WithoutTrailingBackslashes(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string LastComponent(const std::string& folder) {
  const std::string trimmed = WithoutTrailingBackslashes(folder);
  return trimmed.substr(trimmed.find_last_of('\\') + 1);
}

std::string FolderOf(const std::string& file) {
  const std::size_t last = file.find_last_of('\\');
  return last == std::string::npos ? std::string() : file.substr(0, last);
}

}  // namespace hush::browsers
