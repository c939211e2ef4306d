"""The module as a technician meets it: each test started through the host's
command line under Wine, driven with real keystrokes and clicks, judged by the
host's results report, the exit code and the keyboard settings left behind;
what it registers with the host, and the evidence its reports carry.

Run by CTest inside tools/wine-session.sh, with KVO_BUILD_DIR naming the Windows build
and tools/e2e on PYTHONPATH; screenshots and reports stay in <build>/acceptance/<test name>/.
"""
import contextlib
import os
import pathlib
import unittest

import kvo_e2e
from kvo_e2e import IDC_ABORT, IDC_FAIL, IDC_PASS

BUILD = pathlib.Path(os.environ["KVO_BUILD_DIR"])
IDC_HISTORY = 1203
IDC_LAYOUT_RADIO, IDC_SIMPLE_RADIO = 1252, 1253
IDC_KEYBOARD_TYPE = 1000
# Keys of the standard picture: a key's control id is its scan code.
KEY_A, KEY_D = 0x1E, 0x20
# Exit code, result and events of a run that ends so.
PASSED, FAILED, ABORTED = (0, "PASS", []), (1, "FAIL", ["UserClickedFail"]), (2, "USERABORTED", [])
# The one place that pins what the module registers: its tests with their
# parameters, every parameter, the events.
LISTING = """\
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
"""


class AcceptanceTest(unittest.TestCase):
    def session(self, *host_args, environment=None, case=""):
        folder = BUILD / "acceptance" / ".".join(self.id().split(".")[-2:]) / case
        return kvo_e2e.Session(BUILD, folder, list(host_args), environment=environment)

    def assertOutcome(self, session, exit_code, result, events=()):
        """The run's first test, once its exit code, result and events are as given."""
        self.assertEqual(session.wait(), exit_code, session.output)
        test = session.results()["tests"][0]
        self.assertEqual(test["result"], result)
        self.assertEqual([e["event"] for e in test["events"]], list(events))
        return test

    def assertResults(self, session, exit_code, results):
        self.assertEqual(session.wait(), exit_code, session.output)
        self.assertEqual([t["result"] for t in session.results()["tests"]], results)

    @contextlib.contextmanager
    def passed(self, *host_args):
        """A run that the operator passes once the body is done; it leaves the keyboard settings as it found them."""
        session = self.session(*host_args)
        before = session.settings()
        with session as s:
            window = s.focused_window()
            yield s, window
            s.click(window, IDC_PASS)
            self.assertOutcome(s, *PASSED)
            self.assertEqual(s.settings(), before)


class EveryTest(AcceptanceTest):
    def test_each_way_of_ending_gives_its_result(self):
        def click(control_id):
            return lambda s, window: s.click(window, control_id)
        rows = [
            ("SimpleKeyboardTest", click(IDC_FAIL), FAILED),
            ("SimpleKeyboardTest", lambda s, window: s.close_box(window), ABORTED),
            ("MediaCenterKeyboardTest", click(IDC_FAIL), FAILED),
            # The page reports the operator's verdict, then the frame does.
            ("KeyboardLayoutTest", lambda s, window: s.chord("Alt_L", "f"), (1, "FAIL", ["UserClickedFail"] * 2)),
            ("KeyboardLayoutTest", lambda s, window: s.close_box(window), ABORTED),
            ("KeyboardInteractiveTest", click(IDC_FAIL), FAILED),
            ("KeyboardInteractiveTest", click(IDC_ABORT), ABORTED),
        ]
        for case, (test, end, outcome) in enumerate(rows):
            with self.subTest(test=test, case=case), self.session("--test", test, case=str(case)) as s:
                end(s, s.focused_window())
                self.assertOutcome(s, *outcome)
        with self.session("--test", "KeyboardLayoutTest", "--stop-after", "3", case="stop") as s:
            s.window()
            self.assertOutcome(s, *ABORTED)

    def test_german_and_japanese_texts(self):
        """Each test's window in each language once it shows the keys typed; Cancel aborts it."""
        rows = [
            ("SimpleKeyboardTest", "simple-test", ["a", "Delete"], lambda s, window: "\n" in s.control_text(window, IDC_HISTORY)),
            ("MediaCenterKeyboardTest", "media-centre-test", [], lambda s, window: True),
            ("KeyboardLayoutTest", "layout-test", ["a", "s", "d"], lambda s, window: not s.has_control(window, KEY_D)),
        ]
        for test, name, keys, shown in rows:
            for language in ("de", "ja"):
                with self.subTest(test=test, language=language), \
                        self.session("--test", test, "--language", language) as s:
                    window = s.focused_window()
                    s.keys(*keys)
                    kvo_e2e.wait_until(lambda: shown(s, window), f"{test} in {language}: the keys are shown")
                    s.screenshot(window, f"{name}-{language}")
                    s.click(window, IDC_ABORT)
                    self.assertOutcome(s, *ABORTED)

    def test_the_listing_shows_what_the_module_registers(self):
        with self.session("--list") as s:
            self.assertEqual(s.wait(), 0, s.output)
            self.assertEqual(s.output, LISTING)

    def test_internal_errors_without_a_keyboard_or_a_display(self):
        every_test = [arg for test in ("KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest",
                                       "MediaCenterKeyboardTest") for arg in ("--test", test)]
        # Without the keyboard capability every test ends before its dialog opens.
        with self.session("--device-without-keyboard", *every_test, "--param", "bUseSimpleUi=yes",
                          case="no-keyboard") as s:
            self.assertResults(s, 3, ["INTERNALERROR"] * 4)
            report = s.results()
            self.assertEqual(report["version"], "5.0.000000001")
            self.assertEqual(report["tests"][2]["parameters"]["bUseSimpleUi"], "yes")
            # Wine refuses to change the accessibility keys: the guard's failure path logs.
            self.assertIn("sticky keys", s.log())
        # Without a display no dialog can be created.
        with self.session(*every_test, environment={"DISPLAY": ""}, case="no-display") as s:
            self.assertResults(s, 3, ["INTERNALERROR"] * 4)


class SimpleKeyboardTest(AcceptanceTest):
    def test_every_key_is_named_and_pass_is_recorded(self):
        with self.passed("--test", "SimpleKeyboardTest") as (s, window):
            s.keys("a", "F1", "Escape", "Caps_Lock", "Caps_Lock", "KP_5", "Return")
            kvo_e2e.wait_until(lambda: "Enter" in s.control_text(window, IDC_HISTORY), "Enter in the history")
            history = s.control_text(window, IDC_HISTORY)
            for name in ("a", "F1", "Esc", "Caps Lock"):
                self.assertIn(name, history)
            s.screenshot(window, "simple-test-en")


class MediaCenterKeyboardTest(AcceptanceTest):
    # Its own dialog, with the same verdict button ids as the frame.
    IDC_KEY_PRESSED = 1266

    def test_each_key_is_named_and_pass_is_recorded(self):
        with self.passed("--test", "MediaCenterKeyboardTest") as (s, window):
            waiting = s.pixels(window, self.IDC_KEY_PRESSED)
            s.keys("F5")
            kvo_e2e.wait_until(lambda: s.pixels(window, self.IDC_KEY_PRESSED) != waiting, "the key is drawn")
            s.screenshot(window, "media-centre-test-en")


class KeyboardLayoutTest(AcceptanceTest):
    def test_every_keyboard_type_is_chosen_from_the_keyboard(self):
        with self.session("--test", "KeyboardLayoutTest") as s:
            window = s.focused_window()
            shown = []
            for index, steps in enumerate([["Up"] * 8] + [["Down"]] * 5):
                s.chord("Alt_L", "Down")
                kvo_e2e.wait_until(lambda: s.control_state(window, IDC_KEYBOARD_TYPE, "dropped"), "the list opens")
                s.keys(*steps, "Return")
                # The list closes after the chosen picture is loaded.
                kvo_e2e.wait_until(lambda: not s.control_state(window, IDC_KEYBOARD_TYPE, "dropped"), "the list closes")
                shown.append(s.control_text(window, IDC_KEYBOARD_TYPE))
                s.screenshot(window, f"layout-type-{index}")
            self.assertEqual(len(set(shown)), 6, shown)
            s.click(window, IDC_ABORT)
            self.assertOutcome(s, *ABORTED)

    def test_the_next_test_of_the_process_gets_the_keyboard(self):
        # A test installs its hook only when none is installed, so a hook
        # left behind by the simple test would leave the layout test deaf.
        with self.session("--test", "SimpleKeyboardTest", "--test", "KeyboardLayoutTest") as s:
            window = s.focused_window()
            s.keys("a")
            s.click(window, IDC_PASS)
            # Both tests run in frames of the same title: the picture tells them apart.
            kvo_e2e.wait_until(lambda: s.has_control(s.window(), KEY_A), "the layout test's picture")
            window = s.focused_window()
            s.keys("a")
            kvo_e2e.wait_until(lambda: not s.has_control(window, KEY_A), "A leaves the picture")
            s.click(window, IDC_ABORT)
            self.assertResults(s, 2, ["PASS", "USERABORTED"])


class KeyboardInteractiveTest(AcceptanceTest):
    def test_the_radio_buttons_switch_between_the_pages_and_pass_is_the_frames(self):
        with self.session("--test", "KeyboardInteractiveTest") as s:
            window = s.window()
            self.assertTrue(s.has_control(window, IDC_KEYBOARD_TYPE), "the layout page first")
            s.screenshot(window, "interactive-layout")
            s.click(window, IDC_SIMPLE_RADIO)
            kvo_e2e.wait_until(lambda: s.has_control(window, IDC_HISTORY), "the simple page")
            s.keys("a")
            kvo_e2e.wait_until(lambda: "a" in s.control_text(window, IDC_HISTORY).split("\n"), "a in the history")
            s.screenshot(window, "interactive-simple")
            s.click(window, IDC_LAYOUT_RADIO)
            kvo_e2e.wait_until(lambda: s.has_control(window, IDC_KEYBOARD_TYPE), "the layout page")
            s.click(window, IDC_SIMPLE_RADIO)
            kvo_e2e.wait_until(lambda: s.has_control(window, IDC_HISTORY), "the simple page again")
            self.assertEqual(s.control_text(window, IDC_HISTORY), "", "a fresh simple page")
            s.keys("a")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, *PASSED)


class Evidence(AcceptanceTest):
    """The keystroke journal (presses, holds, chatter, rollover, keys left down), the layout picture's keys
    never pressed and its drawing, the machine, the verdict --fail-on-chatter gives."""
    TYPED = {0x1E: "a", 0x1F: "s", 0x20: "d", 0x21: "f", 0x22: "g"}

    def test_a_failed_layout_test_reports_its_keys_and_the_machine(self):
        # The keys are typed 5-10 ms apart; the threshold leaves room for a
        # loaded machine's scheduling between the two hook calls. One xdotool
        # for a whole sequence: no process start between its events.
        with self.session("--test", "KeyboardLayoutTest", "--chatter-ms", "100") as s:
            window = s.focused_window()
            kvo_e2e.xdotool("keydown", "a", "keyup", "a", "sleep", "0.007", "keydown", "a", "keyup", "a")
            kvo_e2e.xdotool("keydown", "s", "keydown", "d", "keydown", "f", "sleep", "0.1", "keyup", "f",
                            "keyup", "d", "keyup", "s")
            kvo_e2e.xdotool("keydown", "g")
            try:
                s.click(window, IDC_FAIL)
                seen = self.assertOutcome(s, *FAILED)["observations"]
            finally:
                kvo_e2e.xdotool("keyup", "g")
        keys = {k["key"]: k for k in seen["keys"]}
        self.assertEqual({k: keys[k]["name"] for k in self.TYPED}, self.TYPED)
        a = keys[0x1E]
        self.assertEqual((a["presses"], "shortestGapMs" in keys[0x1F]), (2, False))
        self.assertEqual(seen["chatter"], [{"key": 0x1E, "name": "a", "count": 1, "shortestGapMs": a["shortestGapMs"]}])
        self.assertEqual(seen["mostKeysDown"], {"count": 3, "keys": ["s", "d", "f"]})
        self.assertEqual(seen["keysDownAtEnd"], ["g"])
        left = seen["keysNotPressed"]
        self.assertEqual(len(left), 104 - len(self.TYPED))
        self.assertEqual(left[:3],
                         [{"key": 1, "name": "Esc"}, {"key": 0x3B, "name": "F1"}, {"key": 0x3C, "name": "F2"}])
        self.assertFalse(set(self.TYPED) & {k["key"] for k in left})
        self.assertEqual(seen["picture"], "KeyboardLayoutTest-keyboard.png")
        # Kept with the outputs to be looked at; here its fills: keys left red, keys pressed pale.
        colours = kvo_e2e.run("convert", str(s.results_dir / seen["picture"]), "-format", "%c", "histogram:info:-").stdout
        self.assertIn("#D32F2F", colours)
        self.assertIn("#F0F0F0", colours)
        for line in ("  not pressed: Esc, F1, F2, ", "  chatter: a 1x, shortest ", "  still down at end: g"):
            self.assertIn(line, s.output.replace("\r", ""))
        xml = (s.results_dir / "results.xml").read_text(encoding="utf-8")
        self.assertRegex(xml, r"\[\[ATTACHMENT\|Z:\\[^\]]*\\KeyboardLayoutTest-keyboard\.png\]\]")
        self.assertIn('<property name="observations.mostKeysDown" value="3: s, d, f"/>', xml)
        # What Wine tells of the machine: its Windows version and a keyboard, nothing empty.
        machine = s.results()["machine"]
        self.assertRegex(machine["windowsVersion"], r"^\d+\.\d+\.\d+$")
        self.assertTrue(all(machine.values()) and all(k["deviceName"] for k in machine["keyboards"]), machine)

    def test_fail_on_chatter_fails_a_passed_simple_test(self):
        with self.session("--test", "SimpleKeyboardTest", "--fail-on-chatter", "--chatter-ms", "200") as s:
            window = s.focused_window()
            kvo_e2e.xdotool("keydown", "a", "keyup", "a", "sleep", "0.007", "keydown", "a", "keyup", "a")
            s.click(window, IDC_PASS)
            test = self.assertOutcome(s, 1, "FAIL")
        self.assertIn("chatter", test["reason"])
        self.assertNotIn("keysNotPressed", test["observations"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
