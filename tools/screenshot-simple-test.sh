#!/usr/bin/env bash
# Photographs the frame with the simple test page after a few keystrokes, in
# English and German, as the operator sees it, into build/win/screenshots/.
# Look at the pictures: nothing may be cut or overlap.
# Usage: tools/screenshot-simple-test.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win --target KVOrKeyboard WindowProbe >/dev/null
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT

python3 - build/win <<'PY'
import pathlib
import sys

sys.path.insert(0, "tools/e2e")
import kvo_e2e

build = pathlib.Path(sys.argv[1])
out = build / "screenshots"
for language in ("en", "de"):
    with kvo_e2e.Session(build, out, ["--test", "SimpleKeyboardTest", "--language", language]) as session:
        window = session.focused_window()
        session.keys("k", "b", "Shift_L")
        kvo_e2e.xdotool("keydown", "k", "sleep", "0.8", "keyup", "k")  # a held time to show
        print(session.screenshot(window, f"SimpleKeyboardTest-{language}"))
        session.click(window, kvo_e2e.IDC_ABORT)
        session.wait()
PY
