#!/usr/bin/env bash
# Usage: alsa_capture.sh <file name> <emulator> <exe> [args...]
# Runs the exe with ALSA's default device replaced by a file in a fresh folder (the `file` plugin
# over a `null` device; "%r" in the file name makes one file per sample rate). The exe finds the
# folder through KELM_CAPTURE_DIR and the file through KELM_CAPTURE_FILE.
set -u
name="$1"; emulator="$2"; exe="$3"; shift 3
dir="$(mktemp -d /tmp/kelm-capture.XXXXXX)" || exit 1
trap 'rm -rf "$dir"' EXIT
cat > "$dir/asound.conf" <<CONF
pcm.!default { type file  slave { pcm { type null } }  file "$dir/$name"  format "wav" }
CONF
export ALSA_CONFIG_PATH="$dir/asound.conf"
export KELM_CAPTURE_DIR="$dir"
export KELM_CAPTURE_FILE="$dir/$name"
"$emulator" "$exe" "$@"
