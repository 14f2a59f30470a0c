// Files and folders opened without following links, so that what is
// checked is what is deleted: the attributes, the place where the entry
// really lies and the deletion all go through one handle.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace webscrub {

class EntryHandle {
 public:
  EntryHandle() = default;
  explicit EntryHandle(HANDLE handle) : handle_(handle) {}
  ~EntryHandle();
  EntryHandle(EntryHandle&& other) noexcept;
  EntryHandle& operator=(EntryHandle&& other) noexcept;
  EntryHandle(const EntryHandle&) = delete;
  EntryHandle& operator=(const EntryHandle&) = delete;

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// How an entry is opened: to be checked while it must stay where it is
// (nobody may rename, move or delete it meanwhile), or to be deleted.
enum class OpenFor { kHolding, kDeleting };

// The entry itself, never what a link or junction points to.
EntryHandle OpenEntry(const std::string& path, OpenFor purpose);

// A folder that is not a link or junction.
bool IsRealFolder(const EntryHandle& entry);
// A file that is not a link.
bool IsPlainFile(const EntryHandle& entry);

// Where the entry really lies, every link on the way resolved ("C:\..."
// form); nothing when the system cannot tell (Windows before Vista) or the
// path has no ANSI form. `supported` says which.
std::optional<std::string> FinalPathOf(const EntryHandle& entry, bool& supported);

// Deletes the entry opened for deleting (a folder only when empty).
bool DeleteThrough(const EntryHandle& entry);

}  // namespace webscrub
