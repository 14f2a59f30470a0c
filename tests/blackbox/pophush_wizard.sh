#!/usr/bin/env bash
# The set-up wizard of the installed PopHush, driven by the robot from the
# Popups page on a prefix seeded with two dial-up connections (one already
# on the proxy), Opera 6 on the proxy and Opera 7 not, a Mozilla profile and
# a Firefox profile: which choices each page offers, grey entries refused by
# mouse and by space bar, the tick counts behind Next, the page skips, Cancel,
# and Finish with each browser. Then the new user's path to its end: Firefox
# ESR on the profile the wizard set gets a pop-up page through PopHush, the
# pop-up is stopped and counted; Chromium given Internet Explorer's value
# gets the blocker script too; the reset puts the user's files back byte for
# byte and Firefox goes direct again. Last, the start-up warning's wizard
# offers catching.
# Usage: pophush_wizard.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/seed_browsers.sh"
here=$HUSH_ROOT/tests/browser
key='HKCU\Software\Hushwall'
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
wizard=child:12324
NEXT=12324 BACK=12323 FINISH=12325
reg_set() { wine_quiet reg add "$key" /v "$1" /t "${3:-REG_SZ}" /d "$2" /f >/dev/null; }
reg_get() {  # KEY VALUE
  wine_quiet reg query "$1" /v "$2" | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# "checked enabled visible" of a control of the wizard's page in view.
state_is() { [ "$(robot state "$wizard" "$1" | tr -d '\r' | cut -d' ' -f1-3)" = "$2" ]; }
expect() {  # ID "CHECKED ENABLED VISIBLE" WHAT
  until_true 5 state_is "$1" "$2" || fail "$3: control $1 is \"$(robot state "$wizard" "$1" | tr -d '\r')\""
}
enabled() { [ "$(robot state "$wizard" "$1" | tr -d '\r' | cut -d' ' -f2)" = 1 ]; }
press() {  # ID: once it is enabled (the last click may still be on its way)
  until_true 5 enabled "$1" || fail "$1 is disabled"
  robot toggle "$wizard" "$1" || fail "cannot press $1"
}
ticks_are() { [ "$(robot ticks "$wizard" "$1" | tr -d '\r')" = "$2" ]; }
expect_ticks() {  # LIST "TICKS" WHAT
  until_true 5 ticks_are "$1" "$2" || fail "$3: ticks \"$(robot ticks "$wizard" "$1" | tr -d '\r')\""
}
expect_next() {  # 1|0 WHAT
  if [ "$1" = 1 ]; then until_true 5 enabled $NEXT || fail "$2: Next is disabled"
  else until_true 5 eval '! enabled $NEXT' || fail "$2: Next is enabled"; fi
}
open_wizard() {  # BUTTON
  robot click Hushwall "$1" || fail "no $1 button"
  robot wait "$wizard" 20 || fail "$1 opened no wizard"
}
# These runs are about the browsers: Finish leaves HTTPS filtering alone
# (switching it changes the trusted certificates and may ask the user).
finish() {
  if state_is 1070 "1 1 1"; then
    robot toggle "$wizard" 1070 || fail "cannot clear 1070"
    expect 1070 "0 1 1" "HTTPS filtering cleared before Finish"
  fi
  press $FINISH
}
wizard_gone() { robot gone "$wizard" 20 || fail "the wizard stays"; }

end_earlier_program
# The browsers are pointed at Hushwall:8100, so PopHush must have that port.
if (exec 3<>/dev/tcp/127.0.0.1/8100) 2>/dev/null; then fail "port 8100 is in use"; fi
wine_quiet reg delete "$key" /f >/dev/null || true
wine_quiet reg delete "$ie" /v ProxyServer /f >/dev/null || true
wine_quiet reg add "$ie" /v ProxyEnable /t REG_DWORD /d 0 /f >/dev/null
wine_quiet reg delete "$ie\\Connections" /f >/dev/null || true
user=$(id -un)
firefox_root="$prefix/drive_c/users/$user/AppData/Roaming/Mozilla/Firefox"
firefox="$firefox_root/Profiles/t1.default-release"
mozilla_root="$prefix/drive_c/Documents and Settings/$user/Application Data/Mozilla"
rm -rf "$firefox_root" "$mozilla_root"
hush_install_program "$prefix" "$build" 8100
seed_browsers "$prefix"
undo+=("rm -rf '$firefox_root' '$mozilla_root' '$prefix/drive_c/Opera6' '$prefix/drive_c/Opera7'")
undo+=("wine_quiet reg delete 'HKCU\\Software\\Opera Software' /f")
undo+=("wine_quiet reg delete 'HKCU\\Software\\Mozilla' /f")
undo+=("wine_quiet reg delete '$ie\\Connections' /f")
# Today's Firefox profile as a user has it: a proxy of their own in prefs.js
# and lines of their own in user.js (with CR LF), plus the test's lines:
# "Hushwall" resolves to this machine, loopback pages may use a proxy, no
# background traffic.
printf '%s\r\n' 'user_pref("network.dns.localDomains", "Hushwall");' \
  'user_pref("network.proxy.allow_hijacking_localhost", true);' \
  'user_pref("network.captive-portal-service.enabled", false);' \
  'user_pref("network.connectivity-service.enabled", false);' \
  'user_pref("browser.shell.checkDefaultBrowser", false);' \
  'user_pref("browser.startup.homepage", "about:blank");' >"$firefox/user.js"
printf '%s\n' '// Mozilla User Preferences' 'user_pref("network.proxy.http", "corp.invalid");' \
  'user_pref("network.proxy.http_port", 3128);' >"$firefox/prefs.js"
cp "$firefox/user.js" "$work/user.js"
reg_set FirstRun 0 REG_DWORD
reg_set ShowAtStart 0 REG_DWORD
reg_set "Wizard Message" N

start_program
robot wait www.hushwall.example 30 || fail "PopHush did not start"
hush_wait_for_port 8100 30 || fail "PopHush does not listen on 8100"
robot post Hushwall 273 32771  # Show

# Set mode, every page, then Cancel: nothing changes but "Wizard Message".
open_wizard "Set Proxy"
for box in 1064 1065 1066; do expect $box "0 1 1" "page 1 offers every browser"; done
expect 1028 "0 1 0" "page 1 shows its note with nothing disabled"
expect_next 0 "page 1 with nothing chosen"
press 1064
expect_next 1 "page 1 with Internet Explorer chosen"
press 1066
press $NEXT
expect 1121 "0 0 1" "Opera 6, already on the proxy"
expect 1122 "0 1 1" "Opera 7"
expect 1028 "0 1 1" "page 2's note with Opera 6 disabled"
expect 1119 "0 0 1" "the connection list before dial-up is chosen"
expect_next 0 "page 2 with nothing chosen"
press 1120
expect 1119 "0 1 1" "the connection list once dial-up is chosen"
# Office is already on the proxy: grey, by mouse and by space bar alike.
robot tickclick "$wizard" 1119 Office || fail "no tick box for Office"
robot tickkey "$wizard" 1119 Office || fail "no entry Office"
expect_ticks 1119 "Home:0 Office:0 " "a grey connection ticked"
robot tickclick "$wizard" 1119 Home || fail "no tick box for Home"
expect_ticks 1119 "Home:1 Office:0 " "a connection by mouse"
expect_next 0 "Opera chosen without a version"
press 1122
expect_next 1 "a ticked connection and Opera 7"
press 1074  # Check All
expect_ticks 1119 "Home:1 Office:0 " "Check All ticked a grey entry"
press 1075  # Uncheck All
expect_ticks 1119 "Home:0 Office:0 " "Uncheck All"
expect_next 0 "dial-up with no connection ticked"
robot tickkey "$wizard" 1119 Home
expect_next 1 "a connection ticked by space bar"
robot tickclick "$wizard" 1119 Home
expect_next 0 "the tick taken off again"
press 1064  # LAN
expect_next 1 "LAN chosen"
press $NEXT
expect 1009 "0 1 1" "page 4 straight after page 2 without Netscape"
expect 1070 "1 1 1" "setting up, the last page offers HTTPS filtering, ticked"
press $BACK
expect 1120 "1 1 1" "Back from page 4 without Netscape leads to page 2"
press $BACK
press 1064
press 1066
press 1065
press $NEXT
expect 1125 "0 1 1" "Netscape alone goes straight to page 3"
expect_ticks 1125 "default:0 default-release:0 " "page 3's profiles"
expect_next 0 "page 3 with no profile ticked"
press $BACK
expect 1065 "1 1 1" "Back from page 3 with Netscape alone leads to page 1"
press 2  # Cancel
wizard_gone
robot post Hushwall 273 12321  # Apply
[ "$(reg_get "$key" "Wizard Message")" = A ] || fail "Wizard Message after Cancel: $(reg_get "$key" "Wizard Message")"
[ "$(reg_get "$ie" ProxyEnable)" = 0x0 ] || fail "Cancel changed Internet Explorer"
cmp -s "$firefox/user.js" "$work/user.js" || fail "Cancel changed user.js"
ok "set mode: offered and grey choices, counts, skips and Cancel"

# Reset mode: Opera 6 alone. Nothing is configured afterwards, so catching
# goes off with message 2253.
open_wizard "Reset Proxy"
expect 1064 "0 0 1" "reset: Internet Explorer is not on the proxy"
expect 1065 "0 0 1" "reset: no profile is on the proxy"
expect 1028 "0 1 1" "reset: the note on disabled browsers"
press 1066
press $NEXT
expect 1121 "0 1 1" "reset: Opera 6"
expect 1122 "0 0 1" "reset: Opera 7 is not on the proxy"
press 1121
press $NEXT
expect 1070 "1 1 0" "taking browsers off, the last page offers no HTTPS filtering"
finish
wizard_gone
answer Hushwall "Catching Pop-Ups is disabled as there's not any configured browser." OK
grep -q '^Use HTTP=0' "$prefix/drive_c/Opera6/opera6.ini" || fail "Opera 6: $(cat "$prefix/drive_c/Opera6/opera6.ini")"
ok "reset of Opera 6 alone takes it off the proxy and switches catching off (2253)"

# Set mode with no profile at all: page 3 offers Finish alone, and it still
# applies the Internet Explorer choice. Nothing was configured before:
# message 2254 offers to switch catching on.
mv "$firefox_root" "$work/firefox" && mv "$mozilla_root" "$work/mozilla"
open_wizard "Set Proxy"
press 1064
press 1065
press $NEXT
press 1064  # LAN
press $NEXT
expect 1125 "0 1 1" "page 3 with no profile"
finish
wizard_gone
answer Hushwall "Catching Pop-Ups is currently disabled, Do you want to enable it?" Yes
[ "$(reg_get "$ie" ProxyServer)" = "http=Hushwall:8100" ] || fail "Internet Explorer: $(reg_get "$ie" ProxyServer)"
[ "$(reg_get "$ie" ProxyEnable)" = 0x1 ] || fail "Internet Explorer's proxy is not on"
until_true 5 eval '[ "$(robot state Hushwall 1000 | cut -d" " -f1)" = 1 ]' || fail "catching is not on after Yes"
ok "Finish with no profile to choose applies Internet Explorer; 2254 Yes switches catching on"
mv "$work/firefox" "$firefox_root" && mv "$work/mozilla" "$mozilla_root"

# Netscape alone: the Firefox profile by mouse, the Mozilla one by space bar.
open_wizard "Set Proxy"
expect 1064 "0 0 1" "set: Internet Explorer already on the proxy"
press 1065
press $NEXT
robot tickclick "$wizard" 1125 default-release || fail "no tick box for the Firefox profile"
robot tickkey "$wizard" 1125 default || fail "no entry for the Mozilla profile"
expect_ticks 1125 "default:1 default-release:1 " "both profiles"
press $NEXT
finish
answer "Netscape Proxy Setting" "Netscape proxy has been set successfully." OK
wizard_gone
grep -q 'network.proxy.http", "Hushwall"' "$firefox/user.js" || fail "Firefox user.js: $(cat "$firefox/user.js")"
grep -q 'network.proxy.http", "Hushwall"' "$mozilla_root/Profiles/default/k4x2.slt/user.js" ||
  fail "the Mozilla profile was not set"
ok "Netscape alone sets the profiles ticked (2240)"

# The new user's path: a pop-up page in Firefox on that profile.
site_port=$(hush_free_port)
python3 "$here/beacon_site.py" "$site_port" "$work/beacons" &
pids+=($!)
hush_wait_for_port "$site_port" 10 || fail "the page server did not start"
timeout 90 firefox-esr --headless --no-remote -profile "$firefox" --screenshot "$work/popup.png" \
  "http://127.0.0.1:$site_port/popup.html?firefox" >"$work/firefox.log" 2>&1 ||
  fail "Firefox failed: $(tail -3 "$work/firefox.log")"
title=$(sed -n 's/^firefox title=//p' "$work/beacons" | tail -1 |
  python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.stdin.read().strip()))')
[[ "$title" == *"Catch Another PopupOffers" ]] || fail "Firefox's title: \"$title\" ($(cat "$work/beacons"))"
grep -q '^opened ' "$work/beacons" && fail "the pop-up window opened"
# Firefox here runs outside Wine, where the program cannot see its windows:
# a window of the same title stands in for it.
shown=$(robot show "$title" 3 | tr -d '\r')
[ "$shown" = Offers ] || fail "the marked title stays: \"$shown\""
robot post Hushwall 273 32777  # the counter
until_true 5 eval '[ "$(robot state child:1013 1013 | tr -d "\r" | cut -d" " -f4)" = 1 ]' ||
  fail "the counter shows \"$(robot state child:1013 1013 | tr -d '\r')\""
ok "Firefox on the profile the wizard set: the pop-up is stopped and counted (the counter shows 1)"

dom=$(timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
  --disable-component-update --disable-sync --no-first-run --user-data-dir="$work/chromium" \
  --proxy-server="$(reg_get "$ie" ProxyServer)" --host-resolver-rules="MAP Hushwall 127.0.0.1" \
  --proxy-bypass-list="<-loopback>" --dump-dom "http://127.0.0.1:$site_port/page.html?chromium" 2>/dev/null)
[[ "$dom" == *"blocker=1"* ]] || fail "Chromium with Internet Explorer's value: $dom"
ok "Chromium given Internet Explorer's value gets the blocker script"

# Opera 7 alone; Netscape is configured now and not offered again.
open_wizard "Set Proxy"
expect 1065 "0 0 1" "set: Netscape already on the proxy"
press 1066
press $NEXT
expect 1121 "0 1 1" "Opera 6 is offered again"
press 1122
press $NEXT
finish
wizard_gone
grep -q '^HTTP Server=Hushwall:8100' "$prefix/drive_c/Opera7/profile/opera6.ini" ||
  fail "Opera 7: $(cat "$prefix/drive_c/Opera7/profile/opera6.ini")"
ok "Opera 7 alone is set"

# The clean-up run on each switch of catching: every browser is configured
# now, so each one's cache is emptied; cookies, history and other files stay.
url_cache() { wine_quiet "$(winepath_of "$build/tests/url_cache.exe")" "$@" | tr -d '\r'; }
firefox_cache="$prefix/drive_c/users/$user/AppData/Local/Mozilla/Firefox/Profiles/t1.default-release/cache2"
mozilla_cache="$mozilla_root/Profiles/default/k4x2.slt/Cache"
opera_cache="$prefix/drive_c/Opera7/profile/cache4"
cached=("$firefox_cache/entries/0A1B2C" "$mozilla_cache/_CACHE_001_" "$mozilla_cache/D4/5E6F"
  "$opera_cache/opr00001.htm")
kept=("$firefox/cookies.sqlite" "$firefox/places.sqlite" "$mozilla_cache/../cookies.txt"
  "$mozilla_cache/../history.dat" "$prefix/drive_c/Opera7/profile/cookies4.dat")
for file in "${cached[@]}" "${kept[@]}"; do mkdir -p "$(dirname "$file")" && echo data >"$file"; done
url_cache add http://cached.example/page.html Cookie:me@cookie.example/ \
  "Visited: me@http://history.example/" || fail "cannot fill the URL cache"
caches_empty() {
  for file in "${cached[@]}"; do [ ! -e "$file" ] || return 1; done
  ! url_cache list | grep -q '^http://cached.example/'
}
robot toggle Hushwall 1000  # catching off
until_true 20 caches_empty || fail "caches left: $(ls "${cached[@]}" 2>/dev/null) $(url_cache list)"
for file in "${kept[@]}"; do [ -e "$file" ] || fail "the clean-up deleted $file"; done
entries=$(url_cache list)
[[ "$entries" == *"Cookie:me@cookie.example/"* && "$entries" == *"Visited: me@http://history.example/"* ]] ||
  fail "the clean-up took cookies or history: $entries"
robot toggle Hushwall 1000  # catching on again
until_true 5 eval '[ "$(robot state Hushwall 1000 | cut -d" " -f1)" = 1 ]' || fail "catching did not go on again"
ok "switching catching empties the caches only"

# Reset the Firefox profile alone: the Mozilla one stays on, and the message
# is the reset's.
open_wizard "Reset Proxy"
press 1065
press $NEXT
robot tickclick "$wizard" 1125 default-release
press $NEXT
finish
answer "Reset Netscape Proxy Settings" "Netscape settings will take effect from the second launch" OK
wizard_gone
cmp -s "$firefox/user.js" "$work/user.js" || fail "user.js after the reset: $(cat "$firefox/user.js")"
grep -qF 'user_pref("network.proxy.http", "corp.invalid");' "$firefox/prefs.js" ||
  fail "prefs.js lost the user's proxy: $(cat "$firefox/prefs.js")"
timeout 90 firefox-esr --headless --no-remote -profile "$firefox" --screenshot "$work/direct.png" \
  "http://127.0.0.1:$site_port/page.html?direct" >"$work/firefox.log" 2>&1 ||
  fail "Firefox failed after the reset: $(tail -3 "$work/firefox.log")"
grep -q '^direct blocker=0' "$work/beacons" || fail "Firefox after the reset: $(grep '^direct' "$work/beacons")"
ok "reset of one profile of two: user.js and the earlier proxy back, Firefox direct (2257)"

# Reset everything left: Internet Explorer, the Mozilla profile, Opera 7.
open_wizard "Reset Proxy"
press 1064
press 1065
press 1066
press $NEXT
press 1064
press 1122
press $NEXT
robot tickclick "$wizard" 1125 default-release  # grey: reset already
robot tickkey "$wizard" 1125 default-release
expect_ticks 1125 "default:0 default-release:0 " "a grey profile ticked"
press 1074  # Check All
expect_ticks 1125 "default:1 default-release:0 " "Check All in reset mode"
press $NEXT
finish
answer "Reset Netscape Proxy Settings" "Netscape settings will take effect from the second launch" OK
wizard_gone
[ "$(reg_get "$ie" ProxyEnable)" = 0x0 ] || fail "Internet Explorer still on the proxy"
answer Hushwall "Catching Pop-Ups is disabled as there's not any configured browser." OK
grep -q '^Use HTTP=0' "$prefix/drive_c/Opera7/profile/opera6.ini" ||
  fail "Opera 7 after the reset: $(cat "$prefix/drive_c/Opera7/profile/opera6.ini")"
ok "reset of every browser left: Internet Explorer, Mozilla and Opera 7 off, catching off"

# A new user: nothing configured, the start-up warning answered Yes, the
# wizard it opens sets Internet Explorer; catching, off until then, is
# offered (2254).
robot post www.hushwall.example 32790 || true
ended_within "$program" 15 || fail "PopHush did not end"
reg_set "Wizard Message" A
start_program
answer Hushwall "Do you want to configure proxy settings now?" Yes
robot wait "$wizard" 30 || fail "Yes to the start-up warning opened no wizard"
press 1064
press $NEXT
press 1064  # LAN
press $NEXT
finish
wizard_gone
answer Hushwall "Catching Pop-Ups is currently disabled, Do you want to enable it?" Yes
[ "$(reg_get "$ie" ProxyServer)" = "http=Hushwall:8100" ] || fail "Internet Explorer: $(reg_get "$ie" ProxyServer)"
until_true 5 eval '[ "$(robot state Hushwall 1000 | cut -d" " -f1)" = 1 ]' ||
  fail "catching is not on after Yes to the wizard from the start-up warning"
ok "the wizard from the start-up warning offers catching once a browser is set (2254)"

robot post www.hushwall.example 32790 || true
ended_within "$program" 15 || fail "PopHush did not end"
