// The current user's trusted root certificates ("Root" store): putting
// Hushwall's authority there, finding it, and taking every one of
// Hushwall's authorities out again. Windows asks the user to confirm each
// addition and deletion; a "no" is an answer, not a failure.
#pragma once

#include <vector>

namespace hush::browsers {

enum class RootStoreChange {
  kDone,     // added (or already there) / removed (or never there)
  kRefused,  // the user said no
  kFailed,   // the store could not be opened, or refused the certificate
};

RootStoreChange AddToUserRootStore(const std::vector<unsigned char>& certificateDer);

// Whether the store holds the certificate with this SHA-1 thumbprint.
bool UserRootStoreHolds(const std::vector<unsigned char>& thumbprint);

// Takes every Hushwall authority out (its name, any key), except the one
// with thumbprint `keep` (none when empty), and commits the store so the
// deletion lasts.
RootStoreChange RemoveAuthoritiesFromUserRootStore(const std::vector<unsigned char>& keep = {});

}  // namespace hush::browsers
