// Windows' verdict on a server's chain: the chain engine (the user's and
// the machine's roots, distrusted certificates, policies) and the SSL
// policy for the server's name.
#include <windows.h>
// After windows.h, whose types it uses.
#include <wincrypt.h>

#include <algorithm>

#include "common/unique_handle.h"
#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

// SECURITY_FLAG_IGNORE_CERT_CN_INVALID, which only WinINet's header names.
constexpr DWORD kIgnoreNameMismatch = 0x00001000;

// The certificates the server sent, leaf first, in a store of their own;
// the leaf's context. Null when one does not decode.
UniqueCertificate AddChain(HCERTSTORE store, const std::vector<Der>& chain) {
  UniqueCertificate leaf;
  for (const Der& der : chain) {
    PCCERT_CONTEXT added = nullptr;
    if (!CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                          static_cast<DWORD>(der.size()), CERT_STORE_ADD_ALWAYS,
                                          leaf ? nullptr : &added))
      return UniqueCertificate();
    if (!leaf) leaf.reset(added);
  }
  return leaf;
}

UniqueCertificateChain BuildServerChain(PCCERT_CONTEXT leaf, HCERTSTORE extra) {
  static char serverAuth[] = szOID_PKIX_KP_SERVER_AUTH;
  LPSTR usages[] = {serverAuth};
  CERT_CHAIN_PARA parameters{};
  parameters.cbSize = sizeof parameters;
  parameters.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
  parameters.RequestedUsage.Usage.cUsageIdentifier = 1;
  parameters.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
  PCCERT_CHAIN_CONTEXT chain = nullptr;
  if (!CertGetCertificateChain(nullptr, leaf, nullptr, extra, &parameters, 0, nullptr, &chain))
    return UniqueCertificateChain();
  return UniqueCertificateChain(chain);
}

// The SSL policy wants the name as it would compare with the certificate.
// Wine compares an IPv4 literal only with the DNS entries and the common
// name, never with an IP entry, so for an address the name check is done
// here against the leaf's IP entries and the policy is told to skip it.
bool LeafHasAddress(PCCERT_CONTEXT leaf, const std::array<unsigned char, 4>& address) {
  PCERT_EXTENSION extension = CertFindExtension(
      szOID_SUBJECT_ALT_NAME2, leaf->pCertInfo->cExtension, leaf->pCertInfo->rgExtension);
  if (extension == nullptr) return false;
  CERT_ALT_NAME_INFO* names = nullptr;
  DWORD size = 0;
  if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, extension->Value.pbData,
                           extension->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, nullptr, &names,
                           &size))
    return false;
  bool found = false;
  for (DWORD i = 0; i < names->cAltEntry && !found; ++i) {
    const CERT_ALT_NAME_ENTRY& entry = names->rgAltEntry[i];
    found = entry.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS && entry.IPAddress.cbData == 4 &&
            std::equal(address.begin(), address.end(), entry.IPAddress.pbData);
  }
  LocalFree(names);
  return found;
}

bool SslPolicyAccepts(PCCERT_CHAIN_CONTEXT chain, const std::string& serverName, bool checkName) {
  std::wstring name(serverName.begin(), serverName.end());
  SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
  ssl.cbSize = sizeof ssl;
  ssl.dwAuthType = AUTHTYPE_SERVER;
  ssl.fdwChecks = checkName ? 0 : kIgnoreNameMismatch;
  ssl.pwszServerName = name.data();
  CERT_CHAIN_POLICY_PARA policy{};
  policy.cbSize = sizeof policy;
  policy.pvExtraPolicyPara = &ssl;
  CERT_CHAIN_POLICY_STATUS status{};
  status.cbSize = sizeof status;
  return CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &policy, &status) &&
         status.dwError == 0;
}

}  // namespace

bool PlatformTrustsServer(const std::vector<Der>& chain, const std::string& serverName) {
  if (chain.empty() || serverName.empty()) return false;
  const UniqueCertificateStore store(
      CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, CERT_STORE_CREATE_NEW_FLAG, nullptr));
  if (!store) return false;
  const UniqueCertificate leaf = AddChain(store.get(), chain);
  if (!leaf) return false;
  const UniqueCertificateChain built = BuildServerChain(leaf.get(), store.get());
  if (!built) return false;
  // Both verdicts: the policy alone passes, under Wine, a chain whose root
  // is unknown, one that lacks an intermediate and one whose issuer is no
  // CA; the chain's own status catches those.
  if (built.get()->TrustStatus.dwErrorStatus != CERT_TRUST_NO_ERROR) return false;
  const auto address = IPv4Literal(serverName);
  if (address && !LeafHasAddress(leaf.get(), *address)) return false;
  return SslPolicyAccepts(built.get(), serverName, !address);
}

void TrustAlsoForTesting(const std::string&) {}

}  // namespace hush::tls
