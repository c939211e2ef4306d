"""The module as a technician meets it: each test started through the host's
command line under Wine, driven with real keystrokes and clicks, judged by the
host's results report, the exit code and the keyboard settings left behind.

Run by CTest inside tools/wine-session.sh; KVO_BUILD_DIR names the Windows
build. Screenshots and reports stay in <build>/acceptance/<test name>/.
"""
import os
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[6] / "tools" / "e2e"))
import kvo_e2e  # noqa: E402

BUILD = pathlib.Path(os.environ["KVO_BUILD_DIR"])
IDC_PASS, IDC_FAIL, IDC_ABORT = 1255, 1256, 1257
IDC_HISTORY = 1203
IDC_LAYOUT_RADIO, IDC_SIMPLE_RADIO = 1252, 1253
IDC_KEYBOARD_TYPE = 1000


class AcceptanceTest(unittest.TestCase):
    def session(self, *host_args, environment=None):
        folder = BUILD / "acceptance" / ".".join(self.id().split(".")[-2:])
        return kvo_e2e.Session(BUILD, folder, list(host_args), environment=environment)

    def assertOutcome(self, session, exit_code, result, events=()):
        self.assertEqual(session.wait(), exit_code, session.output)
        test = session.results()["tests"][0]
        self.assertEqual(test["result"], result)
        self.assertEqual([e["event"] for e in test["events"]], list(events))

    def photograph_in_german_and_japanese(self, test, name, keys=(), shown=lambda session, window: True):
        """The test's window in each language once it shows the keys typed, then Cancel."""
        for language in ("de", "ja"):
            with self.session("--test", test, "--language", language) as s:
                window = s.window()
                s.focus(window)
                s.keys(*keys)
                kvo_e2e.wait_until(lambda: shown(s, window), f"{language}: the keys are shown")
                s.screenshot(window, f"{name}-{language}")
                s.click(window, IDC_ABORT)
                self.assertOutcome(s, 2, "USERABORTED")


class SimpleKeyboardTest(AcceptanceTest):
    def test_every_key_is_named_and_pass_is_recorded(self):
        session = self.session("--test", "SimpleKeyboardTest")
        before = session.settings()
        with session as s:
            window = s.window()
            s.focus(window)
            s.keys("a", "F1", "Escape", "Caps_Lock", "Caps_Lock", "KP_5", "Return")
            kvo_e2e.wait_until(lambda: "Enter" in s.control_text(window, IDC_HISTORY), "Enter in the history")
            history = s.control_text(window, IDC_HISTORY)
            for name in ("a", "F1", "Esc", "Caps Lock"):
                self.assertIn(name, history)
            s.screenshot(window, "simple-test-en")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            self.assertEqual(s.settings(), before)

    def test_fail_is_recorded_with_its_event(self):
        with self.session("--test", "SimpleKeyboardTest") as s:
            s.click(s.window(), IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])

    def test_cancel_and_the_close_box_abort(self):
        with self.session("--test", "SimpleKeyboardTest") as s:
            s.click(s.window(), IDC_ABORT)
            self.assertOutcome(s, 2, "USERABORTED")
        with self.session("--test", "SimpleKeyboardTest") as s:
            s.close_box(s.window())
            self.assertOutcome(s, 2, "USERABORTED")

    def test_german_and_japanese_texts(self):
        self.photograph_in_german_and_japanese("SimpleKeyboardTest", "simple-test", ["a", "Delete"],
                                               lambda s, window: "\n" in s.control_text(window, IDC_HISTORY))


class MediaCenterKeyboardTest(AcceptanceTest):
    # Its own dialog, with the same verdict button ids as the frame.
    IDC_KEY_PRESSED = 1266

    def test_each_key_is_named_and_pass_is_recorded(self):
        session = self.session("--test", "MediaCenterKeyboardTest")
        before = session.settings()
        with session as s:
            window = s.window()
            s.focus(window)
            waiting = s.pixels(window, self.IDC_KEY_PRESSED)
            s.keys("F5")
            kvo_e2e.wait_until(lambda: s.pixels(window, self.IDC_KEY_PRESSED) != waiting, "the key is drawn")
            s.screenshot(window, "media-centre-test-en")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            self.assertEqual(s.settings(), before)

    def test_fail_and_cancel(self):
        with self.session("--test", "MediaCenterKeyboardTest") as s:
            s.click(s.window(), IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])
        self.photograph_in_german_and_japanese("MediaCenterKeyboardTest", "media-centre-test")


class KeyboardLayoutTest(AcceptanceTest):
    # Keys of the standard picture: a key's control id is its scan code.
    KEY_A, KEY_D, KEY_NUM_0 = 0x1E, 0x20, 0x52

    def test_pass_waits_for_every_key_of_the_standard_keyboard(self):
        session = self.session("--test", "KeyboardLayoutTest", "--param", "bEnablePassAfterAllPressed=true")
        before = session.settings()
        with session as s:
            window = s.window()
            s.focus(window)
            s.screenshot(window, "layout-test-en")
            self.assertFalse(s.control_state(window, IDC_PASS, "enabled"))
            s.keys(*kvo_e2e.KEYS_104[:-1])  # the last two are Num 0 and Num Del
            kvo_e2e.wait_until(lambda: not s.has_control(window, self.KEY_NUM_0), "Num 0 leaves the picture")
            s.screenshot(window, "layout-test-one-key-left")
            self.assertFalse(s.control_state(window, IDC_PASS, "enabled"))
            s.keys(kvo_e2e.KEYS_104[-1])
            kvo_e2e.wait_until(lambda: s.control_state(window, IDC_PASS, "enabled"), "Pass after the last key")
            s.screenshot(window, "layout-test-all-pressed")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            # Every lock key was pressed once; the module puts them back.
            self.assertEqual(s.settings(), before)

    def test_every_keyboard_type_is_chosen_from_the_keyboard(self):
        with self.session("--test", "KeyboardLayoutTest") as s:
            window = s.window()
            s.focus(window)
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
            self.assertOutcome(s, 2, "USERABORTED")

    def test_fail_by_button_and_by_shortcut(self):
        with self.session("--test", "KeyboardLayoutTest") as s:
            s.click(s.window(), IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])
        with self.session("--test", "KeyboardLayoutTest") as s:
            s.focus(s.window())
            s.chord("Alt_L", "f")
            # The page reports the operator's verdict, then the frame does.
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail", "UserClickedFail"])

    def test_the_hosts_stop_request_and_the_close_box_abort(self):
        with self.session("--test", "KeyboardLayoutTest", "--stop-after", "3") as s:
            s.window()
            self.assertOutcome(s, 2, "USERABORTED")
        with self.session("--test", "KeyboardLayoutTest") as s:
            s.close_box(s.window())
            self.assertOutcome(s, 2, "USERABORTED")

    def test_german_and_japanese_texts(self):
        self.photograph_in_german_and_japanese("KeyboardLayoutTest", "layout-test", ["a", "s", "d"],
                                               lambda s, window: not s.has_control(window, self.KEY_D))

    def test_the_next_test_of_the_process_gets_the_keyboard(self):
        # A test installs its hook only when none is installed, so a hook
        # left behind by the simple test would leave the layout test deaf.
        with self.session("--test", "SimpleKeyboardTest", "--test", "KeyboardLayoutTest") as s:
            window = s.window()
            s.focus(window)
            s.keys("a")
            s.click(window, IDC_PASS)
            # Both tests run in frames of the same title: the picture tells them apart.
            kvo_e2e.wait_until(lambda: s.has_control(s.window(), self.KEY_A), "the layout test's picture")
            window = s.window()
            s.focus(window)
            s.keys("a")
            kvo_e2e.wait_until(lambda: not s.has_control(window, self.KEY_A), "A leaves the picture")
            s.click(window, IDC_ABORT)
            self.assertEqual(s.wait(), 2, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["PASS", "USERABORTED"])


class KeyboardInteractiveTest(AcceptanceTest):
    def test_the_radio_buttons_switch_between_the_pages(self):
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
            s.click(window, IDC_ABORT)
            self.assertOutcome(s, 2, "USERABORTED")

    def test_pass_and_fail_are_the_frames_verdict_on_either_page(self):
        with self.session("--test", "KeyboardInteractiveTest") as s:
            s.click(s.window(), IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])
        with self.session("--test", "KeyboardInteractiveTest") as s:
            window = s.window()
            s.click(window, IDC_SIMPLE_RADIO)
            kvo_e2e.wait_until(lambda: s.has_control(window, IDC_HISTORY), "the simple page")
            s.keys("a")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")


class EveryTestReportsAnInternalError(AcceptanceTest):
    EVERY_TEST = [arg for test in ("KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest",
                                   "MediaCenterKeyboardTest") for arg in ("--test", test)]

    def test_on_a_device_without_keyboard(self):
        with self.session("--device-without-keyboard", *self.EVERY_TEST) as s:
            self.assertEqual(s.wait(), 3, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["INTERNALERROR"] * 4)

    def test_without_a_display_no_dialog_can_be_created(self):
        with self.session(*self.EVERY_TEST, environment={"DISPLAY": ""}) as s:
            self.assertEqual(s.wait(), 3, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["INTERNALERROR"] * 4)
            self.assertEqual(s.log().count("Failed to load dialog!"), 4)


if __name__ == "__main__":
    unittest.main(verbosity=2)
