#include "browsers/root_store.h"

#include <windows.h>

#include <wincrypt.h>

#include "common/unique_handle.h"

#include "browsers/authority_certificate.h"

namespace hush::browsers {
namespace {

UniqueCertificateStore OpenUserRootStore() {
  return UniqueCertificateStore(
      ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root"));
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
  const UniqueCertificateStore store = OpenUserRootStore();
  const UniqueCertificate certificate = ParseCertificate(certificateDer);
  if (!store || !certificate) return RootStoreChange::kFailed;
  // Adding one already there would ask the user again for nothing (every
  // start with filtering on comes here).
  if (UniqueCertificate(::CertFindCertificateInStore(
          store.get(), X509_ASN_ENCODING, 0, CERT_FIND_EXISTING, certificate.get(), nullptr)))
    return RootStoreChange::kDone;
  if (::CertAddEncodedCertificateToStore(store.get(), X509_ASN_ENCODING, certificateDer.data(),
                                         static_cast<DWORD>(certificateDer.size()),
                                         CERT_STORE_ADD_USE_EXISTING, nullptr))
    return RootStoreChange::kDone;
  return FailureOf(::GetLastError());
}

bool UserRootStoreHolds(const std::vector<unsigned char>& thumbprint) {
  const UniqueCertificateStore store = OpenUserRootStore();
  if (!store || thumbprint.empty()) return false;
  CRYPT_HASH_BLOB hash{static_cast<DWORD>(thumbprint.size()), const_cast<BYTE*>(thumbprint.data())};
  return static_cast<bool>(UniqueCertificate(::CertFindCertificateInStore(
      store.get(), X509_ASN_ENCODING, 0, CERT_FIND_SHA1_HASH, &hash, nullptr)));
}

RootStoreChange RemoveAuthoritiesFromUserRootStore(const std::vector<unsigned char>& keep) {
  const UniqueCertificateStore store = OpenUserRootStore();
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
