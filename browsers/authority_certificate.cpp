#include "browsers/authority_certificate.h"

#include <string>

#include "browsers/authority_files.h"

namespace hush::browsers {
namespace {

std::string CommonName(PCCERT_CONTEXT certificate, DWORD which) {
  char name[256] = {};
  ::CertGetNameStringA(certificate, CERT_NAME_ATTR_TYPE, which,
                       const_cast<char*>(szOID_COMMON_NAME), name, sizeof name);
  return name;
}

}  // namespace

bool IsHushwallAuthority(PCCERT_CONTEXT certificate) {
  if (certificate == nullptr) return false;
  const CERT_INFO& info = *certificate->pCertInfo;
  return ::CertCompareCertificateName(X509_ASN_ENCODING, const_cast<CERT_NAME_BLOB*>(&info.Subject),
                                      const_cast<CERT_NAME_BLOB*>(&info.Issuer)) &&
         CommonName(certificate, 0) == kAuthorityName;
}

UniqueCertificate ParseCertificate(const std::vector<unsigned char>& der) {
  return UniqueCertificate(::CertCreateCertificateContext(X509_ASN_ENCODING, der.data(),
                                                          static_cast<DWORD>(der.size())));
}

bool IsHushwallAuthorityDer(const std::vector<unsigned char>& der) {
  return IsHushwallAuthority(ParseCertificate(der).get());
}

std::vector<unsigned char> ThumbprintOf(PCCERT_CONTEXT certificate) {
  std::vector<unsigned char> hash(20);
  DWORD size = static_cast<DWORD>(hash.size());
  if (!::CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash.data(), &size))
    return {};
  hash.resize(size);
  return hash;
}

}  // namespace hush::browsers
