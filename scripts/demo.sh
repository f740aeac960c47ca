#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the demo gallery: the 32-bit build where this machine
# runs 32-bit programs, else the 64-bit one (KELM_ARCH=i686|x86_64 picks). Without a display it
# runs under a private Xvfb and writes a PNG screenshot of each window to the folder it names
# (default: out/).
set -euo pipefail
source "$(dirname "$0")/env.sh"
out="$(realpath -m "${1:-$KELM_ROOT/out}")"
if [ "$KELM_ARCH" != all ] && why=$(kelm_cannot_run "$KELM_ARCH"); then
  echo "demo: cannot run $KELM_ARCH: $why" >&2
  exit 1
fi
kelm_use_arch "$KELM_ARCH"
if [ "$KELM_ARCH" = x86_64 ] && why=$(kelm_cannot_run i686); then
  echo "demo: the 32-bit gallery cannot run here ($why); running the 64-bit one"
fi
bash "$KELM_ROOT/scripts/setup.sh" "$KELM_ARCH"
cmake -S "$KELM_ROOT" -B "$KELM_BUILD" -DCMAKE_TOOLCHAIN_FILE="$KELM_TOOLCHAIN" >/dev/null
cmake --build "$KELM_BUILD" -j"$(nproc)" --target kelm_demo
echo "demo: running the $KELM_ARCH gallery ($KELM_BUILD/bin/kelm_demo.exe)"
# Without a sound device ALSA would print its errors for every sound: give Wine a silent one.
if ! grep -qs '^ *[0-9]' /proc/asound/cards && [ -z "${ALSA_CONFIG_PATH:-}" ]; then
  export ALSA_CONFIG_PATH="$KELM_ROOT/scripts/alsa-null.conf"
  echo "demo: no sound device here; the Morse page plays into a silent one"
fi
mkdir -p "$out"
if [ -z "${DISPLAY:-}" ]; then
  # Headless: the gallery drives itself, writes its screenshots and exits.
  bash "$KELM_ROOT/scripts/xrun.sh" "$KELM_ROOT/cmake/wine-run.sh" "$KELM_BUILD/bin/kelm_demo.exe" --shots "Z:${out//\//\\}"
  for f in "$out"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
  done
  echo "demo: screenshots of the $KELM_ARCH gallery in $out:"
  ls -1 "$out"/*.png
else
  "$KELM_ROOT/cmake/wine-run.sh" "$KELM_BUILD/bin/kelm_demo.exe"
fi
