#!/usr/bin/env bash
# Emulator for cross-compiled programs: runs a Windows executable under Wine, in the prefix and
# with the loader of the executable's own architecture.
source "$(dirname "$0")/../scripts/env.sh"
exe="$1"; shift
kelm_use_arch "$(kelm_pe_arch "$exe" || echo "$KELM_ARCH")" || exit 1
export WINEPATH="$(dirname "$exe")${WINEPATH:+;$WINEPATH}"
exec "$WINELOADER" "$exe" "$@"
