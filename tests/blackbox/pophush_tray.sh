#!/usr/bin/env bash
# The tray program under Xvfb with Wine's X11 driver (the null driver has no
# notification area), driven by the robot: the tray icon and its return
# after a shell restart, enabling catching with no browser configured,
# closing the main window and the counter, a hung marked window, an exit
# asked for while a dialog is open, Clear counter then Exit, Esc with
# "Close To Tray" = 0, the kept count at start, Help without its file, and
# saving when Windows ends the session.
# Usage: pophush_tray.sh BUILD-DIR PREFIX (a prefix of its own: it is made
# with the X11 driver and removed afterwards)
. "$(dirname "$0")/lib.sh"
hush_require_packages xvfb
site=www.hushwall.example
key='HKCU\Software\Hushwall'
reg_set() { wine_quiet reg add "$key" /v "$1" /t "${3:-REG_SZ}" /d "$2" /f >/dev/null; }
reg_get() { wine_quiet reg query "$key" /v "$1" | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
ini() { tr -d '\r' <"$(hush_user_data_dir "$prefix")/HushINI.ini" | sed -n "s/^$1=//p"; }
until_true() {  # SECONDS COMMAND...: retries COMMAND every 0.2 s
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.2; done
}
icons_are() { [ "$(robot tray count | tr -d '\r')" = "$1" ]; }
visible_of() { robot state "$1" "$2" | tr -d '\r' | cut -d' ' -f3; }
box_says() { [[ "$(robot texts Hushwall 1 | tr -d '\r')" == *"$1"* ]]; }
box_gone() { ! box_says "$1"; }
# Presses BUTTON of the box saying TEXT and waits until the box has gone:
# until then it would take what is posted to its title.
answer_box() {  # BUTTON TEXT
  robot click Hushwall "$1" || fail "cannot press $1"
  until_true 10 box_gone "$2" || fail "the box saying \"$2\" stays"
}
start() {
  start_program
  robot wait "$site" 30 || fail "PopHush did not start"
  hush_wait_for_port "$port" 30 || fail "the proxy does not listen"
}
ended() { ended_within "$program" 15 || fail "$1"; }

display=:$((100 + RANDOM % 150))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
undo+=("hush_wine_prefix_remove '$prefix'")
sleep 1
hush_wine_prefix_create "$prefix" x11 || fail "cannot make the prefix"
port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
reg_set FirstRun 0 REG_DWORD
reg_set ShowAtStart 0 REG_DWORD

start
until_true 10 icons_are 1 || fail "no tray icon"
robot tray remove Hushwall || fail "cannot take the icon away"
until_true 5 icons_are 0 || fail "the icon stays"
robot broadcast TaskbarCreated
until_true 10 icons_are 1 || fail "the icon did not come back after the shell restarted"
ok "the tray icon is there, and back when the shell starts anew"

# No browser pointed at the proxy any more: catching cannot be switched on.
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
wine_quiet reg add "$ie" /v ProxyEnable /t REG_DWORD /d 0 /f >/dev/null
wine_quiet reg delete "$key\\Proxy Setting" /f >/dev/null
robot post Hushwall 273 32772
until_true 10 box_says "You can't enable Catching Pop-Ups" || fail "no message 2252"
answer_box OK "You can't enable Catching Pop-Ups"
[ "$(robot state Hushwall 1000 | cut -d' ' -f1)" = 0 ] || fail "the Popups page still shows catching on"
robot post Hushwall 273 12321  # Apply
until_true 5 test "$(ini PopupCheckDisabled)" = 1 || fail "catching is on: $(ini PopupCheckDisabled)"
hush_point_internet_explorer_at_proxy "$prefix"
robot post Hushwall 273 32772
until_true 10 test "$(robot state Hushwall 1000 | cut -d' ' -f1)" = 1 ||
  fail "catching did not go on with a browser: $(robot texts Hushwall 1 | tr -d '\r' | tr '\n' '|')"
robot post Hushwall 273 12321
until_true 10 test "$(ini PopupCheckDisabled)" = 0 || fail "catching on was not saved"
ok "without a configured browser catching stays off (message 2252), with one it goes on"

robot post Hushwall 16  # WM_CLOSE
robot answering Hushwall 5 || fail "the main window is gone after WM_CLOSE"
robot post Hushwall 273 32777
until_true 5 test "$(visible_of child:1013 1013)" = 1 || fail "no counter window"
robot post child:1013 16
until_true 5 test "$(visible_of child:1013 1013)" = 0 || fail "the counter stays after WM_CLOSE"
robot post Hushwall 273 32777
until_true 5 test "$(visible_of child:1013 1013)" = 1 || fail "the counter never shows again"
ok "closing the main window or the counter only hides them"

# A browser that stops answering while its title carries the mark: the
# program goes on answering, counts it once and writes the count at once.
reg_set "Blocked Popups" 0
robot hang "$site Catch Another PopupStuck" 6 >/dev/null &
sleep 3
robot answering Hushwall 2 || fail "the program hangs with the browser"
[ "$(reg_get 'Blocked Popups')" = 1 ] || fail "Blocked Popups reads $(reg_get 'Blocked Popups')"
wait $!
ok "a hung marked window is counted once and the program keeps answering"

# An exit asked for while the About box is open closes it first.
robot post Hushwall 274 16
robot wait "About Hushwall" 20 || fail "no About box"
robot post "$site" 32790
ended "the quiet exit did not end the program under the About box"
ok "a quiet exit closes the About box and ends the program"

start
robot post Hushwall 273 32778  # Clear Popup Counter
robot post Hushwall 273 32775  # Exit
until_true 10 box_says "click Yes to exit" || fail "no Exit question"
robot click Hushwall Yes
ended "Exit answered Yes did not end the program"
date_saved=$(reg_get 'Installation Date')
[ "$(reg_get 'Blocked Popups')" = 0 ] || fail "Blocked Popups after Clear: $(reg_get 'Blocked Popups')"
[[ "$date_saved" == *"$(date +%Y)"* && "$date_saved" == *"$(date +%-d)"* ]] ||
  fail "Installation Date: $date_saved"
ok "Clear Popup Counter then Exit saves 0 and today's date ($date_saved)"

start
robot post Hushwall 273 32771  # Show
robot key Hushwall 27
until_true 10 box_says "click Yes to exit" || fail "Esc with Close To Tray = 0 does not ask"
robot click Hushwall Yes
ended "Esc then Yes did not end the program"
ok "Esc with Close To Tray = 0 asks and ends the program on Yes"

# A count kept from earlier runs shows at start; Help without its file says so.
reg_set "Blocked Popups" 7
start
until_true 5 test "$(robot state child:1013 1013 | tr -d '\r')" = "0 1 1 7" ||
  fail "the counter does not show the kept count: $(robot state child:1013 1013)"
as_administrator rm "$(hush_install_dir "$prefix")/Help/HushHlp.chm"
robot post Hushwall 273 9
robot wait Error 10 || fail "no message for the missing help file"
[[ "$(robot texts Error | tr -d '\r')" == *"Cannot locate HTML Help file HushHlp.chm"* ]] ||
  fail "unexpected help message: $(robot texts Error)"
robot click Error OK
robot gone Error 10 || fail "the help message stays"
ok "the count kept from earlier runs shows at start; Help without its file says so"
robot post Hushwall 273 32778
robot post Hushwall 17  # WM_QUERYENDSESSION
until_true 5 test "$(reg_get 'Blocked Popups')" = 0 || fail "the session's end did not save"
ok "the end of the Windows session saves the settings"
robot post "$site" 32790
ended "the program did not end"
