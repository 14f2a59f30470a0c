// Firefox trusts the certificate authorities of the Windows "Root" store
// only while "security.enterprise_roots.enabled" is on. Hushwall switches it
// on in a profile's "user.js" with a line of its own, marked so that taking
// it out again never takes a line the user wrote.
#pragma once

#include <string>
#include <string_view>

namespace hush::browsers {

inline constexpr char kEnterpriseRootsLine[] =
    "user_pref(\"security.enterprise_roots.enabled\", true); // Hushwall's HTTPS filtering";

enum class EnterpriseRoots {
  kAbsent,    // no line sets it
  kOurs,      // our line sets it
  kUsersOn,   // the user's own line switches it on: left as it is
  kUsersOff,  // the user's own line switches it off: left as it is
};

// What "user.js" already says about the preference (its last line wins).
EnterpriseRoots EnterpriseRootsOf(std::string_view userJs);

// "user.js" with our line appended when no line sets the preference yet;
// otherwise unchanged.
std::string WithEnterpriseRoots(std::string_view userJs);

// "user.js" without our marked lines; every other line stays as it was.
std::string WithoutOurEnterpriseRoots(std::string_view userJs);

}  // namespace hush::browsers
