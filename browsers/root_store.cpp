#include "browsers/root_store.h"

#include <windows.h>

#include <wincrypt.h>

#include <memory>

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

struct FreeCertificate {
  void operator()(PCCERT_CONTEXT certificate) const { ::CertFreeCertificateContext(certificate); }
};
using Certificate = std::unique_ptr<const CERT_CONTEXT, FreeCertificate>;

Certificate Parsed(const std::vector<unsigned char>& der) {
  return Certificate(::CertCreateCertificateContext(X509_ASN_ENCODING, der.data(),
                                                    static_cast<DWORD>(der.size())));
}

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
  const Certificate certificate = Parsed(certificateDer);
  if (!store || !certificate) return RootStoreChange::kFailed;
  // Adding one already there would ask the user again for nothing (every
  // start with filtering on comes here).
  if (PCCERT_CONTEXT there = ::CertFindCertificateInStore(
          store.get(), X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, certificate.get(), nullptr)) {
    ::CertFreeCertificateContext(there);
    return RootStoreChange::kDone;
  }
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
  // Found first, deleted after: deleting while enumerating may start the
  // enumeration over.
  std::vector<PCCERT_CONTEXT> ours;
  PCCERT_CONTEXT certificate = nullptr;
  while ((certificate = ::CertEnumCertificatesInStore(store.get(), certificate)) != nullptr)
    if (IsHushwallAuthority(certificate) && (keep.empty() || ThumbprintOf(certificate) != keep))
      ours.push_back(::CertDuplicateCertificateContext(certificate));
  RootStoreChange result = RootStoreChange::kDone;
  bool removedAny = false;
  for (PCCERT_CONTEXT found : ours) {
    // Deleting frees the context, whether it succeeds or not.
    if (::CertDeleteCertificateFromStore(found))
      removedAny = true;
    else if (result == RootStoreChange::kDone)
      result = FailureOf(::GetLastError());
  }
  if (removedAny && !::CertControlStore(store.get(), 0, CERT_STORE_CTRL_COMMIT, nullptr))
    return RootStoreChange::kFailed;
  return result;
}

}  // namespace hush::browsers
