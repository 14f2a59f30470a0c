// Secrets kept on disk only in a form the current Windows user alone can
// read back: the system protects them with a key derived from the user's
// logon (DPAPI). Another user's copy, or a copy carried to another machine,
// does not open.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hush {

using ProtectedBytes = std::vector<unsigned char>;

// `secret` sealed for the current user; `purpose` is bound into the seal
// (a blob made for one purpose does not open for another) and names it in
// the blob. None when the system refuses.
std::optional<ProtectedBytes> ProtectForCurrentUser(const std::vector<unsigned char>& secret,
                                                    const std::string& purpose);

// The secret again; none when the blob is not the current user's, was made
// for another purpose, or was altered.
std::optional<std::vector<unsigned char>> UnprotectForCurrentUser(const ProtectedBytes& blob,
                                                                  const std::string& purpose);

}  // namespace hush
