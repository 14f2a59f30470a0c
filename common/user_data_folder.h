// The files Hushwall changes while it runs live in the user's own data
// folder, %APPDATA%\Hushwall: a program without elevation cannot write into
// its installation folder. Versions before that kept them there, so readers
// still take such a copy while the user's folder holds none.
#pragma once

#include <string>

namespace hush {

// The user's settings, the record of replaced browser proxies and the first
// run's ActiveX zone backup: the files older versions wrote beside the
// programs.
inline constexpr char kSettingsFileName[] = "HushINI.ini";
inline constexpr char kReplacedProxiesFileName[] = "ProxyBak.ini";
inline constexpr char kZoneBackupFileName[] = "acRs.ini";

// %APPDATA%\Hushwall without a trailing backslash (it may not exist yet);
// empty when the system names no application-data folder.
std::string UserDataFolder();

// `folder`\`name`; empty when the folder is.
std::string FileIn(const std::string& folder, const std::string& name);

bool FileExists(const std::string& path);

// The folder a reader takes `name` from: the data folder when it holds the
// file; else the installation folder when an older version left a copy
// there; else the data folder, or the installation folder when there is no
// data folder.
std::string FolderHolding(const std::string& dataFolder, const std::string& installationFolder,
                          const std::string& name);
// `name` in that folder.
std::string FindUserFile(const std::string& dataFolder, const std::string& installationFolder,
                         const std::string& name);

}  // namespace hush
