#!/usr/bin/env bash
# The Options and ActiveX pages of the installed PopHush, driven by the
# robot: the first run's backup of the zones ("acRs.ini"), each start-up
# mode saved (INI and Run value), French and back (every page's texts at
# once, the program still a single instance), a custom sound through the
# file dialog, two zones changed and saved, Cancel putting back what was
# saved, and HTTPS filtering: the excluded sites saved and loaded, the box
# showing what the program made of the switch.
# Usage: pophush_options.sh BUILD-DIR PREFIX
. "$(dirname "$0")/lib.sh"
key='HKCU\Software\Hushwall'
zones='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Zones'
reg_set() { wine_quiet reg add "$key" /v "$1" /t "${3:-REG_SZ}" /d "$2" /f >/dev/null; }
reg_get() {  # KEY VALUE
  wine_quiet reg query "$1" /v "$2" | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
run_value() {  # the data of the Run entry, "<empty>" when it is empty
  wine_quiet reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Hushwall |
    tr -d '\r' | awk '$1 == "Hushwall" {print ($3 == "" ? "<empty>" : $3)}'
}
user_data=$(hush_user_data_dir "$prefix")
ini() { tr -d '\r' <"$user_data/HushINI.ini" | sed -n "s/^$1=//p"; }
until_true() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.2; done
}
texts() { robot texts Hushwall | tr -d '\r' | tr '\n' '|'; }
says() { [[ "$(texts)" == *"$1"* ]]; }
checked() { [ "$(robot state Hushwall "$1" | tr -d '\r' | cut -d' ' -f1)" = 1 ]; }
shown_sound() { robot state Hushwall 1028 | tr -d '\r' | cut -d' ' -f4-; }
apply() { robot post Hushwall 273 12321; sleep 1; }
press() { robot toggle Hushwall "$1" || fail "cannot press $1"; }
choose() { robot choose Hushwall "$1" "$2" || fail "no entry \"$2\" in list $1"; }
decimal() { printf '%d' "$1"; }

end_earlier_program
wine_quiet reg export "$zones" "$(winepath_of "$work/zones.reg")" /y >/dev/null ||
  fail "cannot keep the zones"
undo+=("wine_quiet reg import '$(winepath_of "$work/zones.reg")'")
wine_quiet reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Hushwall /f >/dev/null || true
port=$(hush_free_port)
hush_install_program "$prefix" "$build" "$port"  # a first run
hush_point_internet_explorer_at_proxy "$prefix"
reg_set ShowAtStart 0 REG_DWORD
reg_set "Wizard Message" N
reg_set "Close To Tray" 0 REG_DWORD
mkdir -p "$prefix/drive_c/elsewhere"
cp "$build/assets/Sounds/Knock.wav" "$prefix/drive_c/elsewhere/Bell.wav"

start_program
first=$program
robot wait www.hushwall.example 30 || fail "PopHush did not start"
expected=""
sections=("Local Intranet" "Trusted Sites" "Internet" "Restricted Sites")
for zone in 1 2 3 4; do
  expected+="[${sections[zone - 1]}]|"
  for name in 1001 1004 1201 1200 1405; do
    expected+="$name=$(decimal "$(reg_get "$zones\\$zone" $name)")|"
  done
done
until_true 10 test -f "$user_data/acRs.ini" || fail "no acRs.ini after the first run"
backup=$(tr -d '\r' <"$user_data/acRs.ini" | grep -v '^$' | tr '\n' '|')
[ "$backup" = "$expected" ] || fail "acRs.ini: $backup, the registry: $expected"
ok "the first run backs the four zones up in zone order, five keys each"

robot post Hushwall 273 32771  # Show
robot tab Hushwall 1
robot tab Hushwall 2
until_true 10 checked 1006 || fail "the Options page shows no start-up mode"
for mode in "1007 0 <empty>" "1006 2 \"C:\\Hushwall\\PopHush.exe\"" "1008 1 <empty>"; do
  read -r button value run <<<"$mode"
  press "$button"
  apply
  until_true 5 test "$(ini Startup)" = "$value" || fail "Startup after $button: $(ini Startup)"
  [ "$(run_value)" = "$run" ] || fail "Run value with Startup=$value: $(run_value)"
done
ok "each start-up mode is saved with its Run value"

choose 1010 French
until_true 10 says "Annuler" || fail "the buttons stay English: $(texts)"
for text in "Configurer votre navigateur" "Zone Web" "Mode de démarrage"; do
  says "$(echo "$text" | iconv -f utf-8 -t latin1)" || fail "no \"$text\" in French: $(texts)"
done
start_program  # a second copy meets the first under the name it holds
ended_within "$program" 20 || fail "a second copy runs beside the French one"
kill -0 "$first" 2>/dev/null || fail "the program ended on the language change"
choose 1010 German
until_true 10 says "Abbrechen" || fail "no German texts: $(texts)"
choose 1010 English
until_true 10 says "Cancel" || fail "English did not come back: $(texts)"
apply
[ "$(reg_get "$key" Language)" = English ] || fail "Language: $(reg_get "$key" Language)"
ok "French, German and back: every page at once, one program running"

choose 1032 "*** Custom Sound ***"
robot wait Open 20 || fail "no file dialog"
robot settext Open 1148/1152 'C:\elsewhere\Bell.wav' || fail "no file name box: $(robot texts Open)"
robot click Open Open || fail "no Open button"
robot gone Open 10 || fail "the file dialog stays"
until_true 5 test "$(shown_sound)" = Bell || fail "shown as the current sound: $(shown_sound)"
apply
[ "$(reg_get "$key" "User Wav Path")" = 'C:\elsewhere\Bell.wav' ] ||
  fail "User Wav Path: $(reg_get "$key" "User Wav Path")"
choose 1032 Chime
apply
[ "$(reg_get "$key" "User Wav Path")" = 'C:\Hushwall\Sounds\Chime.wav' ] ||
  fail "User Wav Path after Chime: $(reg_get "$key" "User Wav Path")"
choose 1032 Bell  # the custom entry stands for its own file
apply
[ "$(reg_get "$key" "User Wav Path")" = 'C:\elsewhere\Bell.wav' ] ||
  fail "User Wav Path for the custom entry: $(reg_get "$key" "User Wav Path")"
ok "a custom sound is chosen through the file dialog and keeps its own folder"

robot tab Hushwall 1
choose 1023 "Trusted sites"
press 1025  # signed ActiveX: Disable
choose 1023 Internet
press 1045  # controls and plug-ins: Prompt
apply
[ "$(reg_get "$zones\\2" 1001)" = 0x3 ] || fail "Trusted sites 1001: $(reg_get "$zones\\2" 1001)"
[ "$(reg_get "$zones\\3" 1200)" = 0x1 ] || fail "Internet 1200: $(reg_get "$zones\\3" 1200)"
ok "choices in two zones are both saved"

# Cancel: what was saved comes back, also what the Options page keeps in
# the program's own values. "Close To Tray" saved first, so Cancel hides.
robot tab Hushwall 2
press 1021
apply
before_zone=$(reg_get "$zones\\1" 1001)
robot tab Hushwall 1
choose 1023 "Local intranet"
press 1024
robot tab Hushwall 2
choose 1032 Beep
press 1021
press 1020
choose 1010 French
until_true 10 says "Annuler" || fail "French did not come"
robot post Hushwall 273 2  # Cancel
until_true 10 says "Cancel" || fail "Cancel kept the French texts"
checked 1021 || fail "Cancel left Close To Tray off on the page"
kill -0 "$first" 2>/dev/null || fail "Cancel with Close To Tray saved ended the program"
apply
[ "$(reg_get "$key" "User Wav Path")" = 'C:\elsewhere\Bell.wav' ] ||
  fail "User Wav Path after Cancel: $(reg_get "$key" "User Wav Path")"
[ "$(reg_get "$key" "Close To Tray")" = 0x1 ] || fail "Close To Tray after Cancel"
[ "$(reg_get "$key" Language)" = English ] || fail "Language after Cancel"
[ "$(reg_get "$zones\\1" 1001)" = "$before_zone" ] || fail "zone 1 changed by Cancel"
[ "$(ini DisplayOnTop)" = 1 ] || fail "DisplayOnTop after Cancel: $(ini DisplayOnTop)"
ok "Cancel puts back the zones, sound, language, Close To Tray and Always On Top"

# The excluded sites are saved one separator apart (a name after a space or
# a semicolon would otherwise pass for part of the one before) and come back
# from the file on Cancel. The box shows the switch as the program left it:
# while the program refuses the switch, it comes back cleared.
robot tab Hushwall 2
shown_sites() { robot text Hushwall 1054 | tr -d '\r'; }
robot settext Hushwall 1054 ' Bank.example; shop.example  *.tax.example,' ||
  fail "no excluded sites box"
press 1051
apply
sites='Bank.example, shop.example, *.tax.example'
until_true 5 test "$(ini HttpsExclusions)" = "$sites" || fail "HttpsExclusions: $(ini HttpsExclusions)"
until_true 5 test "$(robot state Hushwall 1051 | cut -d' ' -f1)" = "$(ini HttpsFiltering)" ||
  fail "the box $(robot state Hushwall 1051), the saved HttpsFiltering $(ini HttpsFiltering)"
[ "$(ini HttpsFiltering)" = 0 ] || fail "the refused switch was saved: $(ini HttpsFiltering)"
robot settext Hushwall 1054 'other.example'
robot post Hushwall 273 2  # Cancel
until_true 5 test "$(shown_sites)" = "$sites" || fail "after Cancel the page shows \"$(shown_sites)\""
ok "HTTPS filtering: excluded sites saved tidy and loaded, a refused switch leaves the box clear"

robot post www.hushwall.example 32790
ended_within "$first" 15 || fail "PopHush did not end"
