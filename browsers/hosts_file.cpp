#include "browsers/hosts_file.h"

#include <windows.h>

#include <optional>

#include "browsers/file_io.h"
#include "browsers/hosts_text.h"
#include "browsers/profile_paths.h"
#include "browsers/text_lines.h"
#include "common/diagnostic.h"
#include "common/text_ids.h"
#include "common/unique_handle.h"

namespace hush::browsers {
namespace {

constexpr char kCreatedHeader[] = "// Created By Hushwall.\r\n";
constexpr DWORD kGuardAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Lifts read-only for one edit and puts the attributes found back after it,
// so an edit leaves the file as protected (or not) as its owner made it.
class ReadOnlyLifted {
 public:
  explicit ReadOnlyLifted(std::string path)
      : path_(std::move(path)), found_(::GetFileAttributesA(path_.c_str())) {
    if (found_ != INVALID_FILE_ATTRIBUTES && (found_ & FILE_ATTRIBUTE_READONLY) &&
        !::SetFileAttributesA(path_.c_str(), found_ & ~FILE_ATTRIBUTE_READONLY))
      refusal_ = Refusal(::GetLastError());
  }
  ~ReadOnlyLifted() {
    if (found_ != INVALID_FILE_ATTRIBUTES) ::SetFileAttributesA(path_.c_str(), found_);
  }
  ReadOnlyLifted(const ReadOnlyLifted&) = delete;
  ReadOnlyLifted& operator=(const ReadOnlyLifted&) = delete;

  // Why read-only could not be lifted; kDone when it was not set or lifted.
  FileResult refusal() const { return refusal_; }

 private:
  std::string path_;
  DWORD found_;
  FileResult refusal_ = FileResult::kDone;
};

HostsEdit EditOutcome(FileResult result) {
  switch (result) {
    case FileResult::kDone:
      return HostsEdit::kDone;
    case FileResult::kDenied:
      return HostsEdit::kDenied;
    default:
      return HostsEdit::kFailed;
  }
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
FileResult AppendBytes(const std::string& path, const std::string& bytes) {
  UniqueFile file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Refusal(::GetLastError());
  DWORD written = 0;
  if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    return Refusal(::GetLastError());
  return written == bytes.size() ? FileResult::kDone : FileResult::kUnwritable;
}

// The hosts file's text when it may be edited.
HostsEdit ReadEditable(const std::string& path, std::string& text) {
  const FileResult read = ReadWholeFile(path, text);
  if (read != FileResult::kDone && read != FileResult::kMissing) return HostsEdit::kFailed;
  if (HostsTextEncoding(text) == HostsEncoding::kUtf16) {
    ReportDiagnostic(path + ": UTF-16, left as it is");
    return HostsEdit::kUnsafeEncoding;
  }
  return HostsEdit::kDone;
}

// The read-only, hidden and system attributes of the file the backup was
// copied from (a copy keeps them); none when there is no backup.
std::optional<DWORD> OriginalGuards(const std::string& backup) {
  const DWORD attributes =
      backup.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(backup.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes & kGuardAttributes;
}

void SetGuards(const std::string& path, DWORD guards) {
  const DWORD now = ::GetFileAttributesA(path.c_str());
  if (now == INVALID_FILE_ATTRIBUTES) return;
  const DWORD wanted = (now & ~kGuardAttributes) | guards;
  ::SetFileAttributesA(path.c_str(), wanted == 0 ? FILE_ATTRIBUTE_NORMAL : wanted);
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

HostsEdit AddHostsEntry(const std::string& address, const std::string& host,
                        const BrowserContext& context) {
  if (IsHostsEntryPresent(host, context)) return HostsEdit::kDone;
  const std::string path = GetHostsFilePath(context);
  if (path.empty()) return HostsEdit::kFailed;
  std::string text;
  if (const HostsEdit readable = ReadEditable(path, text); readable != HostsEdit::kDone)
    return readable;
  // The new line goes after the file's own last line, in its line ends.
  const std::string edited = WithHostsEntry(text, address, host);
  FileResult written = FileResult::kUnwritable;
  {
    ReadOnlyLifted lifted(path);
    written = lifted.refusal() != FileResult::kDone ? lifted.refusal()
                                                    : AppendBytes(path, edited.substr(text.size()));
  }
  if (written != FileResult::kDone) return EditOutcome(written);
  return IsHostsEntryPresent(host, context) ? HostsEdit::kDone : HostsEdit::kFailed;
}

bool BackupHostsFile(const BrowserContext& context) {
  const std::string path = GetHostsFilePath(context);
  const std::string backup = context.InstalledFile(kHostsBackupFile);
  if (path.empty() || backup.empty()) return false;
  return ::CopyFileA(path.c_str(), backup.c_str(), TRUE) != FALSE || Exists(backup);
}

HostsEdit ApplyBannerHostsFile(bool on, const BrowserContext& context) {
  const std::string path = GetHostsFilePath(context);
  if (path.empty()) return HostsEdit::kNoHostsFile;
  std::string text, blocking, defaults;
  if (const HostsEdit readable = ReadEditable(path, text); readable != HostsEdit::kDone)
    return readable;
  ReadWholeFile(context.InstalledFile(kBannerOnFile), blocking);
  ReadWholeFile(context.InstalledFile(kBannerOffFile), defaults);
  const std::string edited = WithBannerBlocking(text, blocking, defaults, on);
  FileResult result = FileResult::kDone;
  if (edited != text) {
    ReadOnlyLifted lifted(path);
    result =
        lifted.refusal() != FileResult::kDone ? lifted.refusal() : ReplaceWholeFile(path, edited);
  }
  if (result != FileResult::kDone) {
    ReportDiagnostic(path + ": " + Describe(result));
    return EditOutcome(result);
  }
  return AddHostsEntry(kProxyAddress, kProxyHost, context);
}

bool IsBannerBlockingOn(const BrowserContext& context) {
  std::string text, blocking, defaults;
  if (ReadWholeFile(GetHostsFilePath(context), text) != FileResult::kDone) return false;
  ReadWholeFile(context.InstalledFile(kBannerOnFile), blocking);
  ReadWholeFile(context.InstalledFile(kBannerOffFile), defaults);
  return BannerBlockingIsOn(text, blocking, defaults);
}

HostsRestore RestoreHostsFile(const std::string& path, const BrowserContext& context) {
  if (path.empty()) return HostsRestore::kNoHostsFile;
  const std::string backup = context.InstalledFile(kHostsBackupFile);
  std::string text;
  if (ReadWholeFile(path, text) != FileResult::kDone) return HostsRestore::kFailed;
  if (HostsTextEncoding(text) == HostsEncoding::kUtf16) return HostsRestore::kUnsafeEncoding;
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
  FileResult written = FileResult::kUnwritable;
  {
    ReadOnlyLifted lifted(target);
    written = lifted.refusal() != FileResult::kDone ? lifted.refusal()
                                                    : ReplaceWholeFile(target, *restored);
  }
  if (written != FileResult::kDone) return HostsRestore::kFailed;
  if (const std::optional<DWORD> guards = OriginalGuards(backup)) SetGuards(target, *guards);
  if (!backup.empty()) {
    ::SetFileAttributesA(backup.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(backup.c_str());
  }
  return HostsRestore::kRestored;
}

}  // namespace hush::browsers
