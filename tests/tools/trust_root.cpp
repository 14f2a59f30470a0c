// Puts a test authority into the current user's Root store, as a user who
// trusts it would, so that the platform's chain engine accepts the servers
// it issued.   trust_root FILE   (one DER certificate)
#include <windows.h>

#include <wincrypt.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<unsigned char> ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: trust_root FILE\n");
    return 2;
  }
  const std::vector<unsigned char> der = ReadFile(argv[1]);
  HCERTSTORE store =
      ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  if (store == nullptr || der.empty()) {
    std::fprintf(stderr, "trust_root: no store or no certificate\n");
    return 1;
  }
  const BOOL added = ::CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                                        static_cast<DWORD>(der.size()),
                                                        CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
  ::CertCloseStore(store, 0);
  if (!added) std::fprintf(stderr, "trust_root: error %lu\n", ::GetLastError());
  return added ? 0 : 1;
}
