#!/usr/bin/env bash
# The module's main job. Builds KVOrKeyboard.dmt with its texts, images and
# layout libraries and runs it under Wine:
#   tools/run-module.sh              the interactive keyboard test on the standard
#                                    104-key keyboard. On a desktop (DISPLAY set) the
#                                    window is for the person at the keyboard; without
#                                    a display a scripted operator presses every key on
#                                    a virtual display and passes the test.
#   tools/run-module.sh ARGS...      the host's own command line (see docs/host.md),
#                                    e.g. --list or --test SimpleKeyboardTest
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target KVOrKeyboard WindowProbe

had_display="${DISPLAY:-}"
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT

if [ $# -gt 0 ]; then
    set +e
    wine build/win/modules/src/windows/diag/kvorkeyboard/app/KVOrKeyboard.dmt "$@"
    code=$?
    set -e
    echo "KVOrKeyboard.dmt exited with $code"
    exit "$code"
fi

results="$root/build/win/main-job"
rm -rf "$results"
if [ -n "$had_display" ]; then
    python3 tools/e2e/main_job.py build/win "$results" --person
else
    python3 tools/e2e/main_job.py build/win "$results"
fi
