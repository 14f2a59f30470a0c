/* Two facts about a running TLS client session that the library keeps to
 * itself: whether the server asked for a client certificate (a TLS 1.2 or
 * 1.3 CertificateRequest), and the parsed server chain it keeps after the
 * handshake. Written in C against the library's own internal header, the
 * one place that knows the handshake's layout. */
/* The library's common.h opens the private fields to this file. */
#include "ssl_misc.h"

#include "mbedtls/platform.h"

int hush_tls_server_asked_for_certificate(const mbedtls_ssl_context* ssl) {
  return ssl->handshake != NULL && ssl->handshake->client_auth != 0;
}

void hush_tls_forget_peer_certificate(mbedtls_ssl_context* ssl) {
  if (ssl->session == NULL || ssl->session->peer_cert == NULL) return;
  mbedtls_x509_crt_free(ssl->session->peer_cert);
  mbedtls_free(ssl->session->peer_cert);
  ssl->session->peer_cert = NULL;
}
