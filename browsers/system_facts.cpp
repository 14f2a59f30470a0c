#include "browsers/system_facts.h"

#include <windows.h>

#include <shlobj.h>

#include <memory>

namespace hush::browsers {
namespace {

std::unique_ptr<SystemFacts> overridden;

std::string WithoutTrailingBackslash(std::string path) {
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace

SystemFacts CurrentSystem() {
  if (overridden) return *overridden;
  SystemFacts facts;
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (::GetVersionExA(&version)) {
    facts.windows =
        ClassifyWindows(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
    facts.ntFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }
  char buffer[MAX_PATH] = {};
  if (::GetWindowsDirectoryA(buffer, MAX_PATH) != 0)
    facts.windowsDirectory = WithoutTrailingBackslash(buffer);
  char user[200] = {};
  DWORD size = sizeof user;
  if (::GetUserNameA(user, &size)) facts.userName = user;
  char appData[MAX_PATH] = {};
  if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData)))
    facts.applicationData = WithoutTrailingBackslash(appData);
  return facts;
}

void OverrideSystemFactsForTesting(const SystemFacts* facts) {
  overridden = facts ? std::make_unique<SystemFacts>(*facts) : nullptr;
}

}  // namespace hush::browsers
