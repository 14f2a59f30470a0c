// The life of the user's own HTTPS authority: loaded from its sealed key
// file, or made, saved and trusted afresh; taken out of every store and
// profile and deleted again. It holds the one leaf minter of the authority,
// so leaves minted before stay cached across every publication. Shows
// nothing: the caller tells the user about the change.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "proxy/tls.h"

namespace hush {

enum class HttpsProblem {
  kNone,
  kNoDataFolder,    // nowhere to keep the key
  kNotMade,         // the authority could not be made
  kNotSaved,        // its files could not be written
  kTrustRefused,    // the user said no to trusting it
  kNotTrusted,      // the Root store did not take it
  kUntrustRefused,  // the user said no to removing it
  kNotUntrusted,    // the Root store did not let it go
};

struct HttpsChange {
  HttpsProblem problem = HttpsProblem::kNone;
  // Profiles whose "user.js" Hushwall left as it was (see authority_trust.h).
  std::vector<std::string> profilesLeftAlone;
  // Switching off: the key or certificate file could not be deleted.
  bool filesLeft = false;
};

class HttpsAuthority {
 public:
  // Loads the authority kept in `dataFolder`; one that is missing or no
  // longer opens (another user's copy) is replaced by a new one, saved
  // there. Then has it trusted (older Hushwall authorities go).
  HttpsChange Enable(const std::string& dataFolder);
  // Untrusts every Hushwall authority and deletes the files. Once Windows
  // refused the removal nothing else changes.
  HttpsChange Disable(const std::string& dataFolder);

  // The minter of the authority last enabled; null while none is.
  std::shared_ptr<tls::LeafMinter> minter() const { return minter_; }

 private:
  void Adopt(std::shared_ptr<const tls::Authority> authority);

  std::shared_ptr<const tls::Authority> authority_;
  std::shared_ptr<tls::LeafMinter> minter_;
};

// The authority kept in `dataFolder`, unsealed; null when there is none or
// it no longer opens for this user.
std::shared_ptr<const tls::Authority> LoadStoredAuthority(const std::string& dataFolder);

// Seals the authority's key for the current user and writes both files.
bool SaveAuthority(const std::string& dataFolder, const tls::Authority& authority);

}  // namespace hush
