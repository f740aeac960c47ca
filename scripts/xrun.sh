#!/usr/bin/env bash
# Runs a command with a display (a private 24-bit Xvfb when there is none) and one persistent
# wineserver for the prefix of KELM_ARCH, then stops both. Exit status: the command's.
set -uo pipefail
source "$(dirname "$0")/env.sh"
kelm_use_arch "$KELM_ARCH" || exit 1

xvfb_pid=""
if [ -z "${DISPLAY:-}" ] || [ -n "${KELM_FORCE_XVFB:-}" ]; then
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
    # Two runs may pick the same free number at once: the display is ours only when the server
    # that holds its lock is the one started here.
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ] &&
       [ "$(tr -d ' \n' < "/tmp/.X$n-lock" 2>/dev/null)" = "$xvfb_pid" ]; then
      export DISPLAY=":$n"; break
    fi
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  [ -n "$xvfb_pid" ] || { echo "xrun: could not start Xvfb" >&2; exit 1; }
fi

wineserver -p
wine cmd /c exit >/dev/null 2>&1

"$@"
rc=$?

wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
exit $rc
