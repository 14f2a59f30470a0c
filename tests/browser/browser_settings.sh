#!/usr/bin/env bash
# Real browsers obey the settings the Windows code writes. A Mozilla profile
# in the Windows XP layout and a Firefox profile listed in profiles.ini are
# laid out in the prefix with the user's own lines; the library points them
# (and Internet Explorer) at Hushwall:8100; PopHush runs on port 8100.
# Firefox ESR, started on each profile folder, gets the page through PopHush
# with the blocker script in it; Chromium, given Internet Explorer's proxy
# value as written in the registry, does too. After the reset, Firefox goes
# direct and the user's earlier proxy lines are back.
# Usage: browser_settings.sh BUILD-DIR PREFIX
. "$(dirname "$0")/../blackbox/lib.sh"
here=$HUSH_ROOT/tests/browser
configure() { wine_quiet "$(winepath_of "$build/tests/configure_browsers.exe")" "$@" | tr -d '\r'; }

hush_wine_prefix_create "$prefix" null
# The browsers are pointed at Hushwall:8100, so PopHush must have that port.
if (exec 3<>/dev/tcp/127.0.0.1/8100) 2>/dev/null; then fail "port 8100 is in use"; fi
wine_quiet reg delete 'HKCU\Software\Hushwall' /f >/dev/null || true
wine_quiet reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings' \
  /v ProxyServer /f >/dev/null || true
hush_install_program "$prefix" "$build" 8100

user=$(id -un)
mozilla="$prefix/drive_c/Documents and Settings/$user/Application Data/Mozilla/Profiles/default/k4x2.slt"
firefox_root="$prefix/drive_c/users/$user/AppData/Roaming/Mozilla/Firefox"
firefox="$firefox_root/Profiles/t1.default-release"
rm -rf "$prefix/drive_c/Documents and Settings/$user" "$firefox_root"
mkdir -p "$mozilla" "$firefox"
# The test's own preferences: "Hushwall" resolves to this machine, loopback
# pages may use a proxy, and no background traffic.
test_prefs='user_pref("network.dns.localDomains", "Hushwall");
user_pref("network.proxy.allow_hijacking_localhost", true);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
user_pref("browser.shell.checkDefaultBrowser", false);'
earlier='user_pref("network.proxy.http", "corp.invalid");
user_pref("network.proxy.http_port", 3128);
user_pref("network.proxy.type", 0);'
# Old Mozilla: the earlier proxy lines in prefs.js, line feeds only.
printf '%s\n' "// Mozilla User Preferences" "$earlier" >"$mozilla/prefs.js"
printf '%s\n' "$test_prefs" >"$mozilla/user.js"
# Today's Firefox: the earlier lines in user.js, with CR LF.
printf '%s\n' "// Mozilla User Preferences" >"$firefox/prefs.js"
printf '%s\n' "$test_prefs" "$earlier" | sed 's/$/\r/' >"$firefox/user.js"
printf '[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/t1.default-release\n' \
  >"$firefox_root/profiles.ini"
cp "$mozilla/prefs.js" "$work/mozilla-prefs.js"
cp "$firefox/user.js" "$work/firefox-user.js"

out=$(configure ie set) || fail "Internet Explorer set: $out"
out=$(configure profiles set Hushwall 8100) || fail "profiles set: $out"
[[ "$out" == *"set profile default "*"set profile default-release "* ]] || fail "profiles set: $out"
ok "the library set Internet Explorer and both profiles"

start_program
hush_wait_for_port 8100 30 || fail "PopHush does not listen on 8100"

site_port=$(hush_free_port)
python3 "$here/beacon_site.py" "$site_port" "$work/beacons" &
pids+=($!)
hush_wait_for_port "$site_port" 10 || fail "the page server did not start"
url="http://127.0.0.1:$site_port/page.html"

beacon_of() {  # ID: "blocker=1" through PopHush, "blocker=0" direct
  grep "^$1 " "$work/beacons" 2>/dev/null | tail -1 | cut -d' ' -f2
}
firefox_loads() {  # PROFILE-DIR ID
  timeout 90 firefox-esr --headless --no-remote -profile "$1" --screenshot "$work/$2.png" \
    "$url?$2" >"$work/$2.log" 2>&1 || fail "Firefox failed on $2: $(tail -3 "$work/$2.log")"
}

firefox_loads "$mozilla" mozilla-set
[ "$(beacon_of mozilla-set)" = blocker=1 ] || fail "Mozilla profile: $(beacon_of mozilla-set)"
firefox_loads "$firefox" firefox-set
[ "$(beacon_of firefox-set)" = blocker=1 ] || fail "Firefox profile: $(beacon_of firefox-set)"
ok "Firefox on both profiles gets the page through PopHush with the blocker script"

value=$(wine_quiet reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings' \
  /v ProxyServer | tr -d '\r' | awk '$1 == "ProxyServer" {print $3}')
[ "$value" = "http=Hushwall:8100" ] || fail "Internet Explorer's proxy value: $value"
dom=$(timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
  --disable-component-update --disable-sync --no-first-run --user-data-dir="$work/chromium" \
  --proxy-server="$value" --host-resolver-rules="MAP Hushwall 127.0.0.1" \
  --proxy-bypass-list="<-loopback>" --dump-dom "$url?chromium" 2>/dev/null)
[[ "$dom" == *"blocker=1"* ]] || fail "Chromium with $value: $dom"
ok "Chromium with Internet Explorer's value $value gets the page through PopHush"

out=$(configure profiles reset) || fail "profiles reset: $out"
cmp -s "$firefox/user.js" "$work/firefox-user.js" || fail "Firefox user.js after reset: $(cat "$firefox/user.js")"
grep -qF 'user_pref("network.proxy.http", "corp.invalid");' "$mozilla/prefs.js" ||
  fail "Mozilla prefs.js lost the user's proxy line: $(cat "$mozilla/prefs.js")"
ok "the reset puts the user's earlier proxy lines back"
firefox_loads "$mozilla" mozilla-reset
[ "$(beacon_of mozilla-reset)" = blocker=0 ] || fail "Mozilla profile after reset: $(beacon_of mozilla-reset)"
firefox_loads "$firefox" firefox-reset
[ "$(beacon_of firefox-reset)" = blocker=0 ] || fail "Firefox profile after reset: $(beacon_of firefox-reset)"
ok "after the reset Firefox goes direct on both profiles"

robot post www.hushwall.example 32790 || true
