#!/usr/bin/env bash
# The module under the real host, as a diagnostics suite would drive it. The
# listing is the one place that pins what the module registers: its tests
# with their parameters, every parameter, the events. Then one run with its
# reports and log. (The catalogs' texts are checked by the registration's tests, the
# host's own parameter checks by its tests.)
# Usage: host-end-to-end.sh <wine runner> <KVOrKeyboard.dmt> <scratch folder>
set -u
runner=$1 module=$2 scratch=$3
rm -rf "$scratch" && mkdir -p "$scratch"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
has() { grep -q -- "$2" "$1" || fail "$(basename "$1") lacks '$2': $(head -c 2000 "$1")"; }

# Runs the module (a Windows program reads "/x" as a folder of drive C:; Z: is
# the Unix root); its output, without Wine's CRs, lands in $scratch/out and err.
run() {
    "$runner" "$module" "$@" --results "Z:$scratch/results" >"$scratch/out" 2>"$scratch/err"
    code=$?
    sed -i 's/\r$//' "$scratch/out" "$scratch/err"
}
expect_code() { [ "$code" -eq "$1" ] || fail "$2: exit code $code, expected $1 (stderr: $(cat "$scratch/err"))"; }

run --list
expect_code 0 "--list"
diff -u - "$scratch/out" <<'LIST' || fail "--list output differs"
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

run --version
[ "$(cat "$scratch/out")" = "5.0.000000001" ] || fail "--version printed '$(cat "$scratch/out")'"

# A device without the keyboard capability makes every run an internal error
# before any dialog opens, so this run needs nobody at the keyboard.
run --device-without-keyboard --test SimpleKeyboardTest --log "Z:$scratch/log" --param bUseSimpleUi=yes --language de
expect_code 3 "a run whose test reports an internal error"
has "$scratch/out" '^INTERNALERROR SimpleKeyboardTest '
has "$scratch/results/results.json" '"bUseSimpleUi": "yes"'
has "$scratch/log" "sticky keys"  # Wine refuses to change the accessibility keys: the guard's failure path logs

[ "$failures" -eq 0 ] && echo "all end-to-end checks passed"
exit "$failures"
