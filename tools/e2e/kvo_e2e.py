"""Drives KVOrKeyboard.dmt under Wine the way an operator would.

Keystrokes and clicks are real X input (xdotool, XTEST), so they travel the
whole way through Wine's keyboard driver into the module's hooks. Windows are
found by their titles; WindowProbe.exe answers where a control sits on the
screen and how the keyboard settings stand. The caller provides the display
and the Wine prefix (tools/wine-session.sh).
"""
import json
import os
import pathlib
import subprocess
import time


LOCK_KEYS = ("Caps_Lock", "Num_Lock", "Scroll_Lock")

# Every key of the standard 104-key picture, row by row, as X keysyms.
KEYS_104 = [
    "Escape", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "Print", "Scroll_Lock", "Pause",
    "grave", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "minus", "equal", "BackSpace",
    "Insert", "Home", "Prior", "Num_Lock", "KP_Divide", "KP_Multiply", "KP_Subtract",
    "Tab", "q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "bracketleft", "bracketright", "backslash",
    "Delete", "End", "Next", "KP_7", "KP_8", "KP_9", "KP_Add",
    "Caps_Lock", "a", "s", "d", "f", "g", "h", "j", "k", "l", "semicolon", "apostrophe", "Return",
    "KP_4", "KP_5", "KP_6",
    "Shift_L", "z", "x", "c", "v", "b", "n", "m", "comma", "period", "slash", "Shift_R",
    "Up", "KP_1", "KP_2", "KP_3", "KP_Enter",
    "Control_L", "Super_L", "Alt_L", "space", "Alt_R", "Super_R", "Menu", "Control_R",
    "Left", "Down", "Right", "KP_0", "KP_Decimal",
]
assert len(KEYS_104) == 104

class E2EError(AssertionError):
    pass


def _run(*command, timeout=30):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout)


def windows_path(path):
    """How a Windows program under Wine names a Unix path: drive Z: is the root."""
    return "Z:" + str(pathlib.Path(path).resolve()).replace("/", "\\")


def write_settings(path, module_folder, parameters=None):
    """The folders that ship beside the module, as a suite's settings would
    give them, and any further parameter values."""
    values = {"ImagesPath": windows_path(module_folder / "images"),
              "LayoutsPath": windows_path(module_folder / "layouts"), **(parameters or {})}
    lines = ["[parameters]"] + [f"{name} = {value}" for name, value in values.items()]
    pathlib.Path(path).write_text("\n".join(lines) + "\n", encoding="utf-8")


class Session:
    """One run of the module with the given host arguments."""

    def __init__(self, build_dir, results_dir, host_args, screenshots_dir=None, parameters=None, environment=None):
        self.build_dir = pathlib.Path(build_dir)
        self.results_dir = pathlib.Path(results_dir)
        self.screenshots_dir = pathlib.Path(screenshots_dir or results_dir)
        self.module = self.build_dir / "modules/src/windows/diag/kvorkeyboard/app/KVOrKeyboard.dmt"
        self.probe = self.build_dir / "tools/e2e/WindowProbe.exe"
        self.host_args = ["--settings", windows_path(self.results_dir / "settings.ini"),
                          "--results", windows_path(self.results_dir),
                          "--log", windows_path(self.results_dir / "module.log"), "--log-level", "1", *host_args]
        self.parameters = parameters
        self.environment = {**os.environ, **(environment or {})}
        self.process = None
        self.output = ""
        self.toggled_locks = set()

    def __enter__(self):
        self.results_dir.mkdir(parents=True, exist_ok=True)
        self.screenshots_dir.mkdir(parents=True, exist_ok=True)
        # The host appends to its log; a session reads only its own run's lines.
        (self.results_dir / "module.log").unlink(missing_ok=True)
        write_settings(self.results_dir / "settings.ini", self.module.parent, self.parameters)
        self.process = subprocess.Popen(["wine", str(self.module), *self.host_args], env=self.environment,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return self

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        # The module puts Wine's lock keys back as it ends, but the display
        # keeps the state typed here; tap the odd ones again so that the next
        # program starts with the display's lamps as this session found them.
        if self.toggled_locks:
            _run("xdotool", "key", *sorted(self.toggled_locks))
            self.toggled_locks.clear()

    # --- windows -----------------------------------------------------------
    def window(self, timeout=30):
        """The module's top-level window (its title depends on test and language)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for window in _run("xdotool", "search", "--onlyvisible", "--classname", "kvorkeyboard.dmt").stdout.split():
                if self.title(window) not in ("", "Default IME"):
                    return window
            if self.process.poll() is not None:
                raise E2EError(f"the module ended (exit {self.process.returncode}) before its window appeared")
            time.sleep(0.2)
        raise E2EError(f"no window of the module within {timeout} s")

    @staticmethod
    def title(window):
        return _run("xdotool", "getwindowname", window).stdout.rstrip("\n")

    def focus(self, window):
        _run("xdotool", "windowfocus", "--sync", window)
        time.sleep(0.3)

    def _probe(self, question, window, control_id):
        answer = _run("wine", str(self.probe), question, self.title(window), str(control_id))
        if answer.returncode != 0:
            raise E2EError(f"control {control_id} of '{self.title(window)}' not found")
        return answer.stdout.rstrip("\r\n")

    def control_rect(self, window, control_id):
        return tuple(int(v) for v in self._probe("rect", window, control_id).split())

    def control_text(self, window, control_id):
        return self._probe("text", window, control_id).replace("\r", "")

    def control_enabled(self, window, control_id):
        return self._probe("enabled", window, control_id) == "1"

    def click(self, window, control_id):
        left, top, right, bottom = self.control_rect(window, control_id)
        _run("xdotool", "mousemove", "--sync", str((left + right) // 2), str((top + bottom) // 2),
             "click", "1")
        time.sleep(0.3)

    def close_box(self, window):
        """Clicks the caption's close button, which Wine draws at the top right."""
        left, top, right, bottom = self.control_rect(window, 0)
        _run("xdotool", "mousemove", "--sync", str(right - 16), str(top + 12), "click", "1")
        time.sleep(0.3)

    # --- keyboard ----------------------------------------------------------
    def keys(self, *names, delay_ms=80):
        """Taps each key in turn (X keysym names: "a", "F1", "Return", "Num_Lock")."""
        if names:
            _run("xdotool", "key", "--delay", str(delay_ms), *names, timeout=60 + len(names))
            time.sleep(0.2)
            for name in names:
                self._note_lock(name)

    def hold(self, name, seconds):
        self._note_lock(name)
        _run("xdotool", "keydown", name)
        time.sleep(seconds)
        _run("xdotool", "keyup", name)
        time.sleep(0.2)

    def _note_lock(self, name):
        if name in LOCK_KEYS:
            self.toggled_locks ^= {name}

    def chord(self, *names):
        """Presses the keys in order and releases them in reverse: Alt+P as a person types it."""
        for name in names:
            _run("xdotool", "keydown", name)
        for name in reversed(names):
            _run("xdotool", "keyup", name)
        time.sleep(0.2)

    # --- evidence ----------------------------------------------------------
    def screenshot(self, window, name):
        path = self.screenshots_dir / f"{name}.png"
        _run("import", "-window", window, str(path))
        return path

    def settings(self):
        answer = _run("wine", str(self.probe), "state")
        return dict(line.strip().split("=", 1) for line in answer.stdout.splitlines() if "=" in line)

    def wait(self, timeout=60):
        try:
            self.output, _ = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.output, _ = self.process.communicate()
            raise E2EError(f"the module did not end within {timeout} s")
        return self.process.returncode

    def results(self):
        return json.loads((self.results_dir / "results.json").read_text(encoding="utf-8"))

    def log(self):
        path = self.results_dir / "module.log"
        return path.read_text(encoding="utf-8", errors="replace") if path.exists() else ""
