#!/usr/bin/env bash
# The module under the real host, as a diagnostics suite would drive it:
# the listing, one run with its reports and log, a start in each language
# of the catalogs, and every kind of bad input.
# Usage: host-end-to-end.sh <wine runner> <KVOrKeyboard.dmt> <scratch folder> <language>...
set -u
runner=$1 module=$2 scratch=$3
shift 3
languages=("$@")
rm -rf "$scratch" && mkdir -p "$scratch"
failures=0
# A Windows program reads "/x" as a folder of drive C:; Z: is the Unix root.
win_scratch="Z:$scratch"

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
has() { grep -q -- "$2" "$1" || fail "$(basename "$1") lacks '$2': $(head -c 2000 "$1")"; }
lacks() { ! grep -q -- "$2" "$1" || fail "$(basename "$1") has '$2': $(grep -- "$2" "$1")"; }

# Runs the module; its output (without Wine's CRs) lands in $scratch/out and $scratch/err.
run() {
    "$runner" "$module" "$@" >"$scratch/out" 2>"$scratch/err"
    code=$?
    sed -i 's/\r$//' "$scratch/out" "$scratch/err"
}
expect_code() { [ "$code" -eq "$1" ] || fail "$2: exit code $code, expected $1 (stderr: $(cat "$scratch/err"))"; }

run --list
expect_code 0 "--list"
cat >"$scratch/expected-list" <<'LIST'
Tests:
  KeyboardInteractiveTest
    szLayoutToShow STRING default ""
    bUseSimpleUi BOOLEAN default ""
    bEnablePassAfterAllPressed BOOLEAN default ""
    szDefaultTestToShow STRING default ""
  KeyboardLayoutTest
    szLayoutToShow STRING default ""
    bEnablePassAfterAllPressed BOOLEAN default ""
  SimpleKeyboardTest
    bUseSimpleUi BOOLEAN default ""
  MediaCenterKeyboardTest
Parameters:
  bSuppressKbManagerParam BOOLEAN default "" module-wide
  ResourcesPath STRING default "" module-wide
  LayoutsPath STRING default "" module-wide
  ImagesPath STRING default "" module-wide
  bForceKeyPressDefault BOOLEAN default "" module-wide
  bForceKeyPressDefaultExceptEnglish BOOLEAN default "" module-wide
  bDisableAbortKeyboardShortcut BOOLEAN default "" module-wide
  bDisablePassKeyboardShortcut BOOLEAN default "" module-wide
  bDisableFailKeyboardShortcut BOOLEAN default "" module-wide
  bDisableResetKeyboardShortcut BOOLEAN default "" module-wide
  szDefaultTestToShow STRING default "" per-test
  szLayoutToShow STRING default "" per-test
  bEnablePassAfterAllPressed BOOLEAN default "" per-test
  bUseSimpleUi BOOLEAN default "" per-test
Events:
  UserClickedFail
  InvalidLayout
  LayoutLoadFailed
LIST
diff -u "$scratch/expected-list" "$scratch/out" || fail "--list output differs"

run --version
expect_code 0 "--version"
[ "$(cat "$scratch/out")" = "5.0.000000001" ] || fail "--version printed '$(cat "$scratch/out")'"

# A device without the keyboard capability makes every run an internal error
# before any dialog opens, so these runs need nobody at the keyboard.
results="$scratch/results" log="$scratch/module.log"
run --device-without-keyboard --test SimpleKeyboardTest --results "Z:$results" --log "Z:$log" --param bUseSimpleUi=yes --language de
expect_code 3 "a run whose test reports an internal error"
has "$scratch/out" '^INTERNALERROR SimpleKeyboardTest '
has "$results/results.json" '"result": "INTERNALERROR"'
has "$results/results.json" '"bUseSimpleUi": "yes"'
has "$results/results.xml" '<testcase classname="kvorkeyboard.mlx" name="SimpleKeyboardTest"'
has "$results/results.xml" '<error type="INTERNALERROR"'
has "$log" "sticky keys"  # Wine refuses to change the accessibility keys, so the guard's failure path logs
lacks "$log" "Cannot read the text catalog"  # the catalogs are found in the folder texts beside the module

# Each language's catalog, read beside English at start-up: a bad or repeated
# line or an unreadable file would be logged by the host's catalog.
for language in "${languages[@]}"; do
    rm -f "$log"
    run --device-without-keyboard --test MediaCenterKeyboardTest --results "Z:$results" --log "Z:$log" --language "$language"
    expect_code 3 "a run in $language"
    has "$results/results.json" "\"language\": \"$language\""
    lacks "$log" "vemo5.TextCatalog"
done

printf '[parameters]\nbUseSimpleUi\n' >"$scratch/malformed.ini"
bad_inputs=(
    "--bogus"
    "--test NoSuchTest"
    "--test"
    "--language xx"
    "--param bUseSimpleUi=maybe"
    "--param bNoSuchParameter=1"
    "--settings $win_scratch/missing.ini"
    "--settings $win_scratch/malformed.ini"
)
for input in "${bad_inputs[@]}"; do
    rm -rf "$results"
    # shellcheck disable=SC2086  # each entry is a list of arguments
    run $input --results "Z:$results"
    expect_code 64 "$input"
    [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$input: expected one line on stderr, got: $(cat "$scratch/err")"
    [ ! -e "$results/results.json" ] || fail "$input: a report was written"
done

[ "$failures" -eq 0 ] && echo "all end-to-end checks passed"
exit "$failures"
