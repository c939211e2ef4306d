#!/usr/bin/env bash
# Photographs the frame with the simple test page after a few keystrokes, as
# the layout check in the chooser's tests leaves it, into
# build/win/screenshots/. Look at the picture: nothing may be cut or overlap.
# Usage: tools/screenshot-simple-test.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win --target kvorkeyboard_chooser_tests >/dev/null
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
tests=build/win/modules/src/windows/diag/kvorkeyboard/chooser/kvorkeyboard_chooser_tests.exe
out=build/win/screenshots
mkdir -p "$out"

KVO_SCREENSHOT_HOLD_MS=4000 wine "$tests" --gtest_filter='FrameLayoutTest.*' >"$out/layout-test.log" 2>&1 &
runner=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^KeyboardInteractiveTest$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the frame did not appear" >&2; exit 1; }
sleep 1.5  # let the page paint its keystrokes
import -window "$window" "$out/SimpleKeyboardTest-en.png"
wait "$runner"
echo "$out/SimpleKeyboardTest-en.png"
