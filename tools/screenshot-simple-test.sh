#!/usr/bin/env bash
# Photographs the frame with the simple test page after a few keystrokes, in
# English and German, as the chooser's layout check leaves it, into
# build/win/screenshots/. Look at the pictures: nothing may be cut or overlap.
# Usage: tools/screenshot-simple-test.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win --target kvorkeyboard_chooser_host_tests >/dev/null
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
tests=build/win/modules/src/windows/diag/kvorkeyboard/chooser/kvorkeyboard_chooser_host_tests.exe
texts=modules/src/windows/diag/kvorkeyboard/texts
out=build/win/screenshots
mkdir -p "$out"

for case in en:English de:German; do
    language=${case%%:*}
    # The frame's caption is the host's name for the interactive test.
    caption=$(sed -n 's/^KeyboardInteractiveTest *= *//p' "$texts/$language.txt" | tr -d '\r')
    KVO_SCREENSHOT_HOLD_MS=4000 wine "$tests" --gtest_filter="FrameLayoutTest.${case#*:}*" \
        >"$out/layout-test-$language.log" 2>&1 &
    runner=$!
    window=""
    for _ in $(seq 150); do
        window=$(xdotool search --name "^${caption}\$" 2>/dev/null | head -1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "the $language frame did not appear" >&2; exit 1; }
    sleep 1.5  # let the page paint its keystrokes
    import -window "$window" "$out/SimpleKeyboardTest-$language.png"
    wait "$runner"
    echo "$out/SimpleKeyboardTest-$language.png"
done
