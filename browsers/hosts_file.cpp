#include "browsers/hosts_file.h"

#include <windows.h>

#include "app/unique_handle.h"
#include "browsers/file_io.h"
#include "browsers/hosts_text.h"
#include "browsers/profile_paths.h"
#include "browsers/text_lines.h"

namespace hush::browsers {
namespace {

constexpr char kCreatedHeader[] = "// Created By Hushwall.\r\n";
constexpr char kProxyAddress[] = "127.0.0.1";
constexpr char kProxyHost[] = "Hushwall";
constexpr DWORD kWritableAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
constexpr int kHostsNotFoundMessage = 19017;

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A new hosts file: only where none exists, never over one.
void CreateHostsFile(const std::string& path) {
  std::string contents;
  if (ReadWholeFile(path + ".sam", contents) != FileResult::kDone) contents = kCreatedHeader;
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file)
    ::WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                nullptr);
}

// Appends bytes without rewriting anything already in the file.
bool AppendBytes(const std::string& path, const std::string& bytes) {
  UniqueFile file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file &&
         ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
         written == bytes.size();
}

// The program goes on: ending it here would lose what the user has not
// saved yet.
bool ReportNoHostsFile(const BrowserContext& context) {
  context.ShowMessage(kHostsNotFoundMessage, MB_OK);
  return false;
}

}  // namespace

std::string GetHostsFilePath(const BrowserContext& context) {
  const std::string path = HostsFilePath(CurrentSystem());
  if (Exists(path)) return path;
  if (!context.policy.createHostsFile) return Exists(path + ".sam") ? path + ".sam" : std::string();
  CreateHostsFile(path);
  return path;
}

bool IsHostsEntryPresent(const std::string& host, const BrowserContext& context) {
  std::string text;
  return ReadWholeFile(GetHostsFilePath(context), text) == FileResult::kDone &&
         HostsTextHasLoopbackEntry(text, host);
}

bool AddHostsEntry(const std::string& address, const std::string& host,
                   const BrowserContext& context) {
  if (IsHostsEntryPresent(host, context)) return true;
  const std::string path = GetHostsFilePath(context);
  if (path.empty()) return false;
  SetHostsFileAttributes(path, false);
  std::string text;
  const FileResult read = ReadWholeFile(path, text);
  // The new line goes after the file's own last line, in its line ends.
  if (read == FileResult::kDone || read == FileResult::kMissing) {
    AppendBytes(path, WithHostsEntry(text, address, host).substr(text.size()));
  }
  SetHostsFileAttributes(path, true);
  return IsHostsEntryPresent(host, context);
}

void SetHostsFileAttributes(const std::string& path, bool protect) {
  ::SetFileAttributesA(
      path.c_str(), protect ? kWritableAttributes | FILE_ATTRIBUTE_READONLY : kWritableAttributes);
}

bool BackupHostsFile(const BrowserContext& context) {
  const std::string path = GetHostsFilePath(context);
  const std::string backup = context.InstalledFile(kHostsBackupFile);
  if (path.empty()) return ReportNoHostsFile(context);
  if (backup.empty()) return false;
  return ::CopyFileA(path.c_str(), backup.c_str(), FALSE) != FALSE;
}

bool ApplyBannerHostsFile(bool on, const BrowserContext& context) {
  const std::string path = GetHostsFilePath(context);
  if (path.empty()) return ReportNoHostsFile(context);
  std::string text, blocking, defaults;
  if (ReadWholeFile(path, text) != FileResult::kDone) return false;
  ReadWholeFile(context.InstalledFile(kBannerOnFile), blocking);
  ReadWholeFile(context.InstalledFile(kBannerOffFile), defaults);
  SetHostsFileAttributes(path, false);
  const std::string edited = WithBannerBlocking(text, blocking, defaults, on);
  const FileResult result = edited == text ? FileResult::kDone : ReplaceWholeFile(path, edited);
  if (result != FileResult::kDone) Trace(path + ": " + Describe(result));
  SetHostsFileAttributes(path, true);
  AddHostsEntry(kProxyAddress, kProxyHost, context);
  return result == FileResult::kDone;
}

HostsRestore RestoreHostsFile(const std::string& path, const BrowserContext& context) {
  if (path.empty()) return HostsRestore::kNoHostsFile;
  const std::string backup = context.InstalledFile(kHostsBackupFile);
  std::string text;
  if (ReadWholeFile(path, text) != FileResult::kDone) return HostsRestore::kFailed;
  std::optional<std::string> restored = WithoutHushwallLines(text, kProxyHost);
  if (!restored) {
    std::string saved;
    if (backup.empty() || ReadWholeFile(backup, saved) != FileResult::kDone)
      return HostsRestore::kFailed;
    restored = std::move(saved);
  }
  const std::string sample = ".sam";
  const bool isSample = path.size() > sample.size() &&
                        path.compare(path.size() - sample.size(), sample.size(), sample) == 0;
  const std::string target = isSample ? path.substr(0, path.size() - sample.size()) : path;
  SetHostsFileAttributes(target, false);
  const FileResult written = ReplaceWholeFile(target, *restored);
  SetHostsFileAttributes(target, true);
  if (written != FileResult::kDone) return HostsRestore::kFailed;
  if (!backup.empty()) {
    ::SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(backup.c_str());
  }
  return HostsRestore::kRestored;
}

}  // namespace hush::browsers
