# Shared Wine helpers for the scripts and the test wrapper. Source this file.
# A prefix is made once per test run, headless, as Windows XP x64, with one
# persistent wine server so that each program starts quickly.

HUSH_WINE=/usr/lib/wine/wine64
HUSH_WINESERVER=/usr/lib/wine/wineserver64

# Quiet Wine unless the caller asked for its traces.
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko install prompts in a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Wine's own processes outlive the command that started them: they get no
# standard input and never the lock descriptor (9), which they would hold.
hush_wine_in_prefix() {  # PREFIX COMMAND...
  local prefix=$1; shift
  # Debian's Wine keeps its server socket under TMPDIR: every call for a
  # prefix must use the same one, inside the prefix.
  TMPDIR=$prefix/tmp WINEPREFIX=$prefix "$@" </dev/null 9>&-
}

# Creates PREFIX (if it is not there yet) and starts its persistent server.
# DRIVER is "null" (headless) or "x11" (a real display).
hush_wine_prefix_create() {  # PREFIX [DRIVER]
  local prefix=$1 driver=${2:-null}
  mkdir -p "$prefix/tmp"
  (
    exec 9>"$prefix.lock"
    flock 9
    if [ ! -f "$prefix/.hush-ready" ]; then
      hush_wine_in_prefix "$prefix" "$HUSH_WINE" wineboot -i >"$prefix/boot.log" 2>&1
      hush_wine_in_prefix "$prefix" "$HUSH_WINE" reg add 'HKCU\Software\Wine\WineDbg' \
        /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$prefix/boot.log" 2>&1
      if [ "$driver" = null ]; then
        hush_wine_in_prefix "$prefix" "$HUSH_WINE" reg add 'HKCU\Software\Wine\Drivers' \
          /v Graphics /d null /f >>"$prefix/boot.log" 2>&1
      fi
      hush_wine_in_prefix "$prefix" "$HUSH_WINE" winecfg -v winxp64 >>"$prefix/boot.log" 2>&1
      # Driver settings take effect with a new server.
      hush_wine_in_prefix "$prefix" "$HUSH_WINESERVER" -k >/dev/null 2>&1 || true
      hush_wine_in_prefix "$prefix" "$HUSH_WINESERVER" -w >/dev/null 2>&1 || true
      touch "$prefix/.hush-ready"
    fi
    # Starts the persistent server; says so and fails when one already runs.
    hush_wine_in_prefix "$prefix" "$HUSH_WINESERVER" -p >/dev/null 2>&1 || true
  ) || return 1
}

# Ends every Wine process of PREFIX and removes it.
hush_wine_prefix_remove() {  # PREFIX
  local prefix=$1
  [ -d "$prefix" ] || return 0
  hush_wine_in_prefix "$prefix" "$HUSH_WINESERVER" -k >/dev/null 2>&1 || true
  hush_wine_in_prefix "$prefix" "$HUSH_WINESERVER" -w >/dev/null 2>&1 || true
  # A test may have left an installation locked against writes.
  chattr -R -i "$prefix/drive_c/Hushwall" "$prefix/drive_c/Program Files/Hushwall" \
    "$prefix/drive_c/windows/system32/drivers/etc/hosts" 2>/dev/null || true
  rm -rf "$prefix" "$prefix.lock"
}

# Runs a Windows program in PREFIX. Its output goes through files, never
# through the caller's pipes: Wine's background processes would keep a pipe
# open for ever. CR bytes of the Windows line ends are removed.
hush_wine_run() {  # PREFIX PROGRAM ARGS...
  local prefix=$1; shift
  local out err pid rc
  out=$(mktemp "$prefix/tmp/out.XXXXXX") err=$(mktemp "$prefix/tmp/err.XXXXXX")
  TMPDIR=$prefix/tmp WINEPREFIX=$prefix "$HUSH_WINE" "$@" </dev/null >"$out" 2>"$err" 9>&- &
  pid=$!
  tail -f -s 0.05 --pid=$pid "$out" | tr -d '\r'
  wait $pid
  rc=$?
  tr -d '\r' <"$err" >&2
  rm -f "$out" "$err"
  return $rc
}
