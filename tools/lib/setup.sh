# Shared set-up for tools/test, tools/demo and tools/bench: packages, wine prefix, Xvfb.
# Source it; it defines functions only.

IX_APT_PACKAGES=(cmake ninja-build g++ clang pkg-config googletest libgtest-dev libgmock-dev
  libbenchmark-dev libpng-dev libjpeg-dev libtiff-dev libgif-dev libfreetype-dev
  fonts-dejavu-core g++-mingw-w64-i686 xvfb xauth python3)

ix_as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Installs the Debian packages that are missing (wine32 needs the i386 architecture).
ix_install_packages() {
  local missing=()
  for p in "${IX_APT_PACKAGES[@]}" wine wine32:i386; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || ix_as_root dpkg --add-architecture i386
  ix_as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive ix_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The wine prefix lives in the checkout's build folder: made once, kept between runs, and
# one per checkout, so that test runs of several checkouts never share a wineserver.
IX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEDEBUG=-all WINEARCH=win32 WINEPREFIX="${IX_WINEPREFIX:-$IX_ROOT/build/wine32}"

# A 32-bit wine prefix made once and kept: no mono/gecko prompts, no window manager
# stalls (Managed=N), no crash dialog that would wait forever.
ix_ensure_wine_prefix() {
  command -v wine >/dev/null || return 0
  [ -f "$WINEPREFIX/.ixcanvas-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
  wineserver -w || true
  touch "$WINEPREFIX/.ixcanvas-ready"
}

# Runs a command with its own Xvfb display (a free number Xvfb picks itself) and one
# persistent wineserver, then tears both down.
ix_with_wine() {
  local xpid rc=0 displayFile
  displayFile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayFile" >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 100); do [ -s "$displayFile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n 1 "$displayFile")"
  rm -f "$displayFile"
  wineserver -p >/dev/null 2>&1 || true
  # The first program of a session starts wine's background services, which inherit its
  # standard output; start them here, detached from any pipe a test runner waits on.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
  "$@" || rc=$?
  wineserver -k >/dev/null 2>&1 || true
  kill "$xpid" >/dev/null 2>&1 || true
  wait "$xpid" 2>/dev/null || true
  return $rc
}
