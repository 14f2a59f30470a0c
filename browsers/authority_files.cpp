#include "browsers/authority_files.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string_view>

#include "browsers/authority_certificate.h"
#include "common/unique_handle.h"

namespace hush::browsers {
namespace {

using Bytes = std::vector<unsigned char>;

// Neither file is ever near this size.
constexpr DWORD kLargestAuthorityFile = 64 * 1024;

// A sealed blob starts with its format version (1) and carries the
// description it was sealed with, our purpose, in UTF-16 and in the clear.
bool LooksSealed(const Bytes& bytes) {
  Bytes description;
  for (const char c : std::string_view(kAuthorityKeyPurpose)) {
    description.push_back(static_cast<unsigned char>(c));
    description.push_back(0);
  }
  constexpr unsigned char kVersion[] = {0x01, 0x00, 0x00, 0x00};
  return bytes.size() > sizeof kVersion &&
         std::equal(std::begin(kVersion), std::end(kVersion), bytes.begin()) &&
         std::search(bytes.begin(), bytes.end(), description.begin(), description.end()) !=
             bytes.end();
}

std::string_view AsText(const Bytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool ReadBytes(const std::string& path, Bytes& bytes) {
  std::string text;
  if (ReadWholeFile(path, text) != FileResult::kDone) return false;
  bytes.assign(text.begin(), text.end());
  return true;
}

// The by-handle deletion of Vista and later, looked up at run time as the
// program still starts on older systems.
bool DeleteThroughHandle(HANDLE file) {
  using SetInformation = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
  constexpr int kDispositionInfo = 4;
  static const auto setInformation = reinterpret_cast<SetInformation>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetFileInformationByHandle")));
  BOOLEAN deleteIt = TRUE;
  return setInformation != nullptr &&
         setInformation(file, kDispositionInfo, &deleteIt, sizeof deleteIt) != FALSE;
}

// Reads the file through `file` (whole, bounded); false for anything but a
// small plain file.
bool ReadHeldFile(HANDLE file, Bytes& bytes) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(file, &information) ||
      (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
      information.nFileSizeHigh != 0 || information.nFileSizeLow > kLargestAuthorityFile)
    return false;
  bytes.resize(information.nFileSizeLow);
  DWORD read = 0;
  return bytes.empty() ||
         (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
          read == bytes.size());
}

// Deletes `path` when `isOurs` accepts what it holds. The file is held
// without sharing from the check to the deletion, so nothing can be put in
// its place in between. True when the file is gone (or never was).
bool DeleteIfOurs(const std::string& path, const std::function<bool(const Bytes&)>& isOurs) {
  UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  Bytes bytes;
  return ReadHeldFile(file.get(), bytes) && isOurs(bytes) && DeleteThroughHandle(file.get());
}

}  // namespace

std::optional<StoredAuthority> ReadAuthorityFiles(const std::string& folder) {
  if (folder.empty()) return std::nullopt;
  StoredAuthority stored;
  if (!ReadBytes(FileIn(folder, kAuthorityKeyFileName), stored.sealedKey) ||
      !ReadBytes(FileIn(folder, kAuthorityCertificateFileName), stored.certificate))
    return std::nullopt;
  return stored;
}

FileResult WriteAuthorityFiles(const std::string& folder, const StoredAuthority& stored) {
  if (folder.empty()) return FileResult::kMissing;
  const FileResult key =
      ReplaceWholeFile(FileIn(folder, kAuthorityKeyFileName), AsText(stored.sealedKey));
  if (key != FileResult::kDone) return key;
  return ReplaceWholeFile(FileIn(folder, kAuthorityCertificateFileName),
                          AsText(stored.certificate));
}

bool DeleteAuthorityFiles(const std::string& folder) {
  if (folder.empty()) return true;
  const bool key = DeleteIfOurs(FileIn(folder, kAuthorityKeyFileName), LooksSealed);
  const bool certificate =
      DeleteIfOurs(FileIn(folder, kAuthorityCertificateFileName), IsHushwallAuthorityDer);
  return key && certificate;
}

}  // namespace hush::browsers
