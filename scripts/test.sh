#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs the whole test suite under Wine.
# Exit status: non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/env.sh"
bash "$KELM_ROOT/scripts/setup.sh"
cmake -S "$KELM_ROOT" -B "$KELM_BUILD" -DCMAKE_TOOLCHAIN_FILE="$KELM_ROOT/cmake/toolchain-i686-mingw.cmake" >/dev/null
cmake --build "$KELM_BUILD" -j"$(nproc)"
bash "$KELM_ROOT/scripts/xrun.sh" ctest --test-dir "$KELM_BUILD" --output-on-failure --timeout 300 "$@"
