"""Runs KeyLatencyBench against the module: once beside the simple test,
once beside the layout test, each with the settings an end-to-end run uses.
The module's window gets the focus because injected keys go to it.

Usage: key_latency.py <windows build dir> [keys]  (inside tools/wine-session.sh)
"""
import pathlib
import subprocess
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "e2e"))
import kvo_e2e  # noqa: E402


def measure(build_dir, test, bench_args):
    bench = build_dir / "tools/bench/KeyLatencyBench.exe"
    with kvo_e2e.Session(build_dir, build_dir / "bench-key-latency" / test, ["--test", test]) as session:
        window = session.window()
        time.sleep(kvo_e2e.START_UP_PAUSE_SECONDS)  # as the main job waits
        session.focus(window)
        answer = subprocess.run(["wine", str(bench), bench_args[0], session.title(window), *bench_args[1:]],
                                capture_output=True, text=True, timeout=300)
        print(answer.stdout.replace("\r", ""), answer.stderr.replace("\r", ""), sep="", end="")
        session.click(window, kvo_e2e.IDC_ABORT)
        session.wait()
        return answer.returncode


def main(build_dir, keys):
    simple = measure(build_dir, "SimpleKeyboardTest", ["simple", keys])
    layout = measure(build_dir, "KeyboardLayoutTest", ["layout"])
    return simple or layout


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1]).resolve(), sys.argv[2] if len(sys.argv) > 2 else "100"))
