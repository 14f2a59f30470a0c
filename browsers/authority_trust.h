// Having the user's HTTPS authority trusted where the browsers look, and
// taking every Hushwall authority out again: the current user's Windows
// "Root" store (Internet Explorer, Edge, Chrome and the other Chromium
// browsers) and the user's Mozilla and Firefox profiles, which trust that
// store through a preference in their "user.js". The main program and the
// uninstaller share these; nothing is shown here.
#pragma once

#include <string>
#include <vector>

#include "browsers/root_store.h"

namespace hush::browsers {

struct AuthorityTrustOutcome {
  RootStoreChange rootStore = RootStoreChange::kDone;
  // Profiles (by name) whose "user.js" could not be changed, or, when
  // trusting, whose user switched the preference off with a line of their own.
  std::vector<std::string> profilesLeftAlone;
};

// The profiles' names as a box lists them.
std::string JoinedNames(const std::vector<std::string>& names);

// Puts the certificate in the Root store (other Hushwall authorities go),
// then, once it is there, turns the preference on in every profile that
// does not set it yet.
AuthorityTrustOutcome TrustAuthority(const std::vector<unsigned char>& certificateDer);

// Takes every Hushwall authority out of the Root store and Hushwall's own
// preference lines out of every profile (the user's lines stay).
AuthorityTrustOutcome UntrustAuthorities();

}  // namespace hush::browsers
