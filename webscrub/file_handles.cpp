#include "webscrub/file_handles.h"

#include <utility>

namespace webscrub {
namespace {

// The by-handle calls of Vista and later, looked up at run time: the
// library also loads on Windows XP.
using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
using SetInformationFunction = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
// Before Vista the native call does the same deletion.
struct IoStatus {
  union {
    LONG status;
    void* pointer;
  };
  ULONG_PTR information;
};
using NtSetInformationFunction = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);

constexpr int kDispositionInfoClass = 4;            // FileDispositionInfo
constexpr int kNtDispositionInformationClass = 13;  // FileDispositionInformation

template <typename Function>
Function Lookup(const char* module, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA(module), name)));
}

bool AttributesOf(const EntryHandle& entry, DWORD& attributes) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!entry || !::GetFileInformationByHandle(entry.get(), &information)) return false;
  attributes = information.dwFileAttributes;
  return true;
}

std::optional<std::string> Narrow(const std::wstring& wide) {
  BOOL lossy = FALSE;
  const int size = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy) return std::nullopt;
  std::string narrow(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), narrow.data(), size,
                        nullptr, nullptr);
  return narrow;
}

// "\\?\C:\x" becomes "C:\x" and "\\?\UNC\server\share" "\\server\share".
std::wstring WithoutLongPathPrefix(std::wstring path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + path.substr(7);
  if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

}  // namespace

EntryHandle::~EntryHandle() {
  if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
}

EntryHandle::EntryHandle(EntryHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}

EntryHandle& EntryHandle::operator=(EntryHandle&& other) noexcept {
  if (this != &other) {
    if (handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
  }
  return *this;
}

EntryHandle OpenEntry(const std::string& path, OpenFor purpose) {
  // Held entries are opened without sharing deletion: while the handle is
  // open the entry cannot be renamed, moved or replaced by a link.
  const bool deleting = purpose == OpenFor::kDeleting;
  const DWORD access = FILE_READ_ATTRIBUTES | SYNCHRONIZE | (deleting ? DELETE : 0);
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | (deleting ? FILE_SHARE_DELETE : 0);
  return EntryHandle(::CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                   nullptr));
}

bool IsRealFolder(const EntryHandle& entry) {
  DWORD attributes = 0;
  return AttributesOf(entry, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsPlainFile(const EntryHandle& entry) {
  DWORD attributes = 0;
  return AttributesOf(entry, attributes) &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

std::optional<std::string> FinalPathOf(const EntryHandle& entry, bool& supported) {
  static const auto finalPath =
      Lookup<FinalPathFunction>("kernel32.dll", "GetFinalPathNameByHandleW");
  supported = finalPath != nullptr;
  if (!supported || !entry) return std::nullopt;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = finalPath(entry.get(), path.data(), static_cast<DWORD>(path.size()), 0);
    if (length == 0) return std::nullopt;
    if (length < path.size()) {
      path.resize(length);
      return Narrow(WithoutLongPathPrefix(path));
    }
    path.resize(length + 1);
  }
}

bool DeleteThrough(const EntryHandle& entry) {
  static const auto setInformation =
      Lookup<SetInformationFunction>("kernel32.dll", "SetFileInformationByHandle");
  static const auto ntSetInformation =
      Lookup<NtSetInformationFunction>("ntdll.dll", "NtSetInformationFile");
  if (!entry) return false;
  BOOLEAN deleteIt = TRUE;
  if (setInformation != nullptr)
    return setInformation(entry.get(), kDispositionInfoClass, &deleteIt, sizeof deleteIt) != FALSE;
  IoStatus status{};
  return ntSetInformation != nullptr &&
         ntSetInformation(entry.get(), &status, &deleteIt, sizeof deleteIt,
                          kNtDispositionInformationClass) >= 0;
}

}  // namespace webscrub
