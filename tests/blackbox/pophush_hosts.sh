#!/usr/bin/env bash
# The hosts file when the user may not change it. First the command the
# setup program and the banner box run elevated, run directly: the entry
# and the backup (a second run keeps the first backup), banner blocking both
# ways, an unknown command, and an unwritable file told by the status. Then
# the program: no box at start-up while the entry is there, though the file
# is unwritable; the banner box meets the refusal, runs the program again
# for the change (under Wine "runas" runs it as the same user, who is
# refused again), says so and stays unticked; once the file is writable the
# box ticks and the ad servers are in the file. An unwritable file needs
# chattr (root); without it only the first part runs.
# Usage: pophush_hosts.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
until_true() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.2; done
}
hosts_command() { wine_quiet "$HUSH_INSTALL_WINDOWS_DIR\\PopHush.exe" /hosts "$@"; }
banner_box() { robot state Hushwall 1030 | tr -d '\r' | cut -d' ' -f1; }
ad_block='# Hushwall: ad servers blocked while Block Ads is on (begin)'

end_earlier_program
port=$(hush_free_port)
# This test makes the hosts file unwritable itself, when it wants to.
HUSH_INSTALL_WRITABLE=1 hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
key='HKCU\Software\Hushwall'
wine_quiet reg add "$key" /v ShowAtStart /t REG_DWORD /d 0 /f >/dev/null
wine_quiet reg add "$key" /v "Wizard Message" /d N /f >/dev/null
installed=$(hush_install_dir "$prefix")
hosts=$prefix/drive_c/windows/system32/drivers/etc/hosts
undo+=("chattr -i '$hosts' 2>/dev/null")
printf '127.0.0.1 localhost\r\n10.0.0.5 nas' >"$work/hosts.before"  # no line end at the end
cp "$work/hosts.before" "$hosts"
rm -f "$installed/mHosts"

# --- the command alone -----------------------------------------------------------
hosts_command install || fail "install: status $?"
[ "$(cat "$hosts")" = "$(cat "$work/hosts.before")"$'\r\n127.0.0.1\tHushwall' ] ||
  fail "hosts after install: $(cat -A "$hosts")"
cmp -s "$installed/mHosts" "$work/hosts.before" || fail "mHosts is not the hosts file as it was"
hosts_command install || fail "a second install: status $?"
cmp -s "$installed/mHosts" "$work/hosts.before" || fail "a second install replaced mHosts"
ok "install adds the entry after the backup, and a second run keeps the first backup"

hosts_command banner-on || fail "banner-on: status $?"
grep -qF "$ad_block" "$hosts" || fail "banner-on added no ad servers"
hosts_command banner-off || fail "banner-off: status $?"
! grep -qF "$ad_block" "$hosts" || fail "banner-off left the ad servers"
grep -q $'^127.0.0.1\tHushwall' "$hosts" || fail "banner-off lost the entry"
status=0
hosts_command nonsense || status=$?
[ "$status" = 4 ] || fail "an unknown command was not refused: status $status"
ok "banner blocking goes on and off, an unknown command is refused"

if ! chattr +i "$hosts" 2>/dev/null; then
  echo "skipped: chattr is not available, the unwritable hosts file is not tried"
  exit 0
fi
cp "$hosts" "$work/hosts.locked"
status=0
hosts_command banner-on || status=$?
[ "$status" = 2 ] || fail "an unwritable hosts file gave status $status, not the refusal"
ok "an unwritable hosts file gives the refusal status"

# --- the program ---------------------------------------------------------------
start_program
hush_wait_for_port "$port" 60 || fail "PopHush did not listen"
robot wait www.hushwall.example 20 || fail "no presence window"
! robot wait PopHush 2 || fail "a box at start-up although the entry is there: $(robot texts PopHush)"
robot wait Hushwall 20 || fail "no main window"
[ "$(banner_box)" = 0 ] || fail "banner blocking ticked at the start"
robot toggle Hushwall 1030 || fail "cannot press the banner box"
until_true 20 eval '[[ "$(robot texts Hushwall | tr -d "\r")" == *"Banner blocking could not be changed"* ]]' ||
  fail "no message about the refused change: $(robot texts Hushwall | tr -d '\r' | tr '\n' '|')"
robot key Hushwall 13 || fail "cannot close the message"
until_true 10 eval '[[ "$(robot texts Hushwall | tr -d "\r")" != *"Banner blocking could not"* ]]' ||
  fail "the message stays"
[ "$(banner_box)" = 0 ] || fail "the banner box is ticked for a change that did not happen"
cmp -s "$hosts" "$work/hosts.locked" || fail "the unwritable hosts file changed"
ok "a refused change is told, and the banner box stays unticked"

chattr -i "$hosts"
robot toggle Hushwall 1030 || fail "cannot press the banner box again"
until_true 10 eval '[ "$(banner_box)" = 1 ]' || fail "the banner box is not ticked"
grep -qF "$ad_block" "$hosts" || fail "no ad servers in the hosts file"
robot toggle Hushwall 1030 || fail "cannot press the banner box a third time"
until_true 10 eval '[ "$(banner_box)" = 0 ]' || fail "the banner box is still ticked"
! grep -qF "$ad_block" "$hosts" || fail "the ad servers stay in the hosts file"
ok "with a writable hosts file the banner box follows the file both ways"
robot post www.hushwall.example 32790 || fail "cannot post the quiet exit"
ended_within "$program" 15 || fail "the program did not end"
