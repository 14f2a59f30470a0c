// Where each Windows version keeps Mozilla's profiles, today's Firefox
// profiles, Opera 7's per-user settings and the hosts file.
#pragma once

#include <string>

#include "browsers/system_facts.h"

namespace hush::browsers {

// Mozilla's folder, ending in a backslash; empty on other versions.
std::string MozillaFolder(const SystemFacts& facts);
// The standard profiles folder, ending in a backslash (or empty).
std::string MozillaProfilesFolder(const SystemFacts& facts);
// A profile's folder in the standard profiles folder, ending in a backslash.
std::string MozillaProfileFolder(const SystemFacts& facts, const std::string& profile);
// Today's Firefox: the folder of "profiles.ini", ending in a backslash.
std::string FirefoxFolder(const SystemFacts& facts);
// Opera 7's settings file for a multi-user installation in `programFolder`.
std::string OperaMultiUserFile(const SystemFacts& facts, const std::string& programFolder);
// "...\system32\drivers\etc\hosts" on Windows NT, "...\hosts" on Windows 9x.
std::string HostsFilePath(const SystemFacts& facts);

// The last component of a folder path; trailing backslashes do not count.
std::string LastComponent(const std::string& folder);
// The folder part of a file path, without its last backslash.
std::string FolderOf(const std::string& file);
// The path without trailing backslashes.
std::string WithoutTrailingBackslashes(std::string path);

}  // namespace hush::browsers
