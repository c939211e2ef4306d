#!/usr/bin/env bash
# Prints how long a key takes from SendInput to the running module's screen
# under Wine: to its history line in the simple test (and a burst of 1,000
# keystrokes), and to its key vanishing from the layout test's picture.
# Usage: tools/bench-key-latency.sh [keys timed in the simple test]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win -j2 --target KVOrKeyboard WindowProbe KeyLatencyBench >/dev/null
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
python3 tools/bench/key_latency.py build/win "${1:-100}"
