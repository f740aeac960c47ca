#!/usr/bin/env bash
# Installs the SDK into a temporary prefix, configures and builds the consumer project against it
# with find_package, and runs the consumer with only the SDK's bin/ on its DLL path.
set -euo pipefail
build="$1"; src="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/sdk" >/dev/null
cmake -S "$src/tests/sdk/consumer" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-i686-mingw.cmake" \
      -DCMAKE_PREFIX_PATH="$work/sdk" >/dev/null
cmake --build "$work/build" >/dev/null
for f in "$work/sdk/include/kelm/kelm.h" "$work/sdk/include/tapkey/tapkey.h" "$work/sdk/include/afxwin.h" \
         "$work/sdk/lib/cmake/Kelm/KelmConfig.cmake" "$work/sdk/lib/cmake/Tapkey/TapkeyConfig.cmake"; do
  [ -f "$f" ] || { echo "missing from the SDK: ${f#$work/sdk/}"; exit 1; }
done
exe="$work/build/sdk_consumer.exe"
# Only the SDK's bin/ serves the DLLs: nothing from the build tree.
source "$src/scripts/env.sh"
WINEPATH="$(echo "Z:$work/sdk/bin" | tr / '\\')" wine "$exe"
