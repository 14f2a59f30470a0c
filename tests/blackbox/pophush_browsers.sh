#!/usr/bin/env bash
# PopHush's start-up with browsers seeded in the prefix: Internet Explorer
# not naming the proxy (its stored flag stale), Opera 6 pointed at the
# proxy, Opera 7 absent, a Mozilla profile not pointed at it. Start-up keeps
# the right flags, warns about Internet Explorer and Netscape (answered No,
# then the second warning), adds the hosts entry once and backs the hosts
# file up on the first run; a second start warns no more and changes nothing.
# A hosts file that cannot be written brings what to do (the setup, an
# administrator, or the entry by hand), and the program goes on.
# Usage: pophush_browsers.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
flags() {  # the stored configuration flags, one "name value" a line
  wine_quiet reg query 'HKCU\Software\Hushwall\Proxy Setting' | tr -d '\r' |
    sed -n 's/^ *\(.*[^ ]\) *REG_DWORD *\(0x[0-9a-f]*\)$/\1 \2/p' | sort
}
stop_program() {
  robot post www.hushwall.example 32790 || fail "cannot post the quiet exit"
  ended_within "$program" 15 || fail "the program did not end"
}

hush_wine_prefix_create "$prefix" null
robot gone www.hushwall.example 15 || fail "an earlier copy of the program is still running"
port=$(hush_free_port)
wine_quiet reg delete 'HKCU\Software\Hushwall' /f >/dev/null || true
drive=$prefix/drive_c
# The user's hosts file as the setup program finds it: it adds its entry.
chattr -i "$drive/windows/system32/drivers/etc/hosts" 2>/dev/null || true
hosts="$drive/windows/system32/drivers/etc/hosts"
printf '127.0.0.1 localhost\r\n10.0.0.5\tnas\r\n' >"$hosts"
cp "$hosts" "$prefix/hosts.before"
hush_install_program "$prefix" "$build" "$port"
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
wine_quiet reg add "$ie" /v ProxyEnable /t REG_DWORD /d 0 /f >/dev/null
wine_quiet reg delete "$ie" /v ProxyServer /f >/dev/null || true
wine_quiet reg add 'HKCU\Software\Hushwall\Proxy Setting' /v 'Lan Is Configured' /t REG_DWORD /d 1 /f >/dev/null
mkdir -p "$drive/Opera6"
: >"$drive/Opera6/Opera.exe"
printf '[Proxy]\r\nUse HTTP=1\r\nHTTP Server=Hushwall:8100\r\n' >"$drive/Opera6/opera6.ini"
wine_quiet reg add 'HKCU\Software\Opera Software' /v 'Last CommandLine' /d 'C:\Opera6\Opera.exe' /f >/dev/null
profile="$drive/Documents and Settings/$(id -un)/Application Data/Mozilla/Profiles/default/x1.slt"
mkdir -p "$profile"
printf 'user_pref("browser.x", 1);\n' >"$profile/prefs.js"
wine_quiet reg add 'HKCU\Software\Mozilla\Mozilla\1.7' /v Version /d 1.7 /f >/dev/null

start_program
robot wait Hushwall 20 || fail "no start-up warning"
texts=$(robot texts Hushwall | tr -d '\r')
[[ "$texts" == *"You have Internet Explorer and netscape browsers installed, but you haven't configured the proxy settings for any of them"*"NOTE:"*"Click Yes to start the wizard"* ]] ||
  fail "unexpected warning: $texts"
robot click Hushwall No 10 || fail "cannot answer the warning"
for _ in $(seq 50); do
  texts=$(robot texts Hushwall 1 | tr -d '\r')
  [[ "$texts" == *WARNING* ]] && break
  sleep 0.2
done
[[ "$texts" == *"WARNING"*"Proxy is not configured for some or all of your installed browsers"* ]] ||
  fail "no second warning after No: $texts"
robot click Hushwall OK 10 || fail "cannot close the second warning"
ok "start-up warns about Internet Explorer and Netscape, and again after No"

hush_wait_for_port "$port" 30 || fail "the proxy does not listen after the warnings"
expected='Lan Is Configured 0x1
Opera7 Is Configured 0x0'
[ "$(flags)" = "$expected" ] || fail "stored flags: $(flags)"
ok "only the flag of the browser not installed is written"
[ "$(grep -c $'^127.0.0.1\tHushwall\r$' "$hosts")" = 1 ] || fail "hosts file: $(cat -A "$hosts")"
[ "$(head -c "$(stat -c %s "$prefix/hosts.before")" "$hosts")" = "$(cat "$prefix/hosts.before")" ] ||
  fail "the user's hosts lines changed"
cmp -s "$(hush_install_dir "$prefix")/mHosts" "$prefix/hosts.before" || fail "mHosts is not the hosts file as it was"
ok "the hosts entry is there once after the user's lines, and the setup's backup is the file as it was"
stop_program
cp "$hosts" "$prefix/hosts.first"
flags_first=$(flags)

# No tray notice in the way of the second start.
wine_quiet reg add 'HKCU\Software\Hushwall' /v ShowAtStart /t REG_DWORD /d 0 /f >/dev/null
start_program
hush_wait_for_port "$port" 30 || fail "the second start does not listen"
robot wait www.hushwall.example 20 || fail "no presence window on the second start"
[[ "$(robot texts Hushwall 1)" != *"You have"* ]] || fail "the warning came back"
cmp -s "$hosts" "$prefix/hosts.first" || fail "the second start changed the hosts file"
[ "$(flags)" = "$flags_first" ] || fail "the second start changed the flags: $(flags)"
ok "a second start warns no more and changes neither the hosts file nor the flags"
stop_program

# An unwritable hosts file without the entry (chattr needs root).
chattr -i "$hosts"
cp "$prefix/hosts.before" "$hosts"
if chattr +i "$hosts" 2>/dev/null; then
  undo+=("chattr -i '$hosts'")
  start_program
  robot wait PopHush 20 || fail "no message about the hosts file"
  texts=$(robot texts PopHush | tr -d '\r' | tr '\n' ' ')
  [[ "$texts" == *"Hushwall could not add its line to the hosts file"*"Run the Hushwall setup again"*"To perform it manually"*"open the file with name HOSTS"*"finally add the following line"*$'127.0.0.1\tHushwall'* ]] ||
    fail "unexpected hosts message: $texts"
  robot click PopHush OK || fail "cannot close the hosts message"
  hush_wait_for_port "$port" 30 || fail "the program did not go on after the hosts message"
  stop_program
  chattr -i "$hosts"
  ok "an unwritable hosts file brings what to do about the entry, and the program goes on"
else
  echo "skipped: chattr is not available, the unwritable hosts file is not tried"
fi
rm -f "$prefix/hosts.before" "$prefix/hosts.first"
