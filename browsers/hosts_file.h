// The Windows hosts file: the line that maps the proxy host name to
// 127.0.0.1, the backup "mHosts", and banner blocking, which adds or removes
// a marked block of ad-server lines taken from the installed "hostse" and
// "hostsd" while every line of the user's stays.
//
// Changing the hosts file needs an administrator on today's Windows: the
// setup program adds the entry and makes the backup, the main program only
// checks, and the caller of a change that is refused may ask for elevation.
// An edit never changes the file's attributes, and a file in UTF-16 is never
// edited (no line of ours may be mixed into its bytes).
#pragma once

#include <string>

#include "browsers/browser_context.h"

namespace hush::browsers {

inline constexpr char kHostsBackupFile[] = "mHosts";
inline constexpr char kBannerOnFile[] = "hostse";
inline constexpr char kBannerOffFile[] = "hostsd";
inline constexpr char kProxyAddress[] = "127.0.0.1";
inline constexpr char kProxyHost[] = "Hushwall";

// The outcome of a change to the hosts file.
enum class HostsEdit {
  kDone,
  kDenied,          // this user may not change the file: an administrator may
  kUnsafeEncoding,  // UTF-16: refused, nothing written
  kFailed,          // unreadable, missing, or the write failed otherwise
  kNoHostsFile,     // there is no hosts file to change (nor one made)
};

// The hosts file's path. Under the main program's policy a hosts file that
// does not exist is created (a copy of "hosts.sam" when there is one); one
// that exists is never touched. Under the uninstaller's policy nothing is
// created and the path is empty when neither file exists.
std::string GetHostsFilePath(const BrowserContext& context);

// Some line maps a loopback address to exactly `host`.
bool IsHostsEntryPresent(const std::string& host, const BrowserContext& context);

// Appends "address<TAB>host" unless the entry is there; kDone when it is
// there afterwards.
HostsEdit AddHostsEntry(const std::string& address, const std::string& host,
                        const BrowserContext& context);

// Copies the hosts file to "mHosts" in the installation folder, unless a
// backup is there already: the first one holds the file as it was before
// Hushwall changed it, and a reinstallation must not replace it. True when
// a backup is there afterwards; false without a hosts file.
bool BackupHostsFile(const BrowserContext& context);

// Banner blocking on or off; the proxy entry is there afterwards.
HostsEdit ApplyBannerHostsFile(bool on, const BrowserContext& context);

// Whether the hosts file blocks the ad servers that banner blocking adds.
bool IsBannerBlockingOn(const BrowserContext& context);

enum class HostsRestore { kRestored, kNoHostsFile, kUnsafeEncoding, kFailed };

// Removal: takes Hushwall's lines out of the hosts file (`path`, as
// GetHostsFilePath found it; a sample file's result goes to the hosts file
// beside it) and writes the rest back in one step. Only when Hushwall's
// lines cannot be told apart is the backup put back instead (when it can be
// read). The file gets back the read-only, hidden and system attributes the
// backup kept from it. The backup is deleted once the hosts file is
// written; on a failure nothing is lost.
HostsRestore RestoreHostsFile(const std::string& path, const BrowserContext& context);

}  // namespace hush::browsers
