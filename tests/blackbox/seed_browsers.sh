# Lays out browsers in a Wine prefix for the wizard's tests and pictures:
# two dial-up connections (one already pointed at the proxy), Opera 6
# pointed at the proxy and Opera 7 not, a Mozilla profile in the Windows XP
# layout and a Firefox profile, each with the user's own lines. Source it
# after scripts/lib/wine.sh; call seed_browsers PREFIX.

# A stored connection value: FLAGS and SERVER, as "reg add" takes REG_BINARY.
connection_value() {  # FLAGS SERVER
  local server=$2 hex
  word() { printf '%02x%02x%02x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }
  hex=$(word 70)$(word 1)$(word "$1")$(word ${#server})$(printf '%s' "$server" | od -An -tx1 | tr -d ' \n')
  echo "$hex$(word 5)$(printf local | od -An -tx1 | tr -d ' \n')$(word 0)"
}

seed_browsers() {  # PREFIX
  local prefix=$1 drive=$1/drive_c user
  user=$(id -un)
  _reg() { hush_wine_in_prefix "$prefix" "$HUSH_WINE" reg add "$@" /f >/dev/null 2>&1; }
  local connections='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings\Connections'
  _reg "$connections" /v Office /t REG_BINARY /d "$(connection_value 3 http=Hushwall:8100)"
  _reg "$connections" /v Home /t REG_BINARY /d "$(connection_value 1 '')"
  mkdir -p "$drive/Opera6" "$drive/Opera7/profile"
  : >"$drive/Opera6/Opera.exe"
  : >"$drive/Opera7/Opera.exe"
  printf '[Proxy]\r\nUse HTTP=1\r\nHTTP Server=Hushwall:8100\r\n' >"$drive/Opera6/opera6.ini"
  printf '[System]\r\nMulti User=0\r\n' >"$drive/Opera7/OperaDef6.ini"
  printf '[User]\r\nName=me\r\n[Proxy]\r\nUse HTTP=0\r\n' >"$drive/Opera7/profile/opera6.ini"
  _reg 'HKCU\Software\Opera Software' /v 'Last CommandLine' /d 'C:\Opera6\Opera.exe'
  _reg 'HKCU\Software\Opera Software' /v 'Last Directory2' /d 'C:\Opera7'
  local mozilla="$drive/Documents and Settings/$user/Application Data/Mozilla/Profiles/default/k4x2.slt"
  mkdir -p "$mozilla"
  printf '// Mozilla User Preferences\nuser_pref("browser.x", 1);\n' >"$mozilla/prefs.js"
  _reg 'HKCU\Software\Mozilla\Mozilla\1.7' /v Version /d 1.7
  local firefox_root="$drive/users/$user/AppData/Roaming/Mozilla/Firefox"
  mkdir -p "$firefox_root/Profiles/t1.default-release"
  printf '// Mozilla User Preferences\n' >"$firefox_root/Profiles/t1.default-release/prefs.js"
  printf '[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/t1.default-release\n' \
    >"$firefox_root/profiles.ini"
}
