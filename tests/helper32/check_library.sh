#!/usr/bin/env bash
# The 32-bit helper library as built, read with objdump (Wine here runs no
# 32-bit code): a 32-bit PE library whose exports keep their plain names
# (regsvr32 and the setup program look them up so), with the registration
# script, a 32-bit type library and the browser count's shared section.
# Usage: check_library.sh LIBRARY TYPE-LIBRARY
set -euo pipefail
library=$1 typelib=$2
objdump=i686-w64-mingw32-objdump
fail() { echo "FAIL: $*" >&2; exit 1; }

$objdump -f "$library" | grep -q 'file format pei-i386' || fail "not a 32-bit PE library"
exports=$($objdump -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
for name in DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer RestoreIE \
  UninstInitialize UninstUnInitialize; do
  grep -Eq "\] $name\$" <<<"$exports" || fail "export $name missing or decorated: $exports"
done
resources=$($objdump -p "$library" | sed -n '/Resource Directory section/,$p')
for type in REGISTRY TYPELIB; do
  grep -q "name: .*: $type," <<<"$resources" || fail "no $type resource"
done
$objdump -h "$library" | grep -A1 ' \.shared ' | grep -q SHARED || fail "no shared section"
# The type library's system kind (low bits of the flags after the header's
# first five words): 1 is 32-bit Windows.
kind=$(od -An -tu4 -j20 -N4 "$typelib" | tr -d ' ')
[ $((kind & 15)) -eq 1 ] || fail "the type library is not a 32-bit one (kind $kind)"
echo "32-bit helper library: exports, resources, shared section and type library in order"
