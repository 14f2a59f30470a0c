#include "browsers/mozilla_profiles.h"

#include <windows.h>

#include "browsers/firefox_profiles.h"
#include "browsers/mozilla_prefs.h"
#include "browsers/profile_paths.h"
#include "browsers/registry_dat.h"
#include "common/ascii.h"
#include "common/registry_key.h"
#include "common/unique_handle.h"

namespace hush::browsers {
namespace {

// The salt folder ("*.slt") inside a profile folder; empty when none.
std::string SaltFolder(const std::string& profileFolder) {
  WIN32_FIND_DATAA found{};
  UniqueFind find(::FindFirstFileA((profileFolder + "*.slt").c_str(), &found));
  return find ? std::string(found.cFileName) : std::string();
}

// Where the profile's two files are; empty when it has no such folder.
std::string FilesFolder(const ProfileRecord& profile) {
  if (profile.directory != kEmptyDirectory) return WithoutTrailingBackslashes(profile.directory);
  const std::string folder = MozillaProfileFolder(CurrentSystem(), profile.name);
  if (folder.empty()) return {};
  const std::string salt = SaltFolder(folder);
  return salt.empty() ? std::string() : folder + salt;
}

// The folders directly inside the standard profiles folder that carry no
// attribute but "directory".
std::vector<std::string> StandardProfileNames() {
  std::vector<std::string> names;
  const std::string folder = MozillaProfilesFolder(CurrentSystem());
  if (folder.empty()) return names;
  WIN32_FIND_DATAA found{};
  UniqueFind find(::FindFirstFileA((folder + "*.*").c_str(), &found));
  if (!find) return names;
  do {
    const std::string name = found.cFileName;
    if (found.dwFileAttributes == FILE_ATTRIBUTE_DIRECTORY && name != "." && name != "..")
      names.push_back(name);
  } while (::FindNextFileA(find.get(), &found));
  return names;
}

std::vector<FirefoxProfile> FirefoxProfiles() {
  const std::string folder = FirefoxFolder(CurrentSystem());
  std::string text;
  if (folder.empty() || ReadWholeFile(folder + "profiles.ini", text) != FileResult::kDone)
    return {};
  return ParseFirefoxProfilesIni(text, folder);
}

bool ReadOptional(const std::string& path, std::string& bytes) {
  const FileResult result = ReadWholeFile(path, bytes);
  return result == FileResult::kDone || result == FileResult::kMissing;
}

// Appends a profile unless its folder is listed already (in any spelling).
void AppendProfile(ProfileSet& set, ProfileRecord profile, WizardMode mode) {
  const std::string folder = ToLower(FilesFolder(profile));
  for (const ProfileRecord& listed : set.records)
    if (!folder.empty() && ToLower(FilesFolder(listed)) == folder) return;
  const bool configured = ProfileUsesProxy(set, profile);
  profile.disabled = mode == WizardMode::kSet ? configured : !configured;
  profile.selected = false;
  if (profile.disabled) ++set.disabledCount;
  if (mode == WizardMode::kReset && !profile.disabled) ++set.stillUsingProxy;
  set.records.push_back(std::move(profile));
}

}  // namespace

void ProfileSet::SelectAllEnabled() {
  for (ProfileRecord& record : records) record.selected = !record.disabled;
}

bool GetProfileFiles(ProfileSet& set, const ProfileRecord& profile) {
  const std::string folder = FilesFolder(profile);
  set.userJsPath = folder.empty() ? std::string() : folder + "\\user.js";
  set.prefsJsPath = folder.empty() ? std::string() : folder + "\\prefs.js";
  return !folder.empty() && FileExists(set.prefsJsPath);
}

bool ProfileUsesProxy(ProfileSet& set, const ProfileRecord& profile) {
  if (!GetProfileFiles(set, profile)) return false;
  std::string prefs, user;
  return ReadWholeFile(set.prefsJsPath, prefs) == FileResult::kDone &&
         ReadOptional(set.userJsPath, user) && ProfileTextsUseProxy(prefs, user);
}

bool ReadProfileRegistry(ProfileSet& set, bool checkOnly, WizardMode mode) {
  const SystemFacts facts = CurrentSystem();
  const std::string mozilla = MozillaFolder(facts);
  std::string bytes;
  if (mozilla.empty() || ReadWholeFile(mozilla + "registry.dat", bytes) != FileResult::kDone)
    return false;
  for (const std::string& folder :
       ProfileFoldersOfRegistryDat(bytes, MozillaProfilesFolder(facts))) {
    ProfileRecord profile{ProfileNameOfFolder(folder), false, false, folder};
    if (checkOnly) {
      if (ProfileUsesProxy(set, profile)) return true;
      continue;
    }
    AppendProfile(set, std::move(profile), mode);
  }
  return false;
}

void EnumerateProfiles(ProfileSet& set, WizardMode mode) {
  for (const std::string& name : StandardProfileNames()) AppendProfile(set, {name}, mode);
  ReadProfileRegistry(set, false, mode);
  for (const FirefoxProfile& profile : FirefoxProfiles())
    AppendProfile(set, {profile.name, false, false, profile.folder}, mode);
}

bool IsNetscapeConfigured() {
  ProfileSet set;
  for (const std::string& name : StandardProfileNames())
    if (ProfileUsesProxy(set, {name})) return true;
  if (ReadProfileRegistry(set, true, WizardMode::kSet)) return true;
  for (const FirefoxProfile& profile : FirefoxProfiles())
    if (ProfileUsesProxy(set, {profile.name, false, false, profile.folder})) return true;
  return false;
}

bool IsNetscapeInstalled() {
  if (RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Mozilla", KEY_READ).HasSubkeys()) return true;
  const std::string firefox = FirefoxFolder(CurrentSystem());
  return !firefox.empty() && FileExists(firefox + "profiles.ini");
}

}  // namespace hush::browsers
