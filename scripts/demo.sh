#!/usr/bin/env bash
# Sets up what is missing, builds, and runs the demo gallery. Without a display it runs under a
# private Xvfb and writes a PNG screenshot of each window to the folder it names (default: out/).
set -euo pipefail
source "$(dirname "$0")/env.sh"
out="$(realpath -m "${1:-$KELM_ROOT/out}")"
bash "$KELM_ROOT/scripts/setup.sh"
cmake -S "$KELM_ROOT" -B "$KELM_BUILD" -DCMAKE_TOOLCHAIN_FILE="$KELM_ROOT/cmake/toolchain-i686-mingw.cmake" >/dev/null
cmake --build "$KELM_BUILD" -j"$(nproc)" --target kelm_demo
mkdir -p "$out"
if [ -z "${DISPLAY:-}" ]; then
  # Headless: the gallery drives itself, writes its screenshots and exits.
  bash "$KELM_ROOT/scripts/xrun.sh" "$KELM_ROOT/cmake/wine-run.sh" "$KELM_BUILD/bin/kelm_demo.exe" --shots "Z:${out//\//\\}"
  for f in "$out"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
  done
  echo "demo: screenshots in $out:"
  ls -1 "$out"/*.png
else
  "$KELM_ROOT/cmake/wine-run.sh" "$KELM_BUILD/bin/kelm_demo.exe"
fi
