# Shared helpers for the project scripts. Source this file.
set -euo pipefail

HUSH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
HUSH_JOBS=$(nproc)

hush_say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

# Installs the Debian packages that are not installed yet.
hush_require_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  hush_say "installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# What building and testing the programs needs (fp-utils: chmcmd and chmls,
# which compile and read the help file; libwine-dev: the platform's IDL
# files, from which widl makes the helper library's type library; nsis:
# makensis, which makes the setup program; the i686 compiler builds the
# 32-bit copy of the Internet Explorer helper).
HUSH_BUILD_PACKAGES=(cmake ninja-build g++ googletest
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 wine64 fp-utils
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  libwine-dev nsis)
HUSH_TEST_PACKAGES=(curl python3 procps chromium firefox-esr xvfb libnss3-tools)

# The browser tests' puppeteer-core, and acorn, which parses the blocker
# script as old browsers do; from npm.
hush_require_browser_tools() {
  command -v node >/dev/null && command -v npm >/dev/null || hush_require_packages nodejs npm
  if [ ! -d "$HUSH_ROOT/tests/browser/node_modules/puppeteer-core" ] ||
    [ ! -d "$HUSH_ROOT/tests/browser/node_modules/acorn" ]; then
    hush_say "installing puppeteer-core and acorn"
    (cd "$HUSH_ROOT/tests/browser" && npm install --no-audit --no-fund --silent)
  fi
}

# Configures and builds one tree:  hush_build_tree DIR CMAKE-ARGS...
hush_build_tree() {
  local dir=$1; shift
  cmake -S "$HUSH_ROOT" -B "$HUSH_ROOT/$dir" -G Ninja "$@" >/dev/null
  cmake --build "$HUSH_ROOT/$dir" -j "$HUSH_JOBS"
}

hush_build_windows() {
  hush_build_tree build/win -DCMAKE_TOOLCHAIN_FILE="$HUSH_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DHUSH_WARNINGS_AS_ERRORS="${HUSH_WERROR:-OFF}"
}

hush_build_native() {  # [DIR SANITIZER]
  local dir=${1:-build/native} sanitize=${2:-}
  local type=Release
  [ -n "$sanitize" ] && type=Debug
  hush_build_tree "$dir" -DCMAKE_BUILD_TYPE=$type -DHUSH_SANITIZE="$sanitize" \
    -DHUSH_WARNINGS_AS_ERRORS="${HUSH_WERROR:-OFF}"
}

# A TCP port on 127.0.0.1 that was free a moment ago.
hush_free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

# Waits up to SECONDS for something to listen on 127.0.0.1:PORT.
hush_wait_for_port() {  # PORT SECONDS
  local deadline=$((SECONDS + $2))
  until (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}
