#!/usr/bin/env bash
# Installs the SDK into a temporary prefix, configures and builds the consumer project against it
# with find_package for the SDK's architecture, runs the consumer with only the SDK's bin/ on its
# DLL path, and checks that a project of the other architecture is refused with a clear message.
# Usage: check_sdk.sh <build folder> <source folder> <arch> <other arch>
set -euo pipefail
build="$1"; src="$2"; arch="$3"; other="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/sdk" >/dev/null
cmake -S "$src/tests/sdk/consumer" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-$arch-mingw.cmake" \
      -DCMAKE_PREFIX_PATH="$work/sdk" >/dev/null
cmake --build "$work/build" >/dev/null
for f in "$work/sdk/include/kelm/kelm.h" "$work/sdk/include/tapkey/tapkey.h" "$work/sdk/include/afxwin.h" \
         "$work/sdk/lib/cmake/Kelm/KelmConfig.cmake" "$work/sdk/lib/cmake/Tapkey/TapkeyConfig.cmake" \
         "$work/sdk/share/tapkey/sounds/M_KROPKA.WAV" "$work/sdk/share/tapkey/sounds/M_KRESKA.WAV"; do
  [ -f "$f" ] || { echo "missing from the SDK: ${f#$work/sdk/}"; exit 1; }
done
source "$src/scripts/env.sh"
for f in "$work/sdk/bin/"*.dll "$work/build/sdk_consumer.exe"; do
  [ "$(kelm_pe_arch "$f")" = "$arch" ] || { echo "not a $arch binary: ${f#$work/}"; exit 1; }
done

# A project of the other architecture stops at find_package, naming the SDK's architecture.
if cmake -S "$src/tests/sdk/consumer" -B "$work/other" -DCMAKE_TOOLCHAIN_FILE="$src/cmake/toolchain-$other-mingw.cmake" \
         -DCMAKE_PREFIX_PATH="$work/sdk" >"$work/other.log" 2>&1; then
  echo "a $other project configured against the $arch SDK"; exit 1
fi
grep -q "this SDK is for $arch" "$work/other.log" || { echo "no clear refusal:"; cat "$work/other.log"; exit 1; }

# Only the SDK's bin/ serves the DLLs: nothing from the build tree. The consumer plays through the
# SDK's sounds into a captured wave device.
kelm_use_arch "$arch"
WINEPATH="$(echo "Z:$work/sdk/bin" | tr / '\\')" \
  bash "$src/tests/support/alsa_capture.sh" played.wav "$WINELOADER" "$work/build/sdk_consumer.exe"
