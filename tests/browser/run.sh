#!/usr/bin/env bash
# Runs the real-browser tests against PopHush.exe installed and started
# under Wine.  Usage: run.sh BUILD-DIR PREFIX [control]
# With "control", pop-up checking is switched off in the settings file and
# the run passes only if the blocking tests fail: proof that they can.
. "$(dirname "$0")/../../scripts/lib/common.sh"
. "$HUSH_ROOT/scripts/lib/wine.sh"
. "$HUSH_ROOT/scripts/lib/install.sh"
build=$1 prefix=$2 mode=${3:-normal}
here=$HUSH_ROOT/tests/browser
program_pid=""
log=$(mktemp)
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  wait 2>/dev/null
  rm -f "$log"
}
trap cleanup EXIT

[ -d "$here/node_modules/puppeteer-core" ] || (cd "$here" && npm install --no-audit --no-fund --silent)
hush_wine_prefix_create "$prefix" null
port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
ini=$(hush_settings_file "$prefix")
if [ "$mode" = control ]; then
  sed -i 's/^PopupCheckDisabled=0/PopupCheckDisabled=1/' "$ini"
fi
WINEPREFIX=$prefix TMPDIR=$prefix/tmp "$HUSH_WINE" "$HUSH_INSTALL_WINDOWS_DIR\\PopHush.exe" \
  </dev/null >/dev/null 2>&1 9>&- &
program_pid=$!
hush_wait_for_port "$port" 30 || { echo "PopHush did not listen on $port" >&2; exit 1; }

export PROXY_PORT=$port
tests=("$here/popups.test.mjs" "$here/loopholes.test.mjs")
if [ "$mode" != control ]; then
  node --test --test-concurrency=1 "${tests[@]}"
  exit $?
fi
set +e
node --test --test-concurrency=1 --test-reporter=tap "${tests[@]}" >"$log" 2>&1
status=$?
set -e
failed=$(grep -cE '^\s*not ok [0-9]+ - .*(stopped|marker)' "$log" || true)
grep -E '^\s*(not )?ok [0-9]+ - ' "$log" | sed 's/^ */  /'
echo "control run without pop-up checking: exit $status, $failed blocking tests failed"
[ "$status" -ne 0 ] && [ "$failed" -ge 25 ]
