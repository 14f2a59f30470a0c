#!/usr/bin/env bash
# PopHush.exe started under Wine from an installation laid out as the
# installer leaves it, driven by the robot: single instance, the presence
# window and its quiet exit, FirstRun, the proxy, the splash, the About box
# from the main window's window menu, saving (the Run value for each start-up
# mode), Exit with its question, the fatal message for a broken installation
# in English and in French.
# Usage: pophush_startup.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
# Waits for a window in short rounds, so that one robot start that fails at
# once (a busy wine server) does not end the wait.
robot_wait() {  # TITLE SECONDS
  local deadline=$((SECONDS + $2))
  until robot wait "$1" 2; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}
program_key='HKCU\Software\Hushwall'
reg_set() { wine_quiet reg add "$program_key" /v "$1" /t "${3:-REG_SZ}" /d "$2" /f >/dev/null; }
run_value() {  # the data of the Run entry, "<empty>" when it is empty
  wine_quiet reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Hushwall |
    tr -d '\r' | awk '$1 == "Hushwall" {print ($3 == "" ? "<empty>" : $3)}'
}
reg_get() {  # NAME (may hold spaces)
  wine_quiet reg query "$program_key" /v "$1" | tr -d '\r' | grep -F "    $1    " | awk '{print $NF}'
}
hush_wine_prefix_create "$prefix" null
port=$(hush_free_port)
wine_quiet reg delete "$program_key" /f >/dev/null || true
hush_install_program "$prefix" "$build" "$port"
hush_point_internet_explorer_at_proxy "$prefix"
site=www.hushwall.example
splash_duration() {  # MILLISECONDS: the installed splash's time
  as_administrator sed -i "s/^Duration=.*\r\$/Duration=$1\r/" "$(hush_install_dir "$prefix")/splash.spl"
}

wine_quiet reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Hushwall /f >/dev/null || true
# No copy of the program from an earlier test may still be around.
robot gone "$site" 15 || fail "an earlier copy of the program is still running"
start_program
first=$program
# The first start shows the installed splash (two seconds); later ones a
# short one.
robot_wait class:HushSplashWindow 20 || fail "no splash"
robot gone class:HushSplashWindow 10 || fail "the splash stays"
ok "the splash shows and goes away by itself"
splash_duration 100
robot_wait "$site" 20 || fail "no presence window titled $site"
ok "the presence window is titled $site"
[ "$(reg_get FirstRun)" = 0x0 ] || fail "FirstRun is $(reg_get FirstRun) after a start"
ok "FirstRun reads 0 after a start"
hush_wait_for_port "$port" 20 || fail "the proxy does not listen on $port"
ok "the proxy answers on its port"

start_program
ended_within "$program" 15 || fail "a second copy keeps running"
kill -0 "$first" 2>/dev/null || fail "the first copy ended too"
robot wait "$site" 1 || fail "the first copy's presence window is gone"
ok "a second copy ends silently and leaves the first running"

# The window menu's About item (command 16) opens the About box.
robot post Hushwall $((0x112)) 16 || fail "no main window titled Hushwall"
robot_wait "About Hushwall" 20 || fail "no About box"
texts=$(robot texts "About Hushwall" | tr -d '\r')
case "$texts" in
  *"Copyright (C) 2026 Hushwall, $site"*"Version:"*"1.0.0.1"*"$site"*) ;;
  *) fail "unexpected About box texts: $texts" ;;
esac
robot click "About Hushwall" OK || fail "cannot close the About box"
robot gone "About Hushwall" 10 || fail "the About box stays"
ok "the window menu opens the About box with the version texts"
# A system command posted to the main window saves first: with "Startup"=2
# the Run entry starts the installed program.
[ "$(run_value)" = '"C:\Hushwall\PopHush.exe"' ] || fail "Run value after a save: $(run_value)"
ok "after a save with Startup=2 the Run value is the installed program's path"

robot post Hushwall 273 32775 || fail "cannot send Exit"  # WM_COMMAND from the tray menu
robot click Hushwall No 20 || fail "no Exit question"
sleep 1
kill -0 "$first" 2>/dev/null || fail "the program ended although the user said No"
robot wait "$site" 1 || fail "the presence window went away after No"
ok "Exit answered No keeps the program running"

# A browser window whose title carries the blocker script's mark: counted,
# unmarked, and the count saved by the quiet exit.
title=$(robot show "$site Catch Another PopupOffers" 3 | tr -d '\r')
[ "$title" = Offers ] || fail "the marked title reads \"$title\" after 3 s"
ok "a marked window title is counted and loses its mark"

robot post "$site" 32790 || fail "cannot post the quiet exit"
ended_within "$first" 15 || fail "32790 did not end the program"
[ "$(reg_get 'Blocked Popups')" = 1 ] || fail "Blocked Popups is $(reg_get 'Blocked Popups') after one pop-up"
ok "32790 to the presence window ends the program after saving the count"

# Not the first run and "ShowAtStart" set: the tray notice, in the
# installation's language; ticking its box turns "ShowAtStart" off.
reg_set FirstRun 0 REG_DWORD
for language in French English; do
  reg_set Language "$language"
  reg_set ShowAtStart 1 REG_DWORD
  start_program
  robot_wait Hushwall 20 || fail "no tray notice ($language)"
  texts=$(robot texts Hushwall | tr -d '\r')
  case "$language:$texts" in
    English:*"Hushwall will be minimized to the system tray"*"Don't show this window again ..."*) ;;
    French:*"zone de notification"*"Ne plus afficher cette"*) ;;
    *) fail "unexpected tray notice texts ($language): $texts" ;;
  esac
  [ "$language" = English ] && { robot check Hushwall "Don't show this window again ..." || fail "no check box"; }
  robot click Hushwall OK || fail "cannot close the tray notice"
  robot_wait "$site" 20 || fail "the program did not go on after the notice"
  robot_wait Hushwall 20 || fail "no main window ($language)"
  texts=$(robot texts Hushwall | tr -d '\r' | tr '\n' ' ')
  case "$language:$texts" in
    English:*"OK Cancel Apply Help"*) ;;
    French:*"OK Annuler Appliquer Aide"*) ;;
    *) fail "unexpected main window buttons ($language): $texts" ;;
  esac
  expected=0x1
  [ "$language" = English ] && expected=0x0
  [ "$(reg_get ShowAtStart)" = "$expected" ] || fail "ShowAtStart is $(reg_get ShowAtStart) ($language)"
  robot post "$site" 32790
  ended_within "$program" 15 || fail "the program did not end ($language)"
  ok "the tray notice and the main window show their $language texts; the notice keeps the user's choice"
done

# Another start-up mode, then Exit answered Yes: the Run entry stays, empty.
# The question's text has a "#", which message boxes show as a line break;
# dialog texts keep theirs.
installed=$(hush_install_dir "$prefix")
sed -i 's/^Startup=.*\r$/Startup=1\r/' "$(hush_settings_file "$prefix")"
as_administrator sed -i -e 's/^6003=.*\r$/6003=Leave now?#The browsers keep the proxy.\r/' \
       -e 's/^18002=.*\r$/18002=Never#again\r/' "$installed/Language/English.ini"
reg_set ShowAtStart 1 REG_DWORD
start_program
robot_wait Hushwall 20 || fail "no tray notice"
texts=$(robot texts Hushwall | tr -d '\r')
[[ "$texts" == *"Never#again"* ]] || fail "a dialog text lost its #: $texts"
robot click Hushwall OK || fail "cannot close the tray notice"
robot_wait Hushwall 20 || fail "no main window"
robot post Hushwall 273 32775 || fail "cannot send Exit"
robot_wait Hushwall 20
for _ in $(seq 50); do  # until the question is up
  texts=$(robot texts Hushwall | tr -d '\r')
  [[ "$texts" == *"Leave now?"* ]] && break
  sleep 0.2
done
[[ "$texts" == *$'Leave now?\nThe browsers keep the proxy.'* ]] ||
  fail "the Exit question does not break its line at #: $texts"
ok "a # becomes a line break in a message and stays in a dialog text"
robot click Hushwall Yes 20 || fail "no Exit question"
ended_within "$program" 15 || fail "Exit answered Yes did not end the program"
[ "$(run_value)" = "<empty>" ] || fail "Run value with Startup=1: $(run_value)"
ok "Exit answered Yes ends the program; with Startup=1 the Run value is empty"

wine_quiet reg delete "$program_key" /v "Blocked Popups" /f >/dev/null
for language in English French; do
  reg_set Language "$language"
  start_program
  robot_wait PopHush 20 || fail "no message box captioned PopHush ($language)"
  texts=$(robot texts PopHush)
  case "$language:$texts" in
    English:*"Sorry, but some files have been corrupted, you have to re-install the program"*) ;;
    French:*"Sorry, but some files have been corrupted"*) ;;  # looked up before the language is known
    *) fail "unexpected message box texts ($language): $texts" ;;
  esac
  robot click PopHush OK || fail "cannot press OK"
  ended_within "$program" 15 || fail "the program goes on after message 6001"
  ok "without \"Blocked Popups\" message 6001 is shown ($language) and the program ends"
done
wine_quiet reg delete "$program_key" /f >/dev/null || true
