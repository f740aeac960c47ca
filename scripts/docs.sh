#!/usr/bin/env bash
# Builds the API reference of the SDK's public headers (Kelm and Tapkey, as installed) with Doxygen:
# build/docs/html/index.html. Fails, listing them, when a public class or member is undocumented.
# Usage: scripts/docs.sh [configured build directory]  (default: configures build/docs/cmake)
set -euo pipefail
source "$(dirname "$0")/env.sh"
command -v doxygen >/dev/null || bash "$KELM_ROOT/scripts/setup.sh" --packages

out="${KELM_DOCS_OUT:-$KELM_ROOT/build/docs}"
build="${1:-}"
if [ -z "$build" ]; then
  build="$out/cmake"
  kelm_use_arch x86_64
  cmake -S "$KELM_ROOT" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$KELM_TOOLCHAIN" >/dev/null
fi
rm -rf "$out/sdk" "$out/html"
mkdir -p "$out"
cmake --install "$build" --component headers --prefix "$out/sdk" >/dev/null

version=$(sed -n 's/^project(Kelm VERSION \([0-9.]*\).*/\1/p' "$KELM_ROOT/CMakeLists.txt")
export KELM_DOCS_OUT="$out" KELM_DOCS_VERSION="$version" KELM_DOCS_STRIP="$out/sdk/include"
export KELM_DOCS_INPUT="$KELM_ROOT/docs/reference.md $out/sdk/include/kelm $out/sdk/include/tapkey"
export KELM_DOCS_MAINPAGE="$KELM_ROOT/docs/reference.md"
rc=0
doxygen "$KELM_ROOT/docs/Doxyfile" || rc=$?
if [ -s "$out/warnings.txt" ] || [ "$rc" -ne 0 ]; then
  sed "s|$out/sdk/include/||" "$out/warnings.txt"
  echo "docs: $(wc -l < "$out/warnings.txt") warnings (undocumented public classes or members, or doc errors)" >&2
  exit 1
fi
pages=$(ls "$out/html"/class*.html | grep -v -e '-members\.html$' -e '/classes\.html$' | wc -l)
echo "docs: $out/html/index.html ($pages class pages)"
