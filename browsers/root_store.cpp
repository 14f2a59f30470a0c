#include "browsers/root_store.h"

#include <windows.h>

#include <wincrypt.h>

#include "browsers/authority_certificate.h"

namespace hush::browsers {
namespace {

class UserRootStore {
 public:
  UserRootStore()
      : store_(::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER,
                               L"Root")) {}
  ~UserRootStore() {
    if (store_ != nullptr) ::CertCloseStore(store_, 0);
  }
  UserRootStore(const UserRootStore&) = delete;
  UserRootStore& operator=(const UserRootStore&) = delete;

  HCERTSTORE get() const { return store_; }
  explicit operator bool() const { return store_ != nullptr; }

 private:
  HCERTSTORE store_;
};

// The user's "no" to the system's confirmation.
bool WasRefused(DWORD error) {
  return error == ERROR_CANCELLED ||
         error == static_cast<DWORD>(HRESULT_FROM_WIN32(ERROR_CANCELLED));
}

RootStoreChange FailureOf(DWORD error) {
  return WasRefused(error) ? RootStoreChange::kRefused : RootStoreChange::kFailed;
}

}  // namespace

RootStoreChange AddToUserRootStore(const std::vector<unsigned char>& certificateDer) {
  UserRootStore store;
  if (!store) return RootStoreChange::kFailed;
  // Adding one already there would ask the user again for nothing.
  if (::CertAddEncodedCertificateToStore(store.get(), X509_ASN_ENCODING, certificateDer.data(),
                                         static_cast<DWORD>(certificateDer.size()),
                                         CERT_STORE_ADD_USE_EXISTING, nullptr))
    return RootStoreChange::kDone;
  return FailureOf(::GetLastError());
}

bool UserRootStoreHolds(const std::vector<unsigned char>& thumbprint) {
  UserRootStore store;
  if (!store || thumbprint.empty()) return false;
  CRYPT_HASH_BLOB hash{static_cast<DWORD>(thumbprint.size()), const_cast<BYTE*>(thumbprint.data())};
  PCCERT_CONTEXT found = ::CertFindCertificateInStore(store.get(), X509_ASN_ENCODING, 0,
                                                      CERT_FIND_SHA1_HASH, &hash, nullptr);
  if (found == nullptr) return false;
  ::CertFreeCertificateContext(found);
  return true;
}

RootStoreChange RemoveAuthoritiesFromUserRootStore(const std::vector<unsigned char>& keep) {
  UserRootStore store;
  if (!store) return RootStoreChange::kFailed;
  RootStoreChange result = RootStoreChange::kDone;
  bool removedAny = false;
  PCCERT_CONTEXT certificate = nullptr;
  while ((certificate = ::CertEnumCertificatesInStore(store.get(), certificate)) != nullptr) {
    if (!IsHushwallAuthority(certificate) || (!keep.empty() && ThumbprintOf(certificate) == keep))
      continue;
    // Deleting frees the context it is given; the enumeration goes on
    // from the original.
    if (::CertDeleteCertificateFromStore(::CertDuplicateCertificateContext(certificate)))
      removedAny = true;
    else if (result == RootStoreChange::kDone)
      result = FailureOf(::GetLastError());
  }
  if (removedAny && !::CertControlStore(store.get(), 0, CERT_STORE_CTRL_COMMIT, nullptr))
    return RootStoreChange::kFailed;
  return result;
}

}  // namespace hush::browsers
