#!/usr/bin/env bash
# Runs a Windows program under Wine in the build's own prefix. tools/wine-session.sh
# prepares the prefix, a warm wineserver and the desktop process; without them the
# first start is slow and leaves services and the desktop holding the caller's
# output pipe.
set -eu
: "${WINEPREFIX:=${KVO_WINEPREFIX:-$HOME/.kvo-wine}}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec wine "$@"
