/*
 * Hushwall's build of Mbed TLS: the whole feature set, listed here in full
 * (this file replaces the library's default configuration), so that what is
 * compiled in can be read in one place.
 *
 * What it is for: filtering HTTPS, with Hushwall as a TLS server towards the
 * browser (presenting leaf certificates it mints itself) and as a TLS client
 * towards the web site.
 *
 * Protocols: TLS 1.2 and TLS 1.3, client and server. No SSL 3.0, TLS 1.0 or
 *   1.1 (the library has none), no DTLS, no renegotiation, no session
 *   tickets, no early data.
 * Key exchange: ECDHE with ECDSA or RSA certificates (TLS 1.2); ephemeral
 *   (EC)DHE (TLS 1.3). No static RSA or ECDH, no finite-field DHE, no PSK.
 * Ciphers: AES-GCM and ChaCha20-Poly1305 only (AEAD): no CBC, no stream or
 *   null ciphers, so no CBC suite can be negotiated.
 * Hashes: SHA-256 and SHA-384 (SHA-512 is compiled for SHA-384's sake);
 *   SHA-1 only for names: key identifiers in minted certificates and the
 *   thumbprint the Windows stores know a certificate by (the library's
 *   default TLS and X.509 profiles accept no SHA-1 signature).
 * Signatures: ECDSA on P-256 and P-384, RSA PKCS#1 v1.5 and PSS. X25519 is
 *   there too, for key exchange only: it is what browsers and sites offer
 *   first.
 * Certificates: X.509 certificate parsing and writing (no CRL, no CSR),
 *   PK keys parsed and written in DER and PEM, EC key generation.
 * Randomness: CTR-DRBG fed by the platform's entropy source
 *   (BCryptGenRandom on Windows, getrandom on Linux).
 * Threads: the library's mutexes on pthreads (MinGW's winpthreads on
 *   Windows, linked statically with the programs).
 */
#ifndef HUSH_MBEDTLS_CONFIG_H
#define HUSH_MBEDTLS_CONFIG_H

/* The configuration format this file is written for. */
#define MBEDTLS_CONFIG_VERSION 0x03000000

/* ---- System ---- */
#define MBEDTLS_HAVE_ASM
/* Required on Windows (its own snprintf); the same on every platform. */
#define MBEDTLS_PLATFORM_C
#define MBEDTLS_HAVE_TIME
#define MBEDTLS_HAVE_TIME_DATE
#define MBEDTLS_DEPRECATED_REMOVED
#define MBEDTLS_THREADING_C
#define MBEDTLS_THREADING_PTHREAD
#define MBEDTLS_ERROR_C
#define MBEDTLS_VERSION_C

/* ---- Randomness ---- */
#define MBEDTLS_ENTROPY_C
#define MBEDTLS_CTR_DRBG_C

/* ---- Symmetric ciphers (AEAD only) ---- */
#define MBEDTLS_AES_C
#define MBEDTLS_AESNI_C
#define MBEDTLS_GCM_C
#define MBEDTLS_CHACHA20_C
#define MBEDTLS_POLY1305_C
#define MBEDTLS_CHACHAPOLY_C
#define MBEDTLS_CIPHER_C

/* ---- Hashes and key derivation ---- */
#define MBEDTLS_MD_C
#define MBEDTLS_SHA1_C
#define MBEDTLS_SHA256_C
#define MBEDTLS_SHA384_C
#define MBEDTLS_SHA512_C
#define MBEDTLS_HKDF_C

/* ---- Public-key cryptography ---- */
#define MBEDTLS_BIGNUM_C
#define MBEDTLS_ECP_C
#define MBEDTLS_ECP_NIST_OPTIM
#define MBEDTLS_ECP_DP_SECP256R1_ENABLED
#define MBEDTLS_ECP_DP_SECP384R1_ENABLED
#define MBEDTLS_ECP_DP_CURVE25519_ENABLED
#define MBEDTLS_ECDH_C
#define MBEDTLS_ECDSA_C
#define MBEDTLS_RSA_C
#define MBEDTLS_PKCS1_V15
#define MBEDTLS_PKCS1_V21
#define MBEDTLS_PK_C
#define MBEDTLS_PK_PARSE_C
#define MBEDTLS_PK_WRITE_C

/* The key store and algorithms TLS 1.3 works through. */
#define MBEDTLS_PSA_CRYPTO_C
#define MBEDTLS_PSA_KEY_STORE_DYNAMIC

/* ---- Encodings ---- */
#define MBEDTLS_ASN1_PARSE_C
#define MBEDTLS_ASN1_WRITE_C
#define MBEDTLS_OID_C
#define MBEDTLS_BASE64_C
#define MBEDTLS_PEM_PARSE_C
#define MBEDTLS_PEM_WRITE_C

/* ---- X.509 certificates ---- */
#define MBEDTLS_X509_USE_C
#define MBEDTLS_X509_CRT_PARSE_C
#define MBEDTLS_X509_RSASSA_PSS_SUPPORT
#define MBEDTLS_X509_CREATE_C
#define MBEDTLS_X509_CRT_WRITE_C

/* ---- TLS ---- */
#define MBEDTLS_SSL_TLS_C
#define MBEDTLS_SSL_CLI_C
#define MBEDTLS_SSL_SRV_C
#define MBEDTLS_SSL_PROTO_TLS1_2
#define MBEDTLS_SSL_PROTO_TLS1_3
#define MBEDTLS_KEY_EXCHANGE_ECDHE_ECDSA_ENABLED
#define MBEDTLS_KEY_EXCHANGE_ECDHE_RSA_ENABLED
#define MBEDTLS_SSL_TLS1_3_KEY_EXCHANGE_MODE_EPHEMERAL_ENABLED
/* Answers clients that expect a TLS 1.2-looking handshake from middleboxes. */
#define MBEDTLS_SSL_TLS1_3_COMPATIBILITY_MODE
#define MBEDTLS_SSL_EXTENDED_MASTER_SECRET
#define MBEDTLS_SSL_SERVER_NAME_INDICATION
#define MBEDTLS_SSL_ALPN
#define MBEDTLS_SSL_ALL_ALERT_MESSAGES
/* Required for TLS 1.3; also lets the client hand the site's chain on. */
#define MBEDTLS_SSL_KEEP_PEER_CERTIFICATE

/* Records we send carry at most 4 KiB (peers accept any size up to 16 KiB,
 * and our largest handshake message, the certificate chain, is far below
 * it); what we receive stays at the protocol's 16 KiB. This keeps an idle
 * intercepted connection (two sessions) well under 64 KiB. */
#define MBEDTLS_SSL_OUT_CONTENT_LEN 4096

/* The suites offered and accepted, strongest first: all AEAD, all with
 * forward secrecy. */
#define MBEDTLS_SSL_CIPHERSUITES                                              \
    MBEDTLS_TLS1_3_AES_256_GCM_SHA384, MBEDTLS_TLS1_3_AES_128_GCM_SHA256,     \
        MBEDTLS_TLS1_3_CHACHA20_POLY1305_SHA256,                              \
        MBEDTLS_TLS_ECDHE_ECDSA_WITH_AES_256_GCM_SHA384,                      \
        MBEDTLS_TLS_ECDHE_RSA_WITH_AES_256_GCM_SHA384,                        \
        MBEDTLS_TLS_ECDHE_ECDSA_WITH_AES_128_GCM_SHA256,                      \
        MBEDTLS_TLS_ECDHE_RSA_WITH_AES_128_GCM_SHA256,                        \
        MBEDTLS_TLS_ECDHE_ECDSA_WITH_CHACHA20_POLY1305_SHA256,                \
        MBEDTLS_TLS_ECDHE_RSA_WITH_CHACHA20_POLY1305_SHA256

#endif /* HUSH_MBEDTLS_CONFIG_H */
