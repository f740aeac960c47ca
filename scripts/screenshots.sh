#!/usr/bin/env bash
# Regenerates the README's pictures: runs the demo gallery headless (scripts/demo.sh) and writes one
# palette-reduced PNG per screenshot to docs/screenshots/, each under 100 KB.
set -euo pipefail
source "$(dirname "$0")/env.sh"
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
env -u DISPLAY bash "$KELM_ROOT/scripts/demo.sh" "$shots"
dest="$KELM_ROOT/docs/screenshots"
mkdir -p "$dest"
rm -f "$dest"/*.png
for f in "$shots"/*.png; do
  out="$dest/$(basename "$f")"
  convert "$f" -strip -colors 128 "PNG8:$out"
  size=$(stat -c %s "$out")
  [ "$size" -lt 102400 ] || { echo "screenshots: $out is $size bytes (limit 100 KB)" >&2; exit 1; }
done
echo "screenshots: $(ls "$dest"/*.png | wc -l) pictures in $dest"
