// Writing certificates and making keys, for the authority and the leaves it
// signs.
#include <mbedtls/ecp.h>
#include <mbedtls/oid.h>
#include <mbedtls/platform_util.h>
#include <mbedtls/x509_crt.h>

#include "proxy/tls_internal.h"

namespace hush::tls {
namespace {

constexpr std::size_t kSerialLength = 16;
constexpr std::size_t kLargestCertificate = 4096;

class CertificateWriter {
 public:
  CertificateWriter() { mbedtls_x509write_crt_init(&writer_); }
  ~CertificateWriter() { mbedtls_x509write_crt_free(&writer_); }
  CertificateWriter(const CertificateWriter&) = delete;
  CertificateWriter& operator=(const CertificateWriter&) = delete;
  mbedtls_x509write_cert* get() { return &writer_; }

 private:
  mbedtls_x509write_cert writer_;
};

// Positive and of full length, so that its DER form is the 16 bytes.
int SetRandomSerial(mbedtls_x509write_cert* writer) {
  unsigned char serial[kSerialLength];
  const int rc = DrawRandom(nullptr, serial, sizeof serial);
  if (rc != 0) return rc;
  serial[0] = static_cast<unsigned char>((serial[0] & 0x7f) | 0x40);
  return mbedtls_x509write_crt_set_serial_raw(writer, serial, sizeof serial);
}

int SetServerExtensions(mbedtls_x509write_cert* writer, const std::string& host) {
  mbedtls_x509_san_list name{};
  const auto address = IPv4Literal(host);
  if (address) {
    name.node.type = MBEDTLS_X509_SAN_IP_ADDRESS;
    name.node.san.unstructured_name.p = const_cast<unsigned char*>(address->data());
    name.node.san.unstructured_name.len = address->size();
  } else {
    name.node.type = MBEDTLS_X509_SAN_DNS_NAME;
    name.node.san.unstructured_name.p =
        reinterpret_cast<unsigned char*>(const_cast<char*>(host.data()));
    name.node.san.unstructured_name.len = host.size();
  }
  mbedtls_asn1_sequence usage{};
  usage.buf.tag = MBEDTLS_ASN1_OID;
  usage.buf.p = reinterpret_cast<unsigned char*>(const_cast<char*>(MBEDTLS_OID_SERVER_AUTH));
  usage.buf.len = MBEDTLS_OID_SIZE(MBEDTLS_OID_SERVER_AUTH);
  int rc = mbedtls_x509write_crt_set_subject_alternative_name(writer, &name);
  if (rc == 0) rc = mbedtls_x509write_crt_set_ext_key_usage(writer, &usage);
  if (rc == 0) rc = mbedtls_x509write_crt_set_key_usage(writer, MBEDTLS_X509_KU_DIGITAL_SIGNATURE);
  if (rc == 0) rc = mbedtls_x509write_crt_set_basic_constraints(writer, 0, -1);
  return rc;
}

int SetAuthorityExtensions(mbedtls_x509write_cert* writer, int pathLength) {
  int rc = mbedtls_x509write_crt_set_basic_constraints(writer, 1, pathLength);
  if (rc == 0)
    rc = mbedtls_x509write_crt_set_key_usage(
        writer, MBEDTLS_X509_KU_KEY_CERT_SIGN | MBEDTLS_X509_KU_CRL_SIGN);
  return rc;
}

}  // namespace

std::unique_ptr<KeyPair> KeyPair::GenerateP256() {
  if (!StartCrypto()) return nullptr;
  auto key = std::make_unique<KeyPair>();
  if (mbedtls_pk_setup(key->get(), mbedtls_pk_info_from_type(MBEDTLS_PK_ECKEY)) != 0 ||
      mbedtls_ecp_gen_key(MBEDTLS_ECP_DP_SECP256R1, mbedtls_pk_ec(*key->get()), DrawRandom,
                          nullptr) != 0)
    return nullptr;
  return key;
}

Der WriteCertificate(const CertificateFields& fields) {
  if (!StartCrypto() || fields.subjectKey == nullptr || fields.issuerKey == nullptr) return {};
  CertificateWriter writer;
  mbedtls_x509write_cert* w = writer.get();
  mbedtls_x509write_crt_set_version(w, MBEDTLS_X509_CRT_VERSION_3);
  mbedtls_x509write_crt_set_md_alg(w, MBEDTLS_MD_SHA256);
  mbedtls_x509write_crt_set_subject_key(w, fields.subjectKey);
  mbedtls_x509write_crt_set_issuer_key(w, fields.issuerKey);
  int rc = mbedtls_x509write_crt_set_subject_name(w, fields.subjectName.c_str());
  if (rc == 0) rc = mbedtls_x509write_crt_set_issuer_name(w, fields.issuerName.c_str());
  if (rc == 0) rc = SetRandomSerial(w);
  if (rc == 0)
    rc = mbedtls_x509write_crt_set_validity(w, CertificateTimeText(fields.notBefore).c_str(),
                                            CertificateTimeText(fields.notAfter).c_str());
  if (rc == 0) rc = mbedtls_x509write_crt_set_subject_key_identifier(w);
  if (rc == 0) rc = mbedtls_x509write_crt_set_authority_key_identifier(w);
  if (rc == 0)
    rc = fields.authority ? SetAuthorityExtensions(w, fields.pathLength)
                          : SetServerExtensions(w, fields.host);
  if (rc != 0) return {};
  unsigned char buffer[kLargestCertificate];
  // Written at the end of the buffer; the result is its length.
  const int length = mbedtls_x509write_crt_der(w, buffer, sizeof buffer, DrawRandom, nullptr);
  if (length <= 0) return {};
  return Der(buffer + sizeof buffer - length, buffer + sizeof buffer);
}

}  // namespace hush::tls
