#!/usr/bin/env bash
# The setup program, end to end, in a prefix of its own seeded with the
# user's settings: an Internet Explorer proxy, a Firefox profile with its
# own user.js lines, a hosts file with the user's lines and ActiveX values
# (65536 among them). Silent install, which adds the hosts entry after its
# backup; the browsers pointed at Hushwall;
# PopHush serves a page with the blocker script; silent removal; then every
# seeded value and file is back byte for byte, nothing of Hushwall is left
# in the Run values, the helper's keys or the program folder, and PopHush
# has ended. In between, a reinstallation keeps the user's files (in the
# user's data folder), the count and the sound, and the first run's backups
# stay the originals; the second start writes nothing into the program
# folder (made immutable for it). Usage: setup_round_trip.sh BUILD-DIR
# PREFIX (the prefix argument is not used: the test makes its own).
. "$(dirname "$0")/lib.sh"
prefix=$build/setup-prefix
# A run that was cut short may have left its program folder immutable.
chattr -R -i "$prefix/drive_c/Program Files/Hushwall" 2>/dev/null || true
rm -rf "$prefix"
hush_wine_prefix_create "$prefix" null
drive=$prefix/drive_c
program_dir="$drive/Program Files/Hushwall"
user=$(id -un)
user_data="$drive/users/$user/AppData/Roaming/Hushwall"
program_key='HKCU\Software\Hushwall'
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
zones="$ie\\Zones"

reg_set() { wine_quiet reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null; }
# One value as "reg query" prints it ("TYPE DATA"), empty when missing; the
# name may hold spaces.
reg_value() {
  wine_quiet reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '{ line = $0; sub(/^ +/, "", line) }
      substr(line, 1, length(name) + 1) == name " " {
        n = split(substr(line, length(name) + 1), field, " ")
        out = field[1]; for (i = 2; i <= n; i++) out = out " " field[i]
        print out }'
}
key_exists() { wine_quiet reg query "$1" >/dev/null 2>&1; }

# --- the user's own settings ---------------------------------------------------
reg_set "$ie" ProxyServer REG_SZ 'work:3128'
reg_set "$ie" ProxyEnable REG_DWORD 1
reg_set "$zones\\3" 1200 REG_DWORD 65536
reg_set "$zones\\3" 1001 REG_DWORD 0
reg_set "$zones\\2" 1405 REG_DWORD 1
hosts=$drive/windows/system32/drivers/etc/hosts
printf '127.0.0.1 localhost\r\n10.0.0.5 nas\r\n' >"$hosts"
profile="$drive/users/$user/AppData/Roaming/Mozilla/Firefox/Profiles/t1.default-release"
mkdir -p "$profile"
printf '// Mozilla User Preferences\nuser_pref("browser.x", 1);\n' >"$profile/prefs.js"
printf 'user_pref("my.own.setting", true);\n' >"$profile/user.js"
printf '[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/t1.default-release\n' \
  >"$drive/users/$user/AppData/Roaming/Mozilla/Firefox/profiles.ini"
cp "$hosts" "$work/hosts.before"
cp "$profile/user.js" "$work/user.js.before"
seeded_values=("$ie|ProxyServer" "$ie|ProxyEnable" "$zones\\3|1200" "$zones\\3|1001"
  "$zones\\2|1405" "$zones\\4|1001")
for entry in "${seeded_values[@]}"; do
  echo "$entry=$(reg_value "${entry%|*}" "${entry#*|}")"
done >"$work/values.before"

# --- install, use --------------------------------------------------------------
hush_install_with_setup "$prefix" "$build" || fail "the setup program failed"
[ -f "$program_dir/PopHush.exe" ] && [ -f "$program_dir/HushPop.exe" ] || fail "the programs are not installed"
# Both helpers, though only the 64-bit one registers where no 32-bit
# regsvr32 runs.
[ -f "$program_dir/HushBHO.dll" ] && [ -f "$program_dir/HushBHO32.dll" ] || fail "the helpers are not installed"
grep -q '^Proxy=work:3128' "$program_dir/Browser.ini" || fail "Browser.ini does not hold the user's proxy"
[ "$(reg_value 'HKLM\Software\Hushwall' Path)" = 'REG_SZ C:\Program Files\Hushwall' ] ||
  fail "the setup program recorded no installation folder for the machine"
[ -z "$(reg_value "$program_key" FirstRun)" ] && [ -z "$(reg_value "$program_key" 'Blocked Popups')" ] ||
  fail "the elevated setup program wrote the user's own values"
[ "$(tr -d '\r' <"$hosts" | grep -c $'^127.0.0.1\tHushwall$')" = 1 ] ||
  fail "the setup added no hosts entry: $(cat -A "$hosts")"
cmp -s "$program_dir/mHosts" "$work/hosts.before" || fail "the setup's mHosts is not the hosts file as it was"
ok "installed silently; Browser.ini holds Internet Explorer's proxy; the hosts entry and its backup are made; the user's values are left to PopHush"

configure() { wine_quiet "$(winepath_of "$build/tests/configure_browsers.exe")" "$@" | tr -d '\r'; }
configure ie set >/dev/null || fail "pointing Internet Explorer at Hushwall failed"
configure profiles set Hushwall 8100 >/dev/null || fail "pointing Firefox at Hushwall failed"
[ "$(reg_value "$ie" ProxyServer)" = "REG_SZ http=Hushwall:8100" ] || fail "Internet Explorer does not use Hushwall"
ok "the browsers use Hushwall"

mkdir -p "$work/site"
printf '<html><body>served</body></html>\n' >"$work/site/page.html"
origin_port=$(hush_free_port)
(cd "$work/site" && exec python3 -m http.server "$origin_port" --bind 127.0.0.1 \
  >"$work/origin.log" 2>&1) &
pids+=($!)
wine_quiet 'C:\Program Files\Hushwall\PopHush.exe' >/dev/null &
program=$!
pids+=("$program")
hush_wait_for_port 8100 60 || fail "PopHush did not listen on 8100"
hush_wait_for_port "$origin_port" 20 || fail "the origin did not start"
page=$(curl -sS --max-time 60 -x 127.0.0.1:8100 "http://127.0.0.1:$origin_port/page.html") ||
  fail "no page through PopHush"
[ "${page:0:7}" = '<script' ] && [[ $page == *'<html><body>served</body></html>'* ]] ||
  fail "the page came without the blocker script in front"
ok "PopHush serves pages on 8100 with the blocker script"
# Its first run backs up the zones and keeps the setup's hosts backup: all
# of that must be undone too.
for _ in $(seq 50); do [ -f "$user_data/acRs.ini" ] && break; sleep 0.2; done
[ -f "$user_data/acRs.ini" ] || fail "the first run made no acRs.ini"
cmp -s "$program_dir/mHosts" "$work/hosts.before" || fail "the first run replaced mHosts"
[ -f "$user_data/HushINI.ini" ] || fail "the user has no settings file"
[ "$(reg_value "$program_key" 'Blocked Popups')" = 'REG_SZ 0' ] &&
  [ "$(reg_value "$program_key" FirstRun)" = 'REG_DWORD 0x0' ] ||
  fail "the first start did not write the user's values or did not end the first run"
ok "the first start made the user's values, settings and zone backup in the user's data folder"

# --- the user's choices, then a reinstallation -----------------------------------
robot post www.hushwall.example 32790 || fail "cannot ask PopHush to exit"
ended_within "$program" 20 || fail "PopHush did not exit"
reg_set "$program_key" 'Blocked Popups' REG_SZ 7
reg_set "$program_key" 'User Wav Path' REG_SZ 'C:\mine.wav'
reg_set "$program_key" ShowAtStart REG_DWORD 0  # no tray notice before the proxy starts
reg_set "$zones\\3" 1001 REG_DWORD 3  # changed on the ActiveX page since the first run
sed -i 's/^PlayWave=.*\r$/PlayWave=0\r/' "$user_data/HushINI.ini"
cp "$user_data/acRs.ini" "$work/acRs.before"
cp "$user_data/HushINI.ini" "$work/HushINI.before"
hush_install_with_setup "$prefix" "$build" || fail "the setup program failed the second time"
# The program folder cannot be written while PopHush runs again.
chattr -R +i "$program_dir" || fail "cannot make the program folder immutable"
undo+=("chattr -R -i '$program_dir'")
wine_quiet 'C:\Program Files\Hushwall\PopHush.exe' >/dev/null &
program=$!
pids+=("$program")
hush_wait_for_port 8100 60 || fail "PopHush did not listen on 8100 after the reinstallation"
page=$(curl -sS --max-time 60 -x 127.0.0.1:8100 "http://127.0.0.1:$origin_port/page.html") ||
  fail "no page through PopHush after the reinstallation"
[ "${page:0:7}" = '<script' ] || fail "the page came without the blocker script after the reinstallation"
robot wait www.hushwall.example 20 || fail "PopHush has no presence window"
cmp -s "$work/acRs.before" "$user_data/acRs.ini" || fail "the zone backup changed: $(cat "$user_data/acRs.ini")"
cmp -s "$work/HushINI.before" "$user_data/HushINI.ini" || fail "the user's settings changed"
[ "$(reg_value "$program_key" 'Blocked Popups')" = 'REG_SZ 7' ] &&
  [ "$(reg_value "$program_key" 'User Wav Path')" = 'REG_SZ C:\mine.wav' ] &&
  [ "$(reg_value "$program_key" FirstRun)" = 'REG_DWORD 0x0' ] &&
  [ "$(reg_value "$program_key" ShowAtStart)" = 'REG_DWORD 0x0' ] ||
  fail "the reinstallation changed the user's values"
chattr -R -i "$program_dir"
ok "a reinstallation keeps the zone backup, the settings, the count and the sound; PopHush runs from a read-only folder"

# --- remove --------------------------------------------------------------------
# The removal goes on from a copy of itself; it is done when the folder is.
wine_quiet 'C:\Program Files\Hushwall\Uninstall.exe' /S &
pids+=($!)
for _ in $(seq 600); do [ -d "$program_dir" ] || break; sleep 0.2; done
[ -d "$program_dir" ] && fail "the program folder is still there: $(ls "$program_dir" | tr '\n' ' ')"
ended_within "$program" 20 || fail "PopHush is still running after the removal"
[ -d "$user_data" ] && fail "the user's data folder is left: $(ls "$user_data" | tr '\n' ' ')"
ok "removed silently; PopHush has ended and the program and data folders are gone"

for entry in "${seeded_values[@]}"; do
  echo "$entry=$(reg_value "${entry%|*}" "${entry#*|}")"
done >"$work/values.after"
diff "$work/values.before" "$work/values.after" >&2 || fail "seeded registry values changed"
cmp -s "$work/hosts.before" "$hosts" || fail "the hosts file differs: $(od -c "$hosts" | head -5)"
cmp -s "$work/user.js.before" "$profile/user.js" ||
  fail "user.js differs: $(cat "$profile/user.js")"
ok "Internet Explorer's proxy, the zones, the hosts file and user.js are back byte for byte"

for run in 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' \
  'HKLM\Software\Microsoft\Windows\CurrentVersion\Run'; do
  [ -z "$(reg_value "$run" Hushwall)" ] || fail "a Run value is left in $run"
done
class='{4DF1DB24-A57C-11D3-A180-00A0C90AE44B}'
! key_exists "HKCR\\CLSID\\$class" || fail "the helper's class key is left"
! key_exists "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\$class" ||
  fail "the Browser Helper Objects key is left"
! key_exists 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Hushwall' ||
  fail "the uninstall entry is left"
ok "no Run value, helper key or uninstall entry is left"
