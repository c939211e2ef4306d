#!/usr/bin/env bash
# Proves that the suite catches faults: applies each deliberate fault listed in
# tools/faults/*.faults alone, rebuilds only the tests its entry names, runs
# them, and reports which test failed (or MISSED when none did). The tree is
# restored after every fault, whatever happens. Not part of CI: the whole list
# takes a while (docs/testing.md gives the last result).
# Usage: tools/fault-check.sh [fault-id ...]   (no ids: every fault)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
wanted=" $* "

# An entry is a block:
#   [ID] what the fault is
#   file: path of the source to break
#   find: text that occurs exactly once in that file
#   replace: the text put in its place
#   run: native|win <test target>[,<target>...] <ctest name regex>
ids=(); files=(); finds=(); replaces=(); configs=(); targets=(); patterns=(); titles=()
add_entry() {
    [ -n "$id" ] || return 0
    [ "$wanted" = "  " ] || [[ "$wanted" == *" $id "* ]] || return 0
    ids+=("$id"); titles+=("$title"); files+=("$file"); finds+=("$find"); replaces+=("$replace")
    read -r c t p <<<"$run"
    configs+=("$c"); targets+=("${t//,/ }"); patterns+=("$p")
}
id=""
for list in tools/faults/*.faults; do
    while IFS= read -r line || [ -n "$line" ]; do
        case "$line" in
            "["*"]"*) add_entry; id="${line%%]*}"; id="${id#[}"; title="${line#*] }"
                      file=""; find=""; replace=""; run="" ;;
            file:*) file="${line#file: }" ;;
            find:*) find="${line#find: }" ;;
            replace:*) replace="${line#replace:}"; replace="${replace# }" ;;
            run:*) run="${line#run: }" ;;
        esac
    done <"$list"
    add_entry; id=""
done
[ ${#ids[@]} -gt 0 ] || { echo "fault-check: no fault matches '$*'" >&2; exit 2; }

# Replaces the one occurrence of find in file; fails when there is none or more than one.
apply_fault() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
path, find, replace = sys.argv[1:]
text = open(path, encoding="utf-8").read()
n = text.count(find)
if n != 1:
    sys.exit(f"{path}: the fault's text occurs {n} times, not once: {find!r}")
open(path, "w", encoding="utf-8").write(text.replace(find, replace))
PY
}

need_win=no; need_native=no
for c in "${configs[@]}"; do [ "$c" = win ] && need_win=yes; [ "$c" = native ] && need_native=yes; done
if [ $need_native = yes ] && [ ! -f build/native/build.ninja ]; then
    cmake -S . -B build/native -G Ninja -DKVO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
if [ $need_win = yes ]; then
    [ -f build/win/build.ninja ] ||
        cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
              -DCMAKE_BUILD_TYPE=Release >/dev/null
    source tools/wine-session.sh build/win
fi
restore=""
cleanup() {
    [ -z "$restore" ] || git checkout -q -- "$restore"
    [ $need_win = no ] || kvo_end_wine_session
}
trap cleanup EXIT

# Every named test must pass on the unbroken tree, or a "catch" would mean nothing.
declare -A checked=()
for i in "${!ids[@]}"; do
    key="${configs[$i]} ${targets[$i]} ${patterns[$i]}"
    [ -z "${checked[$key]:-}" ] || continue
    checked[$key]=1
    cmake --build "build/${configs[$i]}" --target ${targets[$i]} >/dev/null
    ctest --test-dir "build/${configs[$i]}" -R "${patterns[$i]}" --timeout 120 >/dev/null ||
        { echo "fault-check: '${patterns[$i]}' fails on the unbroken tree" >&2; exit 2; }
done

log=build/fault-check; mkdir -p "$log"
caught=0; missed=0
printf '| fault | caught by |\n|---|---|\n'
for i in "${!ids[@]}"; do
    f="${files[$i]}"; dir="build/${configs[$i]}"
    git diff --quiet -- "$f" || { echo "fault-check: $f has local changes; commit or stash them" >&2; exit 2; }
    restore="$f"
    apply_fault "$f" "${finds[$i]}" "${replaces[$i]}"
    result=""
    if ! cmake --build "$dir" --target ${targets[$i]} >"$log/${ids[$i]}.build" 2>&1; then
        result="**INVALID**: it does not compile (a fault must build and run)"; missed=$((missed + 1))
    elif ! ctest --test-dir "$dir" -R "${patterns[$i]}" --timeout 120 >"$log/${ids[$i]}.test" 2>&1; then
        # CTest's list of failures; a parameterised test's name is followed by its parameter.
        result=$(grep -oE '^[[:space:]]+[0-9]+ - [^ ]+ .*\(Failed|Timeout\)$' "$log/${ids[$i]}.test" |
                 sed -E 's/^[[:space:]]+[0-9]+ - ([^ ]+) .*/\1/' | head -n 3 | paste -sd, - | sed 's/,/, /g')
        [ -n "$result" ] || result="a failing test run (see $log/${ids[$i]}.test)"
    fi
    git checkout -q -- "$f"; restore=""
    if [ -z "$result" ]; then missed=$((missed + 1)); result="**MISSED**"
    elif [[ "$result" != "**INVALID**"* ]]; then caught=$((caught + 1)); fi
    printf '| %s %s | %s |\n' "${ids[$i]}" "${titles[$i]}" "$result"
done
# Leave the test programs built from the unbroken sources again.
for i in "${!ids[@]}"; do
    cmake --build "build/${configs[$i]}" --target ${targets[$i]} >/dev/null
done
echo
echo "$caught caught, $missed missed or invalid"
[ "$missed" -eq 0 ]
