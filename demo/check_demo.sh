#!/usr/bin/env bash
# Runs the gallery headless into a temporary folder and checks that every page wrote its
# screenshot and the gallery frame its own ones (24-bit BMPs of a plausible size).
set -euo pipefail
exe="$1"; src="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
source "$src/scripts/env.sh"
"$src/cmake/wine-run.sh" "$exe" --shots "Z:${out//\//\\}" 2>/dev/null
# One screenshot per registered page, and these of the frame around them.
frame_shots="09_frame_active 09_frame_inactive 09_frame_maximized 09_frame_floating 10_splitter 10_splitter_tracking"
pages=$(grep -l "DemoPageRegistrar" "$src"/demo/*Page.cpp | wc -l)
frames=$(echo $frame_shots | wc -w)
shots=$(ls "$out"/*.bmp 2>/dev/null | wc -l)
echo "demo: $shots screenshots for $pages pages and $frames of the frame"
for name in $frame_shots; do
  [ -e "$out/$name.bmp" ] || { echo "demo: no $name.bmp"; exit 1; }
done
[ "$shots" -eq $((pages + frames)) ] || exit 1
for f in "$out"/*.bmp; do
  size=$(stat -c %s "$f")
  [ "$size" -gt 100000 ] || { echo "demo: $f is too small ($size bytes)"; exit 1; }
done
