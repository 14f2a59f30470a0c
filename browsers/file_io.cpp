#include "browsers/file_io.h"

#include <windows.h>

#include <algorithm>

#include "common/unique_handle.h"

namespace hush::browsers {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A new empty file in the same folder, so the final move stays on one volume.
std::string TemporaryFileBeside(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  char name[MAX_PATH] = {};
  if (::GetTempFileNameA(folder.c_str(), "hsh", 0, name) == 0) return {};
  return name;
}

}  // namespace

FileResult Refusal(unsigned long error) {
  return error == ERROR_ACCESS_DENIED ? FileResult::kDenied : FileResult::kUnwritable;
}

const char* Describe(FileResult result) {
  switch (result) {
    case FileResult::kDone:
      return "done";
    case FileResult::kMissing:
      return "the file does not exist";
    case FileResult::kUnreadable:
      return "the file cannot be read";
    case FileResult::kTooLarge:
      return "the file is too large";
    case FileResult::kUnwritable:
      return "the file cannot be written";
    case FileResult::kDenied:
      return "this user may not change the file";
    case FileResult::kNotRemembered:
      return "what the file holds could not be remembered";
  }
  return "?";
}

FileResult ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileResult::kMissing
                                                                          : FileResult::kUnreadable;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) return FileResult::kUnreadable;
  if (static_cast<unsigned long long>(size.QuadPart) > kFileSizeLimit) return FileResult::kTooLarge;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled),
                    &read, nullptr))
      return FileResult::kUnreadable;
    if (read == 0) break;  // the file shrank while we read it
    filled += read;
  }
  bytes.resize(filled);
  return FileResult::kDone;
}

FileResult ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return FileResult::kUnwritable;
  const std::string temporary = TemporaryFileBeside(path);
  if (temporary.empty()) return Refusal(::GetLastError());
  bool written = false;
  {
    UniqueFile file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  }
  // ReplaceFile keeps the original's identity (security, streams); a plain
  // move covers a new file and volumes where ReplaceFile is refused.
  const bool replaced =
      written && (exists ? ::ReplaceFileA(path.c_str(), temporary.c_str(), nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                               ::MoveFileExA(temporary.c_str(), path.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                         : ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH));
  if (!replaced) {
    const DWORD error = ::GetLastError();
    ::DeleteFileA(temporary.c_str());
    return Refusal(error);
  }
  if (exists) ::SetFileAttributesA(path.c_str(), attributes);
  return FileResult::kDone;
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace hush::browsers
