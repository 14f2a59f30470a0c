// The Windows hosts file: the line that maps the proxy host name to
// 127.0.0.1, the first-run backup "mHosts", and banner blocking, which adds
// or removes a marked block of ad-server lines taken from the installed
// "hostse" and "hostsd" while every line of the user's stays.
#pragma once

#include <string>

#include "browsers/browser_context.h"

namespace hush::browsers {

inline constexpr char kHostsBackupFile[] = "mHosts";
inline constexpr char kBannerOnFile[] = "hostse";
inline constexpr char kBannerOffFile[] = "hostsd";

// The hosts file's path. Under the main program's policy a hosts file that
// does not exist is created (a copy of "hosts.sam" when there is one); one
// that exists is never touched. Under the uninstaller's policy nothing is
// created and the path is empty when neither file exists.
std::string GetHostsFilePath(const BrowserContext& context);

// Some line maps a loopback address to exactly `host`.
bool IsHostsEntryPresent(const std::string& host, const BrowserContext& context);

// Appends "address<TAB>host" unless the entry is there; true when it is
// there afterwards.
bool AddHostsEntry(const std::string& address, const std::string& host,
                   const BrowserContext& context);

// Read-only, hidden, system and archive when protected, else the same
// without read-only.
void SetHostsFileAttributes(const std::string& path, bool protect);

// Copies the hosts file to "mHosts" in the installation folder.
bool BackupHostsFile(const BrowserContext& context);

// Banner blocking on or off; the proxy entry is there afterwards.
bool ApplyBannerHostsFile(bool on, const BrowserContext& context);

enum class HostsRestore { kRestored, kNoHostsFile, kFailed };

// Removal: takes Hushwall's lines out of the hosts file (`path`, as
// GetHostsFilePath found it; a sample file's result goes to the hosts file
// beside it) and writes the rest back in one step. Only when Hushwall's
// lines cannot be told apart is the first-run backup put back instead (when
// it can be read). The backup is deleted once the hosts file is written;
// on a failure nothing is lost.
HostsRestore RestoreHostsFile(const std::string& path, const BrowserContext& context);

}  // namespace hush::browsers
