#!/usr/bin/env bash
# Usage: capture.sh <emulator> <sonet_capture.exe> [args...]
# Runs the capture tests with ALSA's default device replaced by a file (the `file` plugin over a
# `null` device); the tests find that file through SONET_CAPTURE.
set -u
emulator="$1"; exe="$2"; shift 2
dir="$(mktemp -d /tmp/sonet-capture.XXXXXX)" || exit 1
trap 'rm -rf "$dir"' EXIT
cat > "$dir/asound.conf" <<CONF
pcm.!default { type file  slave { pcm { type null } }  file "$dir/played.wav"  format "wav" }
CONF
export ALSA_CONFIG_PATH="$dir/asound.conf"
export SONET_CAPTURE="$dir/played.wav"
"$emulator" "$exe" "$@"
