# Sourced by the other scripts: where builds and Wine prefixes live and how Wine is run.
#
# KELM_ARCH picks the Windows architecture: i686 (32-bit DLLs), x86_64 (64-bit DLLs) or all.
# A script that works on one architecture calls kelm_use_arch; with KELM_ARCH unset or "all" it
# takes i686 where this machine runs 32-bit programs, else x86_64.
KELM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
: "${KELM_BUILD_ROOT:=$KELM_ROOT/build}"
: "${KELM_WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/kelm-wine}"  # one prefix per architecture below it
: "${KELM_ARCH:=all}"
export KELM_ROOT KELM_BUILD_ROOT KELM_WINEPREFIX KELM_ARCH
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

: "${KELM_WINE32_LOADER:=/usr/lib/wine/wine}"
: "${KELM_WINE64_LOADER:=/usr/lib/wine/wine64}"

# Prints why this machine cannot run Windows programs of architecture $1; silent (status 0) when it can.
# The loader itself is run: a kernel without IA-32 emulation refuses it with "Exec format error".
kelm_cannot_run() {
  local loader
  case "$1" in
    i686) loader=$KELM_WINE32_LOADER ;;
    x86_64) loader=$KELM_WINE64_LOADER ;;
    *) echo "unknown architecture '$1'"; return 0 ;;
  esac
  if [ ! -x "$loader" ]; then
    echo "$loader is not installed"; return 0
  fi
  local err
  if ! err="$("$loader" --version 2>&1 >/dev/null)"; then
    err="${err%%$'\n'*}"
    echo "$loader does not run on this machine (${err##*: })"
    return 0
  fi
  return 1
}

# The architectures KELM_ARCH asks for, one per line.
kelm_requested_archs() {
  case "$KELM_ARCH" in
    all) echo i686; echo x86_64 ;;
    i686|x86_64) echo "$KELM_ARCH" ;;
    *) echo "KELM_ARCH must be i686, x86_64 or all (is '$KELM_ARCH')" >&2; return 1 ;;
  esac
}

# Sets up builds and Wine for one architecture: KELM_BUILD, KELM_TOOLCHAIN, WINEPREFIX, WINEARCH,
# WINELOADER, and a `wine` on PATH that runs that architecture's loader.
kelm_use_arch() {
  local arch="$1"
  if [ -z "$arch" ] || [ "$arch" = all ]; then
    if kelm_cannot_run i686 >/dev/null; then arch=x86_64; else arch=i686; fi
  fi
  case "$arch" in
    i686) export WINEARCH=win32 WINELOADER=$KELM_WINE32_LOADER ;;
    x86_64) export WINEARCH=win64 WINELOADER=$KELM_WINE64_LOADER ;;
    *) echo "unknown architecture '$arch' (i686 or x86_64)" >&2; return 1 ;;
  esac
  export KELM_ARCH="$arch"
  export KELM_BUILD="$KELM_BUILD_ROOT/$arch"
  export KELM_TOOLCHAIN="$KELM_ROOT/cmake/toolchain-$arch-mingw.cmake"
  export WINEPREFIX="$KELM_WINEPREFIX/$WINEARCH"
  # The wrapper scripts wine/wine-stable prefer the 32-bit loader whenever wine32 is installed;
  # wineboot and friends call them, so a shim early on PATH runs $WINELOADER instead.
  case ":$PATH:" in
    *":$KELM_ROOT/scripts/wine-shim:"*) ;;
    *) export PATH="$KELM_ROOT/scripts/wine-shim:$PATH" ;;
  esac
}

# The architecture of a Windows executable or DLL (i686 or x86_64), from its PE header.
kelm_pe_arch() {
  local off machine
  off=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$off" ] || return 1
  machine=$(od -An -tx2 -j$((off + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo i686 ;;
    8664) echo x86_64 ;;
    *) return 1 ;;
  esac
}
