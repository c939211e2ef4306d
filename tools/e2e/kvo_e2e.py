"""Drives KVOrKeyboard.dmt under Wine the way an operator would.

Keystrokes and clicks are real X input (xdotool, XTEST), so they travel the
whole way through Wine's keyboard driver into the module's hooks. Windows are
found by their titles; WindowProbe.exe answers where a control sits on the
screen and how the keyboard settings stand. The caller provides the display
and the Wine prefix (tools/wine-session.sh).
"""
import atexit
import ctypes
import functools
import json
import os
import pathlib
import re
import subprocess
import time


LOCK_KEYS = ("Caps_Lock", "Num_Lock", "Scroll_Lock")
# The verdict buttons, the same in every test's window.
IDC_PASS, IDC_FAIL, IDC_ABORT = 1255, 1256, 1257
# The layout test ignores Ctrl for a moment after it starts (a Ctrl still
# held from starting it must not count as a key of the keyboard).
START_UP_PAUSE_SECONDS = 4

# The X keycode (evdev code + 8) of each key identifier that is not a base
# key of set 1 (those are their own evdev codes, up to F12).
KEYCODES = {
    0x11C: 104, 0x11D: 105, 0x135: 106, 0x137: 107, 0x138: 108, 0x145: 77, 0x147: 110, 0x148: 111,
    0x149: 112, 0x14B: 113, 0x14D: 114, 0x14F: 115, 0x150: 116, 0x151: 117, 0x152: 118, 0x153: 119,
    0x15B: 133, 0x15C: 134, 0x15D: 135, 0x45: 127, 0x56: 94, 0x70: 101, 0x73: 97, 0x79: 100, 0x7B: 102,
    0x7D: 132, 0xF1: 131, 0xF2: 130,
}


def keycode(identifier):
    """The X key of a layout library's key identifier (scan code, 0x100 when extended)."""
    return KEYCODES.get(identifier, identifier + 8)


def identifiers(drawing):
    """The keys of a keyboard drawing in its order (text areas left out)."""
    rows = json.loads(pathlib.Path(drawing).read_text(encoding="utf-8"))[1:]
    legends = "\n".join(item for row in rows for item in row if isinstance(item, str))
    return [int(i, 16) for i in re.findall(r"^#([0-9A-Fa-f]{2,3})!?$", legends, re.M)]


class E2EError(AssertionError):
    pass


def run(*command, answers=(0,), timeout=30):
    """Runs a helper program; an exit code outside `answers` fails the test."""
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    if result.returncode not in answers:
        raise E2EError(f"{' '.join(command)} exited with {result.returncode}: {result.stderr.strip()}")
    return result


xdotool = functools.partial(run, "xdotool")


class XKeyboard:
    """Real key events on one X display (XTEST), each exactly the X key named.
    Sessions type through it rather than `xdotool key`: given a keysym, xdotool
    also presses the modifiers it thinks the keysym needs (Shift_L before
    Shift_R, Num Lock around KP_7), and the module rightly journals those as
    keys the operator pressed."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise E2EError(f"cannot open display {display}")

    def keycode(self, name):
        code = self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))
        if not code:
            raise E2EError(f"no key of the display carries {name}")
        return code

    def event(self, code, down):
        self.xtst.XTestFakeKeyEvent(self.display, code, down, 0)
        self.x11.XFlush(self.display)

    def tap(self, code, hold=0.01, pause=0.02):
        self.event(code, True)
        time.sleep(hold)
        self.event(code, False)
        time.sleep(pause)


# One connection to each display.
keyboard = functools.cache(XKeyboard)


# X input reaches the module in the order it was typed, but what the module
# shows is read by another program, at its own moment: every check waits for
# what it expects to see, up to a time limit, rather than sleeping.
def wait_until(condition, what, timeout=30):
    """What condition() returns once it is true."""
    deadline = time.monotonic() + timeout
    while not (result := condition()):
        if time.monotonic() > deadline:
            raise E2EError(f"not within {timeout} s: {what}")
        time.sleep(0.1)
    return result


class WindowProbe:
    """WindowProbe.exe, started once and asked many times: a Wine process
    takes the better part of a second to start."""

    def __init__(self, program):
        self.program, self.process = program, None
        atexit.register(self.close)

    def ask(self, *fields):
        """(status, text): status 0 answered, 1 no such window or control."""
        if not self.process or self.process.poll() is not None:
            self.process = subprocess.Popen(["wine", str(self.program)], stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, text=True, encoding="utf-8")
        print(*fields, sep="\t", file=self.process.stdin, flush=True)
        lines = []
        while not (line := self.process.stdout.readline()).startswith("\x1e"):
            if not line:
                raise E2EError(f"WindowProbe ended (exit {self.process.poll()}) when asked {fields}")
            lines.append(line)
        if int(line[1:]) not in (0, 1):
            raise E2EError(f"WindowProbe cannot answer {fields}")
        return int(line[1:]), "".join(lines).rstrip("\n")

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.stdin.close()
            self.process.wait()


@functools.cache
def window_probe(build_dir):
    return WindowProbe(pathlib.Path(build_dir) / "tools/e2e/WindowProbe.exe")


def capture_keys(probe, kind, press):
    """KeyCaptureProbe.exe with its `kind` of hook: press() types into its
    window, Escape's release ends it; the lines it printed."""
    process = subprocess.Popen(["wine", str(probe), kind], stdout=subprocess.PIPE, text=True)
    try:
        if process.stdout.readline().strip() != "ready":
            raise E2EError(f"{kind}: the probe did not start")
        window = xdotool("search", "--sync", "--onlyvisible", "--name", "^key capture$").stdout.split()[-1]
        xdotool("windowfocus", "--sync", window)
        press()
        output, _ = process.communicate(timeout=60)
    finally:
        if process.poll() is None:
            process.kill()
    if process.returncode != 0:
        raise E2EError(f"{kind}: the probe exited with {process.returncode}")
    return [line.strip() for line in output.splitlines() if line.strip()]


def windows_path(path):
    """How a Windows program under Wine names a Unix path: drive Z: is the root."""
    return "Z:" + str(pathlib.Path(path).resolve()).replace("/", "\\")


class Session:
    """One run of the module with the given host arguments."""

    def __init__(self, build_dir, results_dir, host_args, parameters=None, environment=None):
        self.results_dir = pathlib.Path(results_dir)
        self.module = pathlib.Path(build_dir) / "modules/src/windows/diag/kvorkeyboard/app/KVOrKeyboard.dmt"
        self.probe = window_probe(build_dir)
        self.host_args = ["--settings", windows_path(self.results_dir / "settings.ini"),
                          "--results", windows_path(self.results_dir),
                          "--log", windows_path(self.results_dir / "module.log"), "--log-level", "1", *host_args]
        # The folders that ship beside the module, as a suite's settings would give them.
        self.parameters = {"ImagesPath": windows_path(self.module.parent / "images"),
                           "LayoutsPath": windows_path(self.module.parent / "layouts"), **(parameters or {})}
        self.environment = {**os.environ, **(environment or {})}
        self.process = None
        self.output = ""
        self.toggled_locks = set()

    def __enter__(self):
        self.results_dir.mkdir(parents=True, exist_ok=True)
        # The host appends to its log, and no report or picture of an earlier run may pass for this one's.
        for old in [self.results_dir / "module.log", *self.results_dir.glob("results.*"),
                    *self.results_dir.glob("*-keyboard.png")]:
            old.unlink(missing_ok=True)
        lines = ["[parameters]"] + [f"{name} = {value}" for name, value in self.parameters.items()]
        (self.results_dir / "settings.ini").write_text("\n".join(lines) + "\n", encoding="utf-8")
        self.process = subprocess.Popen(["wine", str(self.module), *self.host_args], env=self.environment,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return self

    def __exit__(self, *exc):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.communicate()
        # The module puts Wine's lock keys back as it ends, but the display
        # keeps the state typed here; tap the odd ones again so that the next
        # program starts with the display's lamps as this session found them.
        if self.toggled_locks:
            self.keys(*self.toggled_locks)

    # --- windows -----------------------------------------------------------
    def window(self, timeout=30):
        """The module's shown top-level window with a title (its title depends on test and language)."""
        def shown():
            if self.process.poll() is not None:
                raise E2EError(f"the module ended (exit {self.process.returncode}) before its window appeared")
            found = xdotool("search", "--onlyvisible", "--classname", "kvorkeyboard.dmt", answers=(0, 1))
            return [w for w in found.stdout.split() if self.title(w) not in ("", "Default IME")]
        return wait_until(shown, "a window of the module", timeout)[0]

    def focused_window(self):
        """The module's window, given the X focus: keys go to the window that has it."""
        window = self.window()
        self.focus(window)
        return window

    @staticmethod
    def title(window):
        """The window's title, or "" once it has closed."""
        return xdotool("getwindowname", window, answers=(0, 1)).stdout.rstrip("\n")

    def focus(self, window):
        xdotool("windowfocus", "--sync", window)

    def _probe(self, question, window, control_id):
        status, text = self.probe.ask(question, self.title(window), str(control_id))
        if status != 0:
            raise E2EError(f"control {control_id} of '{self.title(window)}' not found")
        return text

    def control_rect(self, window, control_id):
        return tuple(int(v) for v in self._probe("rect", window, control_id).split())

    def has_control(self, window, control_id):
        """Whether the control is shown (a key hidden from the picture is not, nor one of a closed window)."""
        title = self.title(window)
        return bool(title) and self.probe.ask("rect", title, str(control_id))[0] == 0

    def control_text(self, window, control_id):
        return self._probe("text", window, control_id).replace("\r", "")

    def control_state(self, window, control_id, question):
        """"enabled": the control takes input; "dropped": the list is open."""
        return self._probe(question, window, control_id) == "1"

    def pixels(self, window, control_id):
        """A digest of what the control shows on the screen."""
        left, top, right, bottom = self.control_rect(window, control_id)
        geometry = f"{right - left}x{bottom - top}+{left}+{top}"
        return run("import", "-window", "root", "-crop", geometry, "-format", "%#", "info:").stdout

    def click(self, window, control_id):
        """A click lands at once only on the window with the X focus: focus first."""
        left, top, right, bottom = self.control_rect(window, control_id)
        self._click_at(window, (left + right) // 2, (top + bottom) // 2)

    def close_box(self, window):
        """Clicks the caption's close button, which Wine draws at the top right."""
        left, top, right, bottom = self.control_rect(window, 0)
        self._click_at(window, right - 16, top + 12)

    def _click_at(self, window, x, y):
        # No --sync: it waits for a motion event, and a pointer already on the
        # spot sends none. The server takes the move before the click anyway.
        self.focus(window)
        xdotool("mousemove", str(x), str(y), "click", "1")

    # --- keyboard ----------------------------------------------------------
    def keys(self, *keys, delay_ms=30):
        """Taps each key in turn: an X keysym name ("a", "F1", "Num_Lock") or an X keycode."""
        x = keyboard(self.environment["DISPLAY"])
        codes = [key if isinstance(key, int) else x.keycode(key) for key in keys]
        for code in codes:
            x.tap(code, hold=delay_ms / 2000, pause=delay_ms / 2000)
        locks = {x.keycode(lock) for lock in LOCK_KEYS}
        self.toggled_locks ^= {code for code in locks if codes.count(code) % 2}

    def chord(self, *names):
        """Presses the keys in order and releases them in reverse: Alt+P as a person types it."""
        x = keyboard(self.environment["DISPLAY"])
        codes = [x.keycode(name) for name in names]
        for code in codes:
            x.event(code, True)
        for code in reversed(codes):
            x.event(code, False)

    # --- evidence ----------------------------------------------------------
    def screenshot(self, window, name):
        path = self.results_dir / f"{name}.png"
        run("import", "-window", window, str(path))
        return path

    def settings(self):
        _, text = self.probe.ask("state")
        return dict(line.split("=", 1) for line in text.splitlines())

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
