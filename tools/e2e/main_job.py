"""The module's main job: the interactive keyboard test on the layout page of
the standard 104-key keyboard, with the shipped texts, layouts and images.

With --person the window is left to the person at the keyboard. Otherwise a
scripted operator presses every key of the picture once with real X
keystrokes, checks that Pass became available and passes the test. Either
way the host's results report is printed, and where the screenshots are.

Usage: main_job.py <windows build dir> <results dir> [--person]
       (inside tools/wine-session.sh)
"""
import json
import pathlib
import sys
import time

import kvo_e2e

STANDARD_KEYBOARD = pathlib.Path(__file__).resolve().parents[2] / "layouts" / "Std104Kbd.json"


def play_operator(session):
    """Presses every key and passes; the screenshots it took."""
    window = session.focused_window()
    time.sleep(kvo_e2e.START_UP_PAUSE_SECONDS)
    shots = [session.screenshot(window, "1-before-any-key")]
    session.keys(*map(kvo_e2e.keycode, kvo_e2e.identifiers(STANDARD_KEYBOARD)), delay_ms=120)
    try:
        kvo_e2e.wait_until(lambda: session.control_state(window, kvo_e2e.IDC_PASS, "enabled"),
                           "Pass becomes available: every key of the picture seen (see 2-every-key-pressed.png)")
    finally:
        shots.append(session.screenshot(window, "2-every-key-pressed"))
    session.click(window, kvo_e2e.IDC_PASS)
    return shots


def main(build_dir, results_dir, person):
    parameters = {"szDefaultTestToShow": "Keyboard Layout Test", "bEnablePassAfterAllPressed": "true"}
    with kvo_e2e.Session(build_dir, results_dir, ["--test", "KeyboardInteractiveTest"],
                         parameters=parameters) as session:
        shots = [] if person else play_operator(session)
        code = session.wait(timeout=None if person else 120)
        print(session.output, end="")
        print(json.dumps(session.results(), indent=2, ensure_ascii=False))
        print(f"KVOrKeyboard.dmt exited with {code}; reports and log in {results_dir}")
        if shots:
            print("Screenshots:", *(str(shot) for shot in shots), sep="\n  ")
        return code


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), "--person" in sys.argv[3:]))
