#!/usr/bin/env bash
# Usage: capture.sh <emulator> <exe> [args...]
# Runs the exe with ALSA's default device replaced by files (the `file` plugin over a `null`
# device), one file per sample rate; the exe finds their folder through TAPKEY_CAPTURE.
set -u
emulator="$1"; exe="$2"; shift 2
dir="$(mktemp -d /tmp/tapkey-capture.XXXXXX)" || exit 1
trap 'rm -rf "$dir"' EXIT
cat > "$dir/asound.conf" <<CONF
pcm.!default { type file  slave { pcm { type null } }  file "$dir/played-%r.wav"  format "wav" }
CONF
export ALSA_CONFIG_PATH="$dir/asound.conf"
export TAPKEY_CAPTURE="$dir"
"$emulator" "$exe" "$@"
