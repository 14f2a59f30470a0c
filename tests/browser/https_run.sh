#!/usr/bin/env bash
# Runs the browser tests over HTTPS (https.test.mjs) against PopHush.exe
# installed under Wine with HTTPS filtering on: the origins' test authority
# trusted in the prefix as the user's own root, their ports listed for
# interception; then once more with "localhost" excluded.
# Usage: https_run.sh BUILD-DIR PREFIX
. "$(dirname "$0")/../blackbox/lib.sh"
here=$HUSH_ROOT/tests/browser
build=$(cd "$build" && pwd)
hush_require_packages libnss3-tools
[ -d "$here/node_modules/puppeteer-core" ] || (cd "$here" && npm install --no-audit --no-fund --silent)
hush_wine_prefix_create "$prefix" null
end_earlier_program

bash "$here/make_certificates.sh" "$work/tls" >"$work/certificates.log" 2>&1 ||
  fail "making the certificates failed: $(cat "$work/certificates.log")"
node "$here/tls_site.mjs" "$work/tls" >"$work/site.log" 2>&1 &
pids+=($!)
until_true 60 test -f "$work/tls/origins.json" || fail "the HTTPS origins did not start: $(cat "$work/site.log")"

port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
ini=$(hush_settings_file "$prefix")
wine_quiet "$(winepath_of "$build/tests/trust_root.exe")" "$(winepath_of "$work/tls/root.der")" ||
  fail "the test authority could not be trusted"

# Sets KEY=VALUE in the settings file (CRLF lines, one section).
set_setting() {  # KEY VALUE
  sed -i "/^$1=/d" "$ini"
  printf '%s=%s\r\n' "$1" "$2" >>"$ini"
}
set_setting HttpsFiltering 1
set_setting HttpsPorts "$(node -e "console.log(Object.values(JSON.parse(require('fs')
  .readFileSync('$work/tls/origins.json')).ports).join(','))")"

authority=$(hush_user_data_dir "$prefix")/HushCA.cer
run_pophush() {
  start_program
  hush_wait_for_port "$port" 30 || fail "PopHush did not listen on $port"
  until_true 30 test -s "$authority" || fail "PopHush made no authority ($authority)"
}
quit_pophush() {
  robot post www.hushwall.example 32790 || true
  robot gone www.hushwall.example 20 || fail "PopHush did not end"
  ended_within "$program" 20 || fail "PopHush's process did not end"
}

# PopHush outlives the Wine process that started it: end it however the run ends.
undo+=("robot post www.hushwall.example 32790 >/dev/null; robot gone www.hushwall.example 20")

export PROXY_PORT=$port HUSH_TLS_DIR=$work/tls HUSH_AUTHORITY=$authority
run_pophush
node --test --test-concurrency=1 "$here/https.test.mjs" || fail "the browser tests over HTTPS failed"

quit_pophush
# A later start shows the tray notice, which would wait for an answer.
wine_quiet reg add 'HKCU\Software\Hushwall' /v ShowAtStart /t REG_DWORD /d 0 /f >/dev/null
set_setting HttpsExclusions localhost
run_pophush
HUSH_EXCLUDED=localhost node --test --test-concurrency=1 "$here/https.test.mjs" ||
  fail "the browser tests with localhost excluded failed"
