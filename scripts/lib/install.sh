# Lays out an installation of the main program inside a Wine prefix, the way
# the installer does. Source after common.sh and wine.sh.

# The program folder as Windows sees it, and on the Linux side.
HUSH_INSTALL_WINDOWS_DIR='C:\Hushwall'
hush_install_dir() { echo "$1/drive_c/Hushwall"; }  # PREFIX

# The folder the setup program records for the whole machine, then the
# values PopHush writes under HKCU\Software\Hushwall at a user's first start
# (written here so that a test can change them before that start).
hush_install_registry() {  # PREFIX [LANGUAGE]
  local key='HKCU\Software\Hushwall'
  _reg() { hush_wine_in_prefix "$1" "$HUSH_WINE" reg add "$key" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
  hush_wine_in_prefix "$1" "$HUSH_WINE" reg add 'HKLM\Software\Hushwall' /v Path /t REG_SZ \
    /d "$HUSH_INSTALL_WINDOWS_DIR" /f >/dev/null 2>&1
  _reg "$1" Language REG_SZ "${2:-English}"
  _reg "$1" "Blocked Popups" REG_SZ 0
  _reg "$1" "User Wav Path" REG_SZ "$HUSH_INSTALL_WINDOWS_DIR\\Sounds\\Default.wav"
  _reg "$1" FirstRun REG_DWORD 1
  _reg "$1" ShowAtStart REG_DWORD 1
}

# The folder where PopHush keeps the files it changes for the user
# (%APPDATA%\Hushwall), on the Linux side.
hush_user_data_dir() { echo "$1/drive_c/users/$(id -un)/AppData/Roaming/Hushwall"; }  # PREFIX

# The user's settings file, made from the installed default as PopHush's
# first start would when the user has none yet: tests edit this one.
hush_settings_file() {  # PREFIX
  local dir
  dir=$(hush_user_data_dir "$1")
  if [ ! -f "$dir/HushINI.ini" ]; then
    mkdir -p "$dir"
    cp "$(hush_install_dir "$1")/HushINI.ini" "$dir/HushINI.ini"
  fi
  echo "$dir/HushINI.ini"
}

# The program folder and the hosts file as a user without elevation meets
# them: the running program can change neither (chattr +i: Wine here runs as
# root, who could otherwise write anything).
hush_lock_installation() {  # PREFIX
  chattr -R +i "$(hush_install_dir "$1")" "$1/drive_c/windows/system32/drivers/etc/hosts"
}
hush_unlock_installation() {  # PREFIX
  chattr -R -i "$(hush_install_dir "$1")" "$1/drive_c/Program Files/Hushwall" \
    "$1/drive_c/windows/system32/drivers/etc/hosts" 2>/dev/null || true
}

# Copies the program, its controls, assets and help file, registers the
# controls, makes the hosts entry and its backup and writes the installer's
# registry values, as the setup program would, for a user who has not run
# the program yet (what an earlier test's run kept for the user goes); then
# the program folder and the hosts file are locked (see
# hush_lock_installation) unless HUSH_INSTALL_WRITABLE is set. PORT (if
# given) replaces PopupPort. HUSH_SPLASH_DURATION (milliseconds), when set,
# shortens the splash.
hush_install_program() {  # PREFIX BUILD-DIR [PORT]
  local dir
  dir=$(hush_install_dir "$1")
  hush_unlock_installation "$1"
  rm -rf "$(hush_user_data_dir "$1")"
  mkdir -p "$dir"
  rm -f "$dir/mHosts"  # the hosts backup of an earlier test's installation
  cp "$2/app/PopHush.exe" "$2/app/WebScrub.dll" "$2/skin/HushSkin.dll" "$2/assets/HushBlk.js" "$dir/"
  cp "$2/assets/HushSkn.skn" "$2/assets/popup.skn" "$2/assets/splash.bmp" "$dir/"
  cp "$2/assets/hostse" "$2/assets/hostsd" "$dir/"
  cp -r "$2/assets/Language" "$2/assets/Flags" "$2/assets/Sounds" "$2/assets/PopUp.wav" "$dir/"
  mkdir -p "$dir/Help"
  cp "$2/Help/HushHlp.chm" "$dir/Help/"
  if [ -n "${HUSH_SPLASH_DURATION:-}" ]; then
    sed "s/^Duration=.*\r\$/Duration=$HUSH_SPLASH_DURATION\r/" "$2/assets/splash.spl" >"$dir/splash.spl"
  else
    cp "$2/assets/splash.spl" "$dir/"
  fi
  hush_wine_in_prefix "$1" "$HUSH_WINE" regsvr32 /s "$HUSH_INSTALL_WINDOWS_DIR\\HushSkin.dll" \
    >/dev/null 2>&1 || { echo "registering HushSkin.dll failed" >&2; return 1; }
  if [ -n "${3:-}" ]; then
    sed "s/^PopupPort=.*\r\$/PopupPort=$3\r/" "$2/assets/HushINI.ini" >"$dir/HushINI.ini"
  else
    cp "$2/assets/HushINI.ini" "$dir/"
  fi
  hush_wine_in_prefix "$1" "$HUSH_WINE" "$HUSH_INSTALL_WINDOWS_DIR\\PopHush.exe" /hosts install \
    </dev/null >/dev/null 2>&1 || { echo "the hosts entry could not be made" >&2; return 1; }
  hush_install_registry "$1"
  [ -n "${HUSH_INSTALL_WRITABLE:-}" ] || hush_lock_installation "$1"
}

# Where the setup program installs, as Windows sees it.
HUSH_SETUP_WINDOWS_DIR='C:\Program Files\Hushwall'

# Installs with the setup program itself, silently, as a user would.
hush_install_with_setup() {  # PREFIX BUILD-DIR
  cp "$2/HushwallSetup.exe" "$1/drive_c/"
  timeout 180 env WINEPREFIX="$1" TMPDIR="$1/tmp" "$HUSH_WINE" 'C:\HushwallSetup.exe' /S \
    </dev/null >/dev/null 2>&1 9>&- || { echo "the setup program failed" >&2; return 1; }
}

# Internet Explorer's LAN settings in PREFIX pointing at the proxy, as the
# set-up wizard leaves them: start-up then finds a configured browser, keeps
# pop-up catching on and has no browser to warn about.
hush_point_internet_explorer_at_proxy() {  # PREFIX
  local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
  hush_wine_in_prefix "$1" "$HUSH_WINE" reg add "$key" /v ProxyEnable /t REG_DWORD /d 1 /f >/dev/null 2>&1
  hush_wine_in_prefix "$1" "$HUSH_WINE" reg add "$key" /v ProxyServer /t REG_SZ \
    /d 'http=Hushwall:8100' /f >/dev/null 2>&1
  hush_wine_in_prefix "$1" "$HUSH_WINE" reg add 'HKCU\Software\Hushwall\Proxy Setting' \
    /v 'Lan Is Configured' /t REG_DWORD /d 1 /f >/dev/null 2>&1
}
