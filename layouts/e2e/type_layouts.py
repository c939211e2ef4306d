# The keyboards typed completely under Wine, and the ISO keyboard's picture in
# the user's language.
#
# For each keyboard the module runs its layout test on that library alone with
# "bEnablePassAfterAllPressed"; every key of the drawing is pressed once as a
# real X key event (XTEST, by the key's X keycode), Pass must stay unavailable
# until the last key and become available with it, and the lock keys end as
# they were. The Japanese keyboard runs on a display with a Japanese keymap,
# as a Japanese bench has: without it X has no symbol on the Yen and Ro keys
# and Wine drops them.
#
# Run by CTest inside tools/wine-session.sh; KVO_BUILD_DIR names the Windows
# build, KVO_KBLMAKE the kblmake it runs here, PYTHONPATH holds tools/e2e.
# Reports and screenshots stay in <build>/layouts-typed/.
import os
import pathlib
import shutil
import subprocess
import unittest
from unittest import mock

import kvo_e2e

BUILD = pathlib.Path(os.environ["KVO_BUILD_DIR"])
RESULTS = BUILD / "layouts-typed"
SOURCES = pathlib.Path(__file__).resolve().parents[1]
KBLMAKE = os.environ["KVO_KBLMAKE"]


class JapaneseDisplay:
    # An Xvfb of its own whose US keymap is the Japanese one.

    def __enter__(self):
        xkb = RESULTS / "xkb-jp"
        if not xkb.exists():
            shutil.copytree("/usr/share/X11/xkb", xkb)
            shutil.copy(xkb / "symbols" / "jp", xkb / "symbols" / "us")
        self.name = next(f":{n}" for n in range(150, 199) if not os.path.exists(f"/tmp/.X11-unix/X{n}"))
        self.server = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                        "-xkbdir", str(xkb)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        kvo_e2e.wait_until(lambda: subprocess.run(["xdpyinfo", "-display", self.name], capture_output=True)
                           .returncode == 0, f"display {self.name}", timeout=5)
        return self.name

    def __exit__(self, *exc):
        self.server.terminate()
        self.server.wait()


def wine_identifiers(display, codes):
    # What Wine makes of these X keys, as the layout test's hook sees them.
    def press():
        for code in codes + [kvo_e2e.keycode(0x01)]:  # Escape's release ends the probe
            kvo_e2e.keyboard(display).tap(code, pause=0.3)
    output = kvo_e2e.capture_keys(BUILD / "tools" / "e2e" / "KeyCaptureProbe.exe", "message", press)
    presses = [int(line.split()[1]) for line in output if line.startswith("1 ")]
    return presses[-len(codes) - 1:-1]  # Escape comes last


class TypedUnderWine(unittest.TestCase):
    def type_keyboard(self, name, library, display, substitutes=None):
        # Presses every key of the drawing `name` in the module's layout test.
        drawn = kvo_e2e.identifiers(SOURCES / f"{name}.json")
        keys = [(substitutes or {}).get(i, i) for i in drawn]
        codes = [kvo_e2e.keycode(i) for i in drawn]
        folder = RESULTS / name
        layouts = folder / "layouts"
        shutil.rmtree(folder, ignore_errors=True)
        layouts.mkdir(parents=True)
        shutil.copy(library, layouts / f"{name}.kbl")
        parameters = {"LayoutsPath": kvo_e2e.windows_path(layouts), "szLayoutToShow": f"{name}.kbl",
                      "bEnablePassAfterAllPressed": "true"}
        # The keys, xdotool and the module all work on that display.
        with mock.patch.dict(os.environ, DISPLAY=display), \
                kvo_e2e.Session(BUILD, folder, ["--test", "KeyboardLayoutTest"], parameters=parameters) as s:
            before = s.settings()
            window = s.focused_window()
            s.keys(*codes[:-1])
            kvo_e2e.wait_until(lambda: not s.has_control(window, keys[-2]), f"{name}: the last but one key gone")
            self.assertFalse(s.control_state(window, kvo_e2e.IDC_PASS, "enabled"))
            s.keys(codes[-1])
            kvo_e2e.wait_until(lambda: s.control_state(window, kvo_e2e.IDC_PASS, "enabled"),
                               f"{name}: Pass after the last key (see {folder})")
            s.screenshot(window, f"{name}-all-pressed")
            s.click(window, kvo_e2e.IDC_PASS)
            self.assertEqual(s.wait(), 0, s.output)
            self.assertEqual(s.results()["tests"][0]["result"], "PASS")
            # Every lock key was pressed once; the module puts them back.
            self.assertEqual(s.settings(), before)

    def test_standard_104_keys(self):
        self.type_keyboard("Std104Kbd", BUILD / "layouts" / "Std104Kbd.kbl", os.environ["DISPLAY"])

    def test_japanese_109_keys_on_a_japanese_display(self):
        with JapaneseDisplay() as display:
            self.type_keyboard("Jis109Kbd", BUILD / "layouts" / "Jis109Kbd.kbl", display)

    def test_laptop_keys_with_and_without_fn(self):
        self.type_keyboard("LaptopKbd", BUILD / "layouts" / "LaptopKbd.kbl", os.environ["DISPLAY"])

    def test_korean_106_keys(self):
        # Korean keyboards send F2 (Hangul) and F1 (Hanja); Wine 8 has no scan
        # code for those keys and numbers them from 0x60 on. The picture is
        # built here with the numbers this display gets, all else as shipped.
        display = os.environ["DISPLAY"]
        seen = wine_identifiers(display, [kvo_e2e.keycode(0xF2), kvo_e2e.keycode(0xF1)])
        substitutes = dict(zip((0xF2, 0xF1), seen))
        drawing = (SOURCES / "Kor106Kbd.json").read_text(encoding="utf-8")
        for real, wine in substitutes.items():
            drawing = drawing.replace(f"#{real:02X}\"", f"#{wine:02X}\"")
        source = RESULTS / "wine-ids" / "Kor106Kbd.json"
        source.parent.mkdir(parents=True, exist_ok=True)
        source.write_text(drawing, encoding="utf-8")
        subprocess.run([str(KBLMAKE), str(source)], check=True, capture_output=True)
        self.type_keyboard("Kor106Kbd", source.with_suffix(".kbl"), display, substitutes)


class PictureInTheUsersLanguage(unittest.TestCase):
    KEY_Y = 0x15  # "Y" in English, "Z" in German and French

    def legend(self, language, environment):
        folder = RESULTS / f"Iso105Kbd-{language}"
        with kvo_e2e.Session(BUILD, folder, ["--test", "KeyboardLayoutTest", "--language", language],
                             parameters={"szLayoutToShow": "Iso105Kbd.kbl"}, environment=environment) as s:
            window = s.focused_window()
            text = s.control_text(window, self.KEY_Y)
            s.click(window, kvo_e2e.IDC_ABORT)
            s.wait()
            return text

    def test_a_german_user_sees_the_german_picture_and_an_english_one_the_english(self):
        locales = RESULTS / "locales"
        if not (locales / "de_DE.UTF-8").exists():
            locales.mkdir(parents=True, exist_ok=True)
            subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", str(locales / "de_DE.UTF-8")], check=True)
        german = {"LOCPATH": str(locales), "LC_ALL": "de_DE.UTF-8"}
        self.assertEqual(self.legend("de", german), "Z")
        self.assertEqual(self.legend("en", {"LC_ALL": "C.UTF-8"}), "Y")


if __name__ == "__main__":
    unittest.main(verbosity=2)
