#!/usr/bin/env bash
# PopHush.exe, installed as the installer lays it out and started under Wine,
# relays what a local origin serves byte for byte (a text file and a 100 MiB
# binary) and puts the blocker script in front of a page, with a length that
# matches. Usage: pophush_relay.sh BUILD-DIR PREFIX
. "$(dirname "$0")/../../scripts/lib/common.sh"
. "$HUSH_ROOT/scripts/lib/wine.sh"
. "$HUSH_ROOT/scripts/lib/install.sh"
build=$1 prefix=$2
work=$(mktemp -d "$build/blackbox.XXXXXX")
origin_pid="" program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$origin_pid" ] && kill "$origin_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

hush_wine_prefix_create "$prefix" null
proxy_port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$proxy_port"
hush_point_internet_explorer_at_proxy "$prefix"

mkdir -p "$work/site"
printf '<html><body>relayed page</body></html>\n' >"$work/site/page.html"
printf 'plain notes, no markup\n' >"$work/site/notes.txt"
head -c $((100 * 1024 * 1024)) /dev/urandom >"$work/site/big.bin"
origin_port=$(hush_free_port)
(cd "$work/site" && exec python3 -m http.server "$origin_port" --bind 127.0.0.1 \
  >"$work/origin.log" 2>&1) &
origin_pid=$!

# The Wine-side process is this script's child; killing it ends PopHush.
WINEPREFIX=$prefix TMPDIR=$prefix/tmp "$HUSH_WINE" "$HUSH_INSTALL_WINDOWS_DIR\\PopHush.exe" \
  </dev/null >"$work/pophush.log" 2>&1 9>&- &
program_pid=$!

hush_wait_for_port "$origin_port" 20 || fail "origin did not start"
hush_wait_for_port "$proxy_port" 30 || fail "PopHush did not listen on $proxy_port"

for file in notes.txt big.bin; do
  curl -sS --max-time 120 -x "127.0.0.1:$proxy_port" -o "$work/$file" \
    "http://127.0.0.1:$origin_port/$file" || fail "curl through the proxy failed for $file"
  cmp -s "$work/site/$file" "$work/$file" || fail "$file differs after the relay"
  echo "ok: $file ($(stat -c %s "$work/$file") bytes) relayed byte for byte"
done

headers=$work/page.headers
curl -sS --max-time 60 -x "127.0.0.1:$proxy_port" -D "$headers" -o "$work/page.html" \
  "http://127.0.0.1:$origin_port/page.html" || fail "curl through the proxy failed for page.html"
script=$(hush_install_dir "$prefix")/HushBlk.js
head -c 7 "$work/page.html" | grep -q '^<script' || fail "page.html does not start with the script"
cmp -s <(tail -c "$(stat -c %s "$work/site/page.html")" "$work/page.html") "$work/site/page.html" ||
  fail "page.html is not behind the script"
length=$(tr -d '\r' <"$headers" | awk -F': ' 'tolower($1)=="content-length" {print $2}')
[ "$length" = "$(stat -c %s "$work/page.html")" ] || fail "Content-Length $length for a body of $(stat -c %s "$work/page.html")"
[ "$(stat -c %s "$work/page.html")" -gt "$(stat -c %s "$script")" ] || fail "the script is missing from page.html"
echo "ok: page.html arrived with the blocker script in front and a matching length"

kill "$program_pid"
program_pid=""
echo "ok: PopHush relayed while running"
