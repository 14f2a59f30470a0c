// Reading and replacing browser settings files as whole byte strings. A
// file is never rewritten in place: the new bytes go to a temporary file
// beside it, which then takes the original's place in one step and keeps
// its attributes, so a failed write leaves the original as it was.
#pragma once

#include <string>
#include <string_view>

#include "common/user_data_folder.h"

namespace hush::browsers {

enum class FileResult {
  kDone,
  kMissing,     // the file (or its folder) does not exist
  kUnreadable,  // it exists but cannot be opened or read
  kTooLarge,    // larger than any settings file this program edits
  kUnwritable,  // the new bytes could not be written or put in place
  kDenied,      // the system refused to let this user change the file
  // Left as it was: what the edit would replace could not be remembered,
  // so it could never be put back.
  kNotRemembered,
};

// What each result means, for traces and test failures.
const char* Describe(FileResult result);

// The largest file read whole.
inline constexpr std::size_t kFileSizeLimit = 64u << 20;

FileResult ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file's bytes (creates it when missing). A read-only file is
// left alone and reported unwritable.
FileResult ReplaceWholeFile(const std::string& path, std::string_view bytes);

// What a failed write's system error code means here.
FileResult Refusal(unsigned long error);

// One test for a file, shared with the programs' own folders.
using hush::FileExists;
bool FolderExists(const std::string& path);

}  // namespace hush::browsers
