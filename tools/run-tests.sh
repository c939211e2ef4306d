#!/usr/bin/env bash
# Builds everything and runs every test: the portable libraries natively with
# AddressSanitizer and UBSan, the Windows build under Wine on a virtual display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
tools/install-deps.sh

echo "== Native build (ASan, UBSan)"
cmake -S . -B build/native -G Ninja -DKVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native
ctest --test-dir build/native --output-on-failure -j2

echo "== Windows build, tests under Wine"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DKVO_HOST_KBLMAKE="$root/build/native/tools/kblmake/kblmake" >/dev/null
cmake --build build/win
echo "Wine: $(wine --version 2>/dev/null)"
source tools/wine-session.sh build/win
trap kvo_end_wine_session EXIT
ctest --test-dir build/win --output-on-failure -j2
