#!/usr/bin/env bash
# Emulator for cross-compiled programs: runs a Windows executable under Wine.
source "$(dirname "$0")/../scripts/env.sh"
exe="$1"; shift
export WINEPATH="$(dirname "$exe")${WINEPATH:+;$WINEPATH}"
exec wine "$exe" "$@"
