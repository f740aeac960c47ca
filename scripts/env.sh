# Sourced by the other scripts: where the Wine prefix lives and how Wine is run.
: "${KELM_WINEPREFIX:=${XDG_CACHE_HOME:-$HOME/.cache}/kelm-wine}"
export WINEPREFIX="$KELM_WINEPREFIX"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
KELM_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
: "${KELM_BUILD:=$KELM_ROOT/build}"
export KELM_ROOT KELM_BUILD
