#!/usr/bin/env bash
# Runs the gallery headless into a temporary folder and checks that every page wrote its
# screenshot (a 24-bit BMP of a plausible size).
set -euo pipefail
exe="$1"; src="$2"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
source "$src/scripts/env.sh"
"$src/cmake/wine-run.sh" "$exe" --shots "Z:${out//\//\\}" 2>/dev/null
pages=$(grep -l "DemoPageRegistrar" "$src"/demo/*Page.cpp | wc -l)
shots=$(ls "$out"/*.bmp 2>/dev/null | wc -l)
echo "demo: $shots screenshots for $pages pages"
[ "$shots" -eq "$pages" ] || exit 1
for f in "$out"/*.bmp; do
  size=$(stat -c %s "$f")
  [ "$size" -gt 100000 ] || { echo "demo: $f is too small ($size bytes)"; exit 1; }
done
