// The user's HTTPS authority as it is kept in the user's data folder: its
// certificate (DER) and its private key, only ever stored sealed for the
// current user (common/protected_data.h). The main program makes and uses
// them; the uninstaller deletes them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "browsers/file_io.h"
#include "common/protected_data.h"

namespace hush::browsers {

inline constexpr char kAuthorityKeyFileName[] = "HushCA.key";
inline constexpr char kAuthorityCertificateFileName[] = "HushCA.cer";
// The common name of every authority Hushwall makes: how its certificates
// are told apart from the user's own in the stores.
inline constexpr char kAuthorityName[] = "Hushwall Local Authority";
// Bound into the key's seal.
inline constexpr char kAuthorityKeyPurpose[] = "Hushwall HTTPS authority key";

struct StoredAuthority {
  ProtectedBytes sealedKey;
  std::vector<unsigned char> certificate;
};

// Both files of `folder`; none when either is missing or unreadable.
std::optional<StoredAuthority> ReadAuthorityFiles(const std::string& folder);

// Writes both files, each replaced in one step (the key first).
FileResult WriteAuthorityFiles(const std::string& folder, const StoredAuthority& stored);

// Deletes the two files, each only when it is still what this program
// writes there (a plain file, a sealed blob or a Hushwall certificate): a
// link or someone else's file put in their place stays. True when neither
// is left.
bool DeleteAuthorityFiles(const std::string& folder);

}  // namespace hush::browsers
