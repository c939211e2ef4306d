"""Real X keys through both hook kinds: types keys with xdotool into
KeyCaptureProbe and checks what each handler reported, line by line.

Usage: key_capture_check.py <KeyCaptureProbe.exe>
Needs the display and Wine prefix of tools/wine-session.sh.
"""
import itertools
import re
import sys

import kvo_e2e

# What the unit tests promise, as Wine delivers it. A run of identical lines
# (auto-repeat) counts once. Scan codes are decimal; "." in a name matches
# any name where Wine's answer differs from Windows'.
EXPECTED = {
    "lowlevel": [
        "1 30 a", "3 30 a", "4 30 a",
        "1 28 keyEnter", "4 28 keyEnter", "1 28 keyNumEnter", "4 28 keyNumEnter",
        # left and right Ctrl share one record
        "1 29 keyLeftCtrl", "3 29 keyRightCtrl", "4 29 keyLeftCtrl", "2 29 keyRightCtrl",
        "1 91 keyLeftWindows", "4 91 keyLeftWindows",
        "1 58 keyCapsLock", "4 58 keyCapsLock",
        "1 55 keyPrtScn", "4 55 keyPrtScn",
    ],
    "message": [
        "1 30 a", "3 30 a", "4 30 a",
        "1 28 keyEnter", "4 28 keyEnter", "1 284 keyNumEnter", "4 284 keyNumEnter",
        # separate records; Wine maps scan 0x11D back to the left key, so the name is not checked
        "1 29 keyLeftCtrl", "1 285 .+", "4 29 keyLeftCtrl", "4 285 .+",
        "8 347 keyLeftWindows", "4 347 keyLeftWindows",
        "1 58 keyCapsLock", "4 58 keyCapsLock",
        # Print Screen is reported on its release; Wine sends both as the same line
        "1 311 keyPrtScn",
    ],
}
# Longer than the display's auto-repeat delay (660 ms).
AUTO_REPEAT_HOLD_SECONDS = 1.2


def type_keys():
    # When Wine's lock state differs from the display's (a program before
    # this one toggled a lock key through keybd_event), Wine puts it right
    # at the next key from the display. Let that be a key nobody checks.
    kvo_e2e.xdotool("key", "Shift_L", "keydown", "a", "sleep", str(AUTO_REPEAT_HOLD_SECONDS), "keyup", "a",
                    "key", "Return", "KP_Enter",
                    "keydown", "Control_L", "keydown", "Control_R", "keyup", "Control_L", "keyup", "Control_R",
                    "key", "Super_L", "Caps_Lock", "Print",
                    # The display's lock state as it was; then Escape ends the probe.
                    "key", "Caps_Lock", "Escape")


def capture(probe, kind):
    lines = kvo_e2e.capture_keys(probe, kind, type_keys)
    # The checked keys start at the first press of "a"; what came before is
    # the warm-up key and Wine's lock-key sync.
    first = next((i for i, line in enumerate(lines) if line.startswith("1 30 ")), 0)
    lines = lines[first:]
    collapsed = [line for i, line in enumerate(lines) if i == 0 or line != lines[i - 1]]
    # The second Caps Lock only restores the display and Escape ends the probe; neither is checked.
    return collapsed[:len(EXPECTED[kind])]


def main():
    probe = sys.argv[1]
    failures = 0
    for kind, expected in EXPECTED.items():
        got = capture(probe, kind)
        ok = len(got) == len(expected) and all(re.fullmatch(e, g) for e, g in zip(expected, got))
        print(f"{kind}: {'ok' if ok else 'MISMATCH'}")
        if not ok:
            failures += 1
            for e, g in itertools.zip_longest(expected, got, fillvalue="-"):
                print(f"  expected {e!r:28} got {g!r}")
    return 1 if failures else 0

if __name__ == "__main__":
    sys.exit(main())
