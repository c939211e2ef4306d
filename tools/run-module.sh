#!/usr/bin/env bash
# The module's main job: builds KVOrKeyboard.dmt and runs it under Wine on a
# virtual display (or the desktop in DISPLAY). Arguments go to the host,
# e.g. tools/run-module.sh --list
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target KVOrKeyboard
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
module=build/win/modules/src/windows/diag/kvorkeyboard/app/KVOrKeyboard.dmt
set +e
wine "$module" "$@"
code=$?
set -e
echo "KVOrKeyboard.dmt exited with $code"
exit "$code"
