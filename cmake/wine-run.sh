#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix. tools/wine-env.sh
# prepares the prefix and a warm wineserver; without them the first start is slow
# and leaves services holding the caller's output pipe.
set -eu
: "${WINEPREFIX:=${KVO_WINEPREFIX:-$HOME/.kvo-wine}}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
