# Lays out an installation of the main program inside a Wine prefix, the way
# the installer does. Source after common.sh and wine.sh.

# The program folder as Windows sees it, and on the Linux side.
HUSH_INSTALL_WINDOWS_DIR='C:\Hushwall'
hush_install_dir() { echo "$1/drive_c/Hushwall"; }  # PREFIX

# Copies the program and its assets; PORT (if given) replaces PopupPort.
hush_install_program() {  # PREFIX BUILD-DIR [PORT]
  local dir
  dir=$(hush_install_dir "$1")
  mkdir -p "$dir"
  cp "$2/app/PopHush.exe" "$2/assets/HushBlk.js" "$dir/"
  if [ -n "${3:-}" ]; then
    sed "s/^PopupPort=.*\r\$/PopupPort=$3\r/" "$2/assets/HushINI.ini" >"$dir/HushINI.ini"
  else
    cp "$2/assets/HushINI.ini" "$dir/"
  fi
}
