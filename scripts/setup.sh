#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root or with sudo) and prepares a Wine prefix for each
# architecture named (i686, x86_64; default: those this machine can run). --packages: the packages only.
# Idempotent: a second run only checks.
set -euo pipefail
source "$(dirname "$0")/env.sh"

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

# Both toolchains and both Wine loaders; wine32 installs even where the kernel cannot run it.
need=()
for p in g++-mingw-w64-i686-posix binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix \
         binutils-mingw-w64-x86-64 wine wine64 wine32:i386 xvfb xauth cmake make \
         googletest fonts-wine fonts-liberation imagemagick python3 doxygen; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

[ "${1:-}" = "--packages" ] && exit 0
archs=("$@")
if [ ${#archs[@]} -eq 0 ]; then
  for a in i686 x86_64; do kelm_cannot_run "$a" >/dev/null || archs+=("$a"); done
fi

for arch in "${archs[@]}"; do
  (
    kelm_use_arch "$arch"
    [ -f "$WINEPREFIX/.kelm-ready" ] && exit 0
    echo "setup: creating the $WINEARCH Wine prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$fonts/" 2>/dev/null || true
    cp /usr/share/fonts/truetype/liberation/*.ttf "$fonts/" 2>/dev/null || true
    for pair in "Arial:Liberation Sans" "Times New Roman:Liberation Serif" "Courier New:Liberation Mono"; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%:*}" /d "${pair#*:}" /f >/dev/null 2>&1
    done
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "setup: wineboot made no prefix in $WINEPREFIX" >&2; exit 1; }
    touch "$WINEPREFIX/.kelm-ready"
  )
done
