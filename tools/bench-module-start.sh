#!/usr/bin/env bash
# Prints how much the module's start and exit (registration, texts,
# parameters, the accessibility guard and its restore) add to a minimal Win32
# program under Wine, measured side by side in alternation so that all see the
# same warm wineserver and desktop. The minimal program creates and destroys
# one window; a bare process that never touches the window system is timed too,
# to show what connecting to the desktop costs any GUI program under Wine.
# Usage: tools/bench-module-start.sh [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
runs="${1:-20}"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target KVOrKeyboard MinimalWin32 BareProcess >/dev/null
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
module=build/win/modules/src/windows/diag/kvorkeyboard/app/KVOrKeyboard.dmt
minimal=build/win/tools/bench/MinimalWin32.exe
bare=build/win/tools/bench/BareProcess.exe
# Every test ends at its device check when the device has no keyboard, so a
# run is the module's start, the session callbacks and its exit, without a
# dialog waiting for a person.
reports="$(mktemp -d)"
module_args=(--device-without-keyboard --results "Z:$reports")

elapsed_ms() {
    local start end
    start=$(date +%s%N)
    wine "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

wine "$minimal" >/dev/null 2>&1 || true  # first start loads Wine's own DLLs
module_times=()
minimal_times=()
bare_times=()
for _ in $(seq "$runs"); do
    bare_times+=("$(elapsed_ms "$bare")")
    minimal_times+=("$(elapsed_ms "$minimal")")
    module_times+=("$(elapsed_ms "$module" "${module_args[@]}")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
m_min=$(median "${minimal_times[@]}")
m_mod=$(median "${module_times[@]}")
m_bare=$(median "${bare_times[@]}")
echo "runs: $runs"
echo "bare process (no window system): median ${m_bare} ms"
echo "minimal Win32 program: median ${m_min} ms"
echo "KVOrKeyboard.dmt start and exit: median ${m_mod} ms"
echo "added by the module: $((m_mod - m_min)) ms (goal: under 100 ms)"
rm -rf "$reports"
