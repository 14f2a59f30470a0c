#include "browsers/authority_trust.h"

#include <windows.h>

#include <functional>

#include "browsers/authority_certificate.h"
#include "browsers/enterprise_roots_pref.h"
#include "browsers/file_io.h"
#include "browsers/mozilla_profiles.h"

namespace hush::browsers {
namespace {

using UserJsEdit = std::function<std::string(std::string_view)>;

// The thumbprint of a certificate given as DER; empty when it does not parse.
std::vector<unsigned char> ThumbprintOfDer(const std::vector<unsigned char>& der) {
  const UniqueCertificate certificate = ParseCertificate(der);
  return certificate ? ThumbprintOf(certificate.get()) : std::vector<unsigned char>();
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Applies `edit` to one profile's "user.js"; false when the profile's file
// could not be read or written. A profile without a folder has nothing to
// change.
bool EditUserJs(const std::string& userJsPath, const UserJsEdit& edit) {
  if (userJsPath.empty() || !FolderExists(FolderOf(userJsPath))) return true;
  std::string before;
  const FileResult read = ReadWholeFile(userJsPath, before);
  if (read != FileResult::kDone && read != FileResult::kMissing) return false;
  const std::string after = edit(before);
  return after == before || ReplaceWholeFile(userJsPath, after) == FileResult::kDone;
}

// Every profile the proxy settings know of, each folder once.
void ForEachProfile(
    const std::function<void(const std::string& name, const std::string& userJsPath)>& visit) {
  ProfileSet profiles;
  EnumerateProfiles(profiles, WizardMode::kSet);
  for (const ProfileRecord& record : profiles.records) {
    GetProfileFiles(profiles, record);
    visit(record.name, profiles.userJsPath);
  }
}

}  // namespace

std::string JoinedNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

AuthorityTrustOutcome TrustAuthority(const std::vector<unsigned char>& certificateDer) {
  AuthorityTrustOutcome outcome;
  const std::vector<unsigned char> thumbprint = ThumbprintOfDer(certificateDer);
  if (thumbprint.empty()) {
    outcome.rootStore = RootStoreChange::kFailed;
    return outcome;
  }
  // Older authorities (from a key that no longer opens) must not stay trusted.
  RemoveAuthoritiesFromUserRootStore(thumbprint);
  outcome.rootStore = AddToUserRootStore(certificateDer);
  if (outcome.rootStore != RootStoreChange::kDone) return outcome;
  ForEachProfile([&outcome](const std::string& name, const std::string& userJsPath) {
    std::string userJs;
    ReadWholeFile(userJsPath, userJs);
    if (!EditUserJs(userJsPath, WithEnterpriseRoots) ||
        EnterpriseRootsOf(userJs) == EnterpriseRoots::kUsersOff)
      outcome.profilesLeftAlone.push_back(name);
  });
  return outcome;
}

AuthorityTrustOutcome UntrustAuthorities() {
  AuthorityTrustOutcome outcome;
  outcome.rootStore = RemoveAuthoritiesFromUserRootStore();
  ForEachProfile([&outcome](const std::string& name, const std::string& userJsPath) {
    if (!EditUserJs(userJsPath, WithoutOurEnterpriseRoots))
      outcome.profilesLeftAlone.push_back(name);
  });
  return outcome;
}

}  // namespace hush::browsers
