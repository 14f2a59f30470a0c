# Shared by the scripts that test the installed programs under Wine. Source
# it with the script's arguments BUILD-DIR PREFIX: it sets $build, $prefix
# and a scratch folder $work, and ends every program started through
# start_program (or added to $pids) when the script exits.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"
. "$HUSH_ROOT/scripts/lib/wine.sh"
. "$HUSH_ROOT/scripts/lib/install.sh"
build=$1 prefix=$2
work=$(mktemp -d)
pids=()
undo=()  # commands run at exit, before the scratch folder goes
blackbox_cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for command in "${undo[@]}"; do eval "$command" || true; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap blackbox_cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
until_true() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.2; done
}
# Presses BUTTON of the box titled TITLE once it says TEXT.
answer() {  # TITLE TEXT BUTTON
  local deadline=$((SECONDS + 30))
  until [[ "$(robot texts "$1" 1 | tr -d '\r')" == *"$2"* ]]; do
    [ $SECONDS -lt $deadline ] || fail "no box \"$2\""
    sleep 0.2
  done
  robot click "$1" "$3" || fail "cannot press $3 on \"$2\""
  robot gone "$1" 10 || true
}
# Runs COMMAND with the installation unlocked, as an administrator changing
# installed files would; locked again afterwards.
as_administrator() {  # COMMAND...
  hush_unlock_installation "$prefix"
  local status=0
  "$@" || status=$?
  hush_lock_installation "$prefix"
  return $status
}
ok() { echo "ok: $*"; }

wine_quiet() { WINEPREFIX=$prefix TMPDIR=$prefix/tmp "$HUSH_WINE" "$@" </dev/null 9>&- 2>/dev/null; }
winepath_of() { echo "Z:$1" | tr / '\\'; }
robot() { wine_quiet "$(winepath_of "$build/tests/robot/robot.exe")" "$@"; }
# Ends a PopHush an earlier script left running in the prefix (its quiet
# exit): a new one would meet it as its single instance and end at once.
end_earlier_program() {
  if robot wait www.hushwall.example 0.5; then
    robot post www.hushwall.example 32790 || true
    robot gone www.hushwall.example 20 || fail "an earlier PopHush keeps running"
  fi
}
# Runs the installed PopHush.exe in the background; its pid in $program.
start_program() {
  wine_quiet "$HUSH_INSTALL_WINDOWS_DIR\\PopHush.exe" >/dev/null &
  program=$!
  pids+=("$program")
}
ended_within() {  # PID SECONDS
  local deadline=$((SECONDS + $2))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}
