#include "app/https_authority.h"

#include "browsers/authority_files.h"
#include "browsers/authority_trust.h"
#include "common/protected_data.h"

namespace hush {
namespace {

using browsers::RootStoreChange;

// What a Root-store change that did not happen means for the switch.
HttpsProblem ProblemOf(RootStoreChange change, HttpsProblem refused, HttpsProblem failed) {
  switch (change) {
    case RootStoreChange::kDone:
      return HttpsProblem::kNone;
    case RootStoreChange::kRefused:
      return refused;
    case RootStoreChange::kFailed:
      break;
  }
  return failed;
}

}  // namespace

std::shared_ptr<const tls::Authority> LoadStoredAuthority(const std::string& dataFolder) {
  const std::optional<browsers::StoredAuthority> stored = browsers::ReadAuthorityFiles(dataFolder);
  if (!stored) return nullptr;
  std::optional<std::vector<unsigned char>> key =
      UnprotectForCurrentUser(stored->sealedKey, browsers::kAuthorityKeyPurpose);
  if (!key) return nullptr;
  return tls::Authority::Load(tls::SecretBytes(std::move(*key)), stored->certificate);
}

bool SaveAuthority(const std::string& dataFolder, const tls::Authority& authority) {
  const tls::SecretBytes key = authority.PrivateKey();
  std::optional<ProtectedBytes> sealed =
      ProtectForCurrentUser(key.bytes(), browsers::kAuthorityKeyPurpose);
  return sealed &&
         browsers::WriteAuthorityFiles(dataFolder, {std::move(*sealed), authority.Certificate()}) ==
             browsers::FileResult::kDone;
}

HttpsChange HttpsAuthority::Enable(const std::string& dataFolder) {
  HttpsChange change;
  if (dataFolder.empty()) {
    change.problem = HttpsProblem::kNoDataFolder;
    return change;
  }
  std::shared_ptr<const tls::Authority> authority = LoadStoredAuthority(dataFolder);
  if (!authority) {
    authority = tls::Authority::Create(browsers::kAuthorityName);
    if (!authority) {
      change.problem = HttpsProblem::kNotMade;
      return change;
    }
    if (!SaveAuthority(dataFolder, *authority)) {
      change.problem = HttpsProblem::kNotSaved;
      return change;
    }
  }
  const browsers::AuthorityTrustOutcome trust = browsers::TrustAuthority(authority->Certificate());
  change.problem =
      ProblemOf(trust.rootStore, HttpsProblem::kTrustRefused, HttpsProblem::kNotTrusted);
  change.profilesLeftAlone = trust.profilesLeftAlone;
  if (change.problem != HttpsProblem::kNone) return change;
  Adopt(std::move(authority));
  if (!minter_) change.problem = HttpsProblem::kNotMade;
  return change;
}

HttpsChange HttpsAuthority::Disable(const std::string& dataFolder) {
  HttpsChange change;
  const browsers::AuthorityTrustOutcome untrust = browsers::UntrustAuthorities();
  change.problem =
      ProblemOf(untrust.rootStore, HttpsProblem::kUntrustRefused, HttpsProblem::kNotUntrusted);
  change.profilesLeftAlone = untrust.profilesLeftAlone;
  if (change.problem != HttpsProblem::kNone) return change;
  authority_.reset();
  minter_.reset();
  change.filesLeft = !browsers::DeleteAuthorityFiles(dataFolder);
  return change;
}

void HttpsAuthority::Adopt(std::shared_ptr<const tls::Authority> authority) {
  // The same authority again keeps its minter and the leaves it cached.
  if (authority_ && minter_ && authority_->Thumbprint() == authority->Thumbprint()) return;
  minter_ = tls::LeafMinter::Create(authority);
  authority_ = minter_ ? std::move(authority) : nullptr;
}

}  // namespace hush
