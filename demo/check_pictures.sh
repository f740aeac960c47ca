#!/usr/bin/env bash
# Every gallery page has its committed picture under docs/screenshots (made by
# scripts/screenshots.sh, under 100 KB) and the README shows it.
set -euo pipefail
src="$1"
names=$(grep -ho 'DemoPageRegistrar [A-Za-z0-9_]*({"[^"]*"' "$src"/demo/*Page.cpp | sed 's/.*{"//; s/"$//')
[ -n "$names" ] || { echo "pictures: no gallery pages found"; exit 1; }
missing=0
for n in $names; do
  f="$src/docs/screenshots/$n.png"
  if [ ! -f "$f" ]; then
    echo "pictures: page $n has no docs/screenshots/$n.png (run scripts/screenshots.sh)"; missing=1; continue
  fi
  size=$(stat -c %s "$f")
  [ "$size" -lt 102400 ] || { echo "pictures: $n.png is $size bytes (limit 100 KB)"; missing=1; }
  grep -q "docs/screenshots/$n.png" "$src/README.md" || { echo "pictures: the README does not show $n.png"; missing=1; }
done
[ "$missing" -eq 0 ] && echo "pictures: $(echo "$names" | wc -w) pages, each with its picture"
exit $missing
