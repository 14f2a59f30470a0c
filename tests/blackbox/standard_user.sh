#!/usr/bin/env bash
# A standard user's Hushwall, whole: the setup program (elevated) installs
# into a prefix seeded with the user's own settings: Internet Explorer on the
# company's proxy (a real one, which logs what it relays), a Firefox profile
# whose user.js holds a commented-out proxy line, a hosts file whose last
# line has no line end, and ActiveX zone values. Then the program folder and
# the hosts file are made unwritable, as they are for a user without
# elevation, and the user: starts PopHush (no error box), answers Yes to the
# start-up warning, sets Internet Explorer and Firefox in the wizard (HTTPS
# filtering left ticked: the authority is trusted), switches catching on when
# asked, gets pages through the company's proxy (Hushwall's
# gateway), restarts PopHush (the gateway stays), and resets both browsers
# from the Popups page (the company's proxy is back). The removal (elevated
# again) then leaves every seeded value and file byte for byte as it was, and
# takes the authority out of the Root store with its files.
# Usage: standard_user.sh BUILD-DIR PREFIX (the test makes its own prefix).
. "$(dirname "$0")/lib.sh"
prefix=$build/standard-user-prefix
drive=$prefix/drive_c
program_dir="$drive/Program Files/Hushwall"
hosts=$drive/windows/system32/drivers/etc/hosts
chattr -R -i "$program_dir" "$hosts" 2>/dev/null || true
rm -rf "$prefix"
hush_wine_prefix_create "$prefix" null
undo+=("chattr -R -i '$program_dir' '$hosts' 2>/dev/null; hush_wine_prefix_remove '$prefix'")
user=$(id -un)
key='HKCU\Software\Hushwall'
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
zones="$ie\\Zones"
wizard=child:12324
NEXT=12324 FINISH=12325

reg_set() { wine_quiet reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null; }
reg_value() {  # KEY VALUE: "TYPE DATA", empty when missing
  wine_quiet reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'index($0, "    " name "    ") == 1 { sub("^    " name "    ", ""); sub("    ", " "); print }'
}
enabled() { [ "$(robot state "$wizard" "$1" | tr -d '\r' | cut -d' ' -f2)" = 1 ]; }
press() {
  until_true 5 enabled "$1" || fail "$1 is disabled"
  robot toggle "$wizard" "$1" || fail "cannot press $1"
}
# The open wizard, in either mode, on Internet Explorer's LAN and the
# Firefox profile, to its Finish.
wizard_on_lan_and_profile() {  # WHAT
  press 1064  # Internet Explorer
  press 1065  # Netscape / Firefox
  press $NEXT
  press 1064  # LAN
  press $NEXT
  robot tickclick "$wizard" 1125 default-release || fail "no tick box for the Firefox profile ($1)"
  press $NEXT
  press $FINISH
}
# Start-up's own boxes carry the program's name: none may come.
no_error_box() { ! robot wait PopHush 3 || fail "a box at start-up: $(robot texts PopHush 1 | tr -d '\r')"; }
catching_on() { [ "$(robot state Hushwall 1000 | tr -d '\r' | cut -d' ' -f1)" = 1 ]; }
start_pophush() {
  wine_quiet 'C:\Program Files\Hushwall\PopHush.exe' >/dev/null &
  program=$!
  pids+=("$program")
}
quit_pophush() {
  robot post www.hushwall.example 32790 || fail "cannot ask PopHush to exit"
  ended_within "$program" 20 || fail "PopHush did not exit"
}

# --- the user's own settings ---------------------------------------------------
company_port=$(hush_free_port)
python3 "$(dirname "$0")/company_proxy.py" "$company_port" "$work/company.log" &
pids+=($!)
touch "$work/company.log"
reg_set "$ie" ProxyServer REG_SZ "127.0.0.1:$company_port"
reg_set "$ie" ProxyEnable REG_DWORD 1
reg_set "$ie" ProxyHttp1.1 REG_DWORD 1
reg_set "$zones\\3" 1200 REG_DWORD 65536
reg_set "$zones\\3" 1001 REG_DWORD 0
reg_set "$zones\\2" 1405 REG_DWORD 1
printf '127.0.0.1 localhost\r\n10.0.0.5 nas' >"$hosts"
firefox_root="$drive/users/$user/AppData/Roaming/Mozilla/Firefox"
profile="$firefox_root/Profiles/t1.default-release"
mkdir -p "$profile"
printf '// Mozilla User Preferences\nuser_pref("browser.x", 1);\n' >"$profile/prefs.js"
printf '%s\n' '/* an old proxy, switched off:' 'user_pref("network.proxy.http", "old.invalid");' '*/' \
  'user_pref("my.own.setting", true);' >"$profile/user.js"
printf '[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/t1.default-release\n' \
  >"$firefox_root/profiles.ini"
cp "$hosts" "$work/hosts.before"
cp "$profile/user.js" "$work/user.js.before"
seeded=("$ie|ProxyServer" "$ie|ProxyEnable" "$ie|ProxyHttp1.1" "$zones\\3|1200" "$zones\\3|1001"
  "$zones\\2|1405" "$zones\\4|1001")
seeded_values() { for entry in "${seeded[@]}"; do echo "$entry=$(reg_value "${entry%|*}" "${entry#*|}")"; done; }
seeded_values >"$work/values.before"

# --- installed by an administrator; then the user may change neither -----------
hush_install_with_setup "$prefix" "$build" || fail "the setup program failed"
tr -d '\r' <"$hosts" | grep -q $'^127.0.0.1\tHushwall$' || fail "the setup made no hosts entry"
chattr -R +i "$program_dir" "$hosts" || fail "cannot make the program folder and hosts file unwritable"
ok "installed by the setup program; the program folder and the hosts file are now unwritable"

# --- first start: the warning, the wizard, catching -----------------------------
origin_port=$(hush_free_port)
mkdir -p "$work/site"
printf '<html><body>served</body></html>\n' >"$work/site/page.html"
(cd "$work/site" && exec python3 -m http.server "$origin_port" --bind 127.0.0.1 >/dev/null 2>&1) &
pids+=($!)
start_pophush
answer Hushwall "Do you want to configure proxy settings now?" Yes
robot wait "$wizard" 30 || fail "Yes to the start-up warning opened no wizard"
wizard_on_lan_and_profile set
answer "Netscape Proxy Setting" "Netscape proxy has been set successfully." OK
robot gone "$wizard" 20 || fail "the wizard stays"
answer Hushwall "Catching Pop-Ups is currently disabled, Do you want to enable it?" Yes
until_true 10 catching_on || fail "catching is not on after the first-run wizard"
no_error_box
[ "$(reg_value "$ie" ProxyServer)" = "REG_SZ http=Hushwall:8100" ] ||
  fail "Internet Explorer: $(reg_value "$ie" ProxyServer)"
grep -q 'network.proxy.http", "Hushwall"' "$profile/user.js" || fail "user.js: $(cat "$profile/user.js")"
grep -qF '/* an old proxy, switched off:' "$profile/user.js" || fail "the user's comment went: $(cat "$profile/user.js")"
ok "first start without a box; the start-up wizard set both browsers; catching is on"

# The wizard's HTTPS box was left ticked: the authority is made and trusted.
data=$(hush_user_data_dir "$prefix")
roots='HKCU\Software\Microsoft\SystemCertificates\Root\Certificates'
trusted() { wine_quiet reg query "$roots\\$1" >/dev/null; }
our_pref="// Hushwall's HTTPS filtering"
user_js_without_our_pref() { grep -vF "$our_pref" "$profile/user.js"; }
until_true 10 test -s "$data/HushCA.cer" || fail "the wizard made no authority"
authority=$(sha1sum "$data/HushCA.cer" | awk '{print toupper($1)}')
trusted "$authority" || fail "the Root store does not hold the authority"
grep -F "$our_pref" "$profile/user.js" | grep -qF '"security.enterprise_roots.enabled", true' ||
  fail "Firefox is not told to trust the Windows roots: $(cat "$profile/user.js")"
ok "the wizard switched HTTPS filtering on: the authority is trusted by Windows and Firefox"

fetch() {  # WHAT: a page through PopHush, which must reach it through the company's proxy
  local before page
  before=$(wc -l <"$work/company.log")
  hush_wait_for_port 8100 60 || fail "PopHush does not listen ($1)"
  page=$(curl -sS --max-time 60 -x 127.0.0.1:8100 "http://127.0.0.1:$origin_port/page.html?$1") ||
    fail "no page through PopHush ($1)"
  [ "${page:0:7}" = '<script' ] && [[ $page == *served* ]] || fail "no blocker script in front ($1)"
  [ "$(wc -l <"$work/company.log")" -gt "$before" ] &&
    grep -q "page.html?$1" "$work/company.log" || fail "the page did not go through the company's proxy ($1)"
}
fetch first
ok "pages come with the blocker script, through the company's proxy"

# --- a restart ------------------------------------------------------------------
quit_pophush
reg_set "$key" ShowAtStart REG_DWORD 0  # the user ticked the tray notice away
start_pophush
robot wait www.hushwall.example 30 || fail "PopHush did not start again"
no_error_box
fetch again
until_true 10 catching_on || fail "catching is off after a restart"
ok "after a restart: no box, catching on, the company's proxy still the gateway"

# --- the reset from the Popups page ------------------------------------------------
robot post Hushwall 273 32771  # Show
robot click Hushwall "Reset Proxy" || fail "no Reset Proxy button"
robot wait "$wizard" 20 || fail "Reset Proxy opened no wizard"
wizard_on_lan_and_profile reset
answer "Reset Netscape Proxy Settings" "Netscape settings will take effect from the second launch" OK
robot gone "$wizard" 20 || fail "the wizard stays after the reset"
answer Hushwall "Catching Pop-Ups is disabled as there's not any configured browser." OK
[ "$(reg_value "$ie" ProxyServer)" = "REG_SZ 127.0.0.1:$company_port" ] &&
  [ "$(reg_value "$ie" ProxyEnable)" = "REG_DWORD 0x1" ] ||
  fail "the reset did not put the company's proxy back: $(reg_value "$ie" ProxyServer) $(reg_value "$ie" ProxyEnable)"
# HTTPS filtering stays on: its line is the one difference left.
user_js_without_our_pref | cmp -s "$work/user.js.before" - ||
  fail "user.js after the reset: $(cat "$profile/user.js")"
ok "the reset from the Popups page puts the company's proxy and user.js back"

# --- removal, elevated again ----------------------------------------------------------
quit_pophush
chattr -R -i "$program_dir" "$hosts"
wine_quiet 'C:\Program Files\Hushwall\Uninstall.exe' /S &
pids+=($!)
for _ in $(seq 600); do [ -d "$program_dir" ] || break; sleep 0.2; done
[ -d "$program_dir" ] && fail "the program folder is still there: $(ls "$program_dir" | tr '\n' ' ')"
seeded_values >"$work/values.after"
diff "$work/values.before" "$work/values.after" >&2 || fail "seeded registry values changed"
cmp -s "$work/hosts.before" "$hosts" || fail "the hosts file differs: $(od -c "$hosts" | head -5)"
cmp -s "$work/user.js.before" "$profile/user.js" || fail "user.js differs: $(cat "$profile/user.js")"
ok "after the removal every seeded value, the hosts file and user.js are back byte for byte"
[ ! -e "$data/HushCA.key" ] && [ ! -e "$data/HushCA.cer" ] || fail "the authority's files outlive the removal"
! trusted "$authority" || fail "the authority is still trusted after the removal"
ok "the removal took the authority out of the Root store and deleted its files"
