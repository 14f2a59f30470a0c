#!/usr/bin/env bash
# A settings file with HTTPS filtering on and no authority yet (a preset):
# PopHush makes the authority at start-up, keeps only its sealed key and
# its certificate in the user's data folder, has the current user's Root
# store trust it, and keeps the same authority at the next start.
# Usage: pophush_https_authority.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
hush_wine_prefix_create "$prefix" null
port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
site=www.hushwall.example
data=$(hush_user_data_dir "$prefix")
printf 'HttpsFiltering=1\r\n' >>"$(hush_settings_file "$prefix")"
rm -f "$data/HushCA.key" "$data/HushCA.cer"
roots='HKCU\Software\Microsoft\SystemCertificates\Root\Certificates'
trusted() {  # THUMBPRINT: the Root store's registry keeps each by its SHA-1
  wine_quiet reg query "$roots\\$1" >/dev/null
}
thumbprint() { sha1sum "$data/HushCA.cer" | awk '{print toupper($1)}'; }
run_until_up() {
  end_earlier_program
  # Its window goes before its process does: a start meanwhile would meet
  # the single-instance lock and end at once.
  [ -z "${program:-}" ] || ended_within "$program" 20 || fail "the earlier PopHush does not end"
  start_program
  # Short rounds: one robot start that fails at once (a busy wine server)
  # does not end the wait.
  until_true 60 robot wait "$site" 2 || fail "no presence window"
  hush_wait_for_port "$port" 30 || fail "the proxy does not listen on $port"
}

run_until_up
[ -s "$data/HushCA.cer" ] && [ -s "$data/HushCA.key" ] || fail "no authority files at start-up"
openssl x509 -inform DER -in "$data/HushCA.cer" -noout -subject | grep -q "Hushwall Local Authority" ||
  fail "HushCA.cer is not the authority's certificate"
! openssl pkey -inform DER -in "$data/HushCA.key" -noout 2>/dev/null || fail "HushCA.key is a key in the clear"
first=$(thumbprint)
trusted "$first" || fail "the Root store does not hold the authority $first"
ok "start-up made the authority, sealed its key and had it trusted"

# No tray notice in the way of the second start.
wine_quiet reg add 'HKCU\Software\Hushwall' /v ShowAtStart /t REG_DWORD /d 0 /f >/dev/null
run_until_up
[ "$(thumbprint)" = "$first" ] || fail "the next start made another authority"
trusted "$first" || fail "the authority is no longer trusted"
ok "the next start keeps the same authority"

robot post "$site" 32790 || true
robot gone "$site" 20 || fail "PopHush does not end"
