#!/usr/bin/env bash
# Makes the HTTPS origins' certificates in DIR with openssl: a test root
# (root.pem, root.der: the authority the tests trust), an intermediate, and a
# leaf for "localhost" of each kind the origins need. For origin NAME:
# NAME.key and NAME.chain (the leaf, then what the origin sends with it).
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"

key() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out "$1.key" 2>/dev/null; }
# Extensions of each kind of certificate.
cat >ext.cnf <<'CNF'
[authority]
basicConstraints = critical, CA:true
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
[intermediate]
basicConstraints = critical, CA:true, pathlen:0
keyUsage = critical, keyCertSign, cRLSign
subjectKeyIdentifier = hash
authorityKeyIdentifier = keyid
[leaf]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = serverAuth
subjectAltName = DNS:localhost, IP:127.0.0.1
authorityKeyIdentifier = keyid
[wrong_name]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature
extendedKeyUsage = serverAuth
subjectAltName = DNS:elsewhere.example
[not_ca]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature, keyCertSign
CNF
self_signed() {  # NAME SUBJECT SECTION
  key "$1"
  openssl req -new -x509 -key "$1.key" -subj "/CN=$2" -days 3650 -extensions "$3" \
    -config ext.cnf -out "$1.pem" 2>/dev/null
}
issued() {  # NAME SUBJECT SECTION ISSUER [DAYS]
  key "$1"
  openssl req -new -key "$1.key" -subj "/CN=$2" -out "$1.csr" 2>/dev/null
  openssl x509 -req -in "$1.csr" -CA "$4.pem" -CAkey "$4.key" -CAcreateserial \
    -days "${5:-365}" -extfile ext.cnf -extensions "$3" -out "$1.pem" 2>/dev/null
}
printf '[req]\ndistinguished_name=dn\n[dn]\n' >>ext.cnf

self_signed root 'Hush Test Root' authority
issued intermediate 'Hush Test Intermediate' intermediate root 3650
self_signed stranger 'Unknown Test Root' authority
# Leaves with a past validity need "openssl ca" (x509 -req only counts days
# from now).
expired() {  # NAME ISSUER
  key "$1"
  openssl req -new -key "$1.key" -subj "/CN=localhost" -out "$1.csr" 2>/dev/null
  : >index.txt
  printf '[ca]\ndefault_ca=c\n[c]\ndatabase=index.txt\nnew_certs_dir=.\nserial=ca.srl\n' >ca.cnf
  printf 'default_md=sha256\npolicy=p\n[p]\ncommonName=supplied\n' >>ca.cnf
  echo 1000 >ca.srl
  openssl ca -batch -notext -config ca.cnf -cert "$2.pem" -keyfile "$2.key" -in "$1.csr" \
    -startdate 20200101000000Z -enddate 20210101000000Z -extfile ext.cnf -extensions leaf \
    -out "$1.pem" 2>/dev/null
}

issued good localhost leaf intermediate
expired expired intermediate
# An intermediate no browser meets elsewhere: one the origin leaves out
# must not be found in a cache filled by the other origins.
issued lone-intermediate 'Hush Test Intermediate 2' intermediate root 3650
issued no-intermediate localhost leaf lone-intermediate
issued wrong-name elsewhere.example wrong_name intermediate
issued untrusted localhost leaf stranger
issued not-ca-issuer 'Not An Authority' not_ca intermediate
issued not-ca localhost leaf not-ca-issuer
self_signed self-signed localhost leaf

openssl x509 -in root.pem -outform DER -out root.der
chain() { local name=$1; shift; cat "$@" >"$name.chain"; }
chain good good.pem intermediate.pem
chain expired expired.pem intermediate.pem
chain wrong-name wrong-name.pem intermediate.pem
chain untrusted untrusted.pem stranger.pem
chain no-intermediate no-intermediate.pem
chain not-ca not-ca.pem not-ca-issuer.pem intermediate.pem
chain self-signed self-signed.pem
