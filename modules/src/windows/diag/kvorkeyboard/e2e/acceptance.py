"""The module as a technician meets it: each test started through the host's
command line under Wine, driven with real keystrokes and clicks, judged by the
host's results report, the exit code and the keyboard settings left behind.

Run by CTest inside tools/wine-session.sh; KVO_BUILD_DIR names the Windows
build. Screenshots and reports stay in <build>/acceptance/<test name>/.
"""
import os
import pathlib
import sys
import time
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[6] / "tools" / "e2e"))
import kvo_e2e  # noqa: E402

BUILD = pathlib.Path(os.environ["KVO_BUILD_DIR"])
IDC_PASS, IDC_FAIL, IDC_ABORT = 1255, 1256, 1257
IDC_HISTORY, IDC_CURRENT_KEY = 1203, 1212
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

    def assertSettingsKept(self, before, session):
        self.assertEqual(session.settings(), before)


class SimpleKeyboardTest(AcceptanceTest):
    def test_every_key_is_named_and_pass_is_recorded(self):
        with self.session("--test", "SimpleKeyboardTest") as s:
            before = s.settings()
            window = s.window()
            s.focus(window)
            s.keys("a", "F1", "Escape", "Caps_Lock", "Caps_Lock", "KP_5", "Return")
            history = s.control_text(window, IDC_HISTORY)
            for name in ("a", "F1", "Esc", "Caps Lock", "Enter"):
                self.assertIn(name, history)
            s.screenshot(window, "simple-test-en")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            self.assertSettingsKept(before, s)

    def test_fail_is_recorded_with_its_event(self):
        with self.session("--test", "SimpleKeyboardTest") as s:
            window = s.window()
            s.focus(window)
            s.click(window, IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])

    def test_cancel_and_the_close_box_abort(self):
        with self.session("--test", "SimpleKeyboardTest") as s:
            window = s.window()
            s.focus(window)
            s.click(window, IDC_ABORT)
            self.assertOutcome(s, 2, "USERABORTED")
        with self.session("--test", "SimpleKeyboardTest") as s:
            s.close_box(s.window())
            self.assertOutcome(s, 2, "USERABORTED")

    def test_german_and_japanese_texts(self):
        for language in ("de", "ja"):
            with self.session("--test", "SimpleKeyboardTest", "--language", language) as s:
                window = s.window()
                s.focus(window)
                s.keys("a", "Delete")
                s.screenshot(window, f"simple-test-{language}")
                s.click(window, IDC_ABORT)
                self.assertOutcome(s, 2, "USERABORTED")


class MediaCenterKeyboardTest(AcceptanceTest):
    # Its own dialog, with the same verdict button ids as the frame.
    IDC_KEY_PRESSED = 1266

    def test_each_key_is_named_and_pass_is_recorded(self):
        with self.session("--test", "MediaCenterKeyboardTest") as s:
            before = s.settings()
            window = s.window()
            s.focus(window)
            s.keys("F5")
            s.screenshot(window, "media-centre-test-en")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            self.assertSettingsKept(before, s)

    def test_fail_and_cancel(self):
        with self.session("--test", "MediaCenterKeyboardTest") as s:
            window = s.window()
            s.focus(window)
            s.click(window, IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])
        for language in ("de", "ja"):
            with self.session("--test", "MediaCenterKeyboardTest", "--language", language) as s:
                window = s.window()
                s.focus(window)
                s.screenshot(window, f"media-centre-test-{language}")
                s.click(window, IDC_ABORT)
                self.assertOutcome(s, 2, "USERABORTED")


class KeyboardLayoutTest(AcceptanceTest):
    def test_pass_waits_for_every_key_of_the_standard_keyboard(self):
        with self.session("--test", "KeyboardLayoutTest", "--param", "bEnablePassAfterAllPressed=true") as s:
            before = s.settings()
            window = s.window()
            s.focus(window)
            s.screenshot(window, "layout-test-en")
            self.assertFalse(s.control_enabled(window, IDC_PASS))
            s.keys(*kvo_e2e.KEYS_104[:-1])
            s.screenshot(window, "layout-test-one-key-left")
            self.assertFalse(s.control_enabled(window, IDC_PASS))
            s.keys(kvo_e2e.KEYS_104[-1])
            s.screenshot(window, "layout-test-all-pressed")
            self.assertTrue(s.control_enabled(window, IDC_PASS))
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")
            # Every lock key was pressed once; the module puts them back.
            self.assertSettingsKept(before, s)

    def test_every_keyboard_type_is_chosen_from_the_keyboard(self):
        with self.session("--test", "KeyboardLayoutTest") as s:
            window = s.window()
            s.focus(window)
            s.chord("Alt_L", "Down")
            s.keys(*["Up"] * 8, "Return")
            shown = [s.control_text(window, IDC_KEYBOARD_TYPE)]
            s.screenshot(window, "layout-type-0")
            for index in range(1, 6):
                s.chord("Alt_L", "Down")
                s.keys("Down", "Return")
                shown.append(s.control_text(window, IDC_KEYBOARD_TYPE))
                s.screenshot(window, f"layout-type-{index}")
            self.assertEqual(len(set(shown)), 6, shown)
            s.click(window, IDC_ABORT)
            self.assertOutcome(s, 2, "USERABORTED")

    def test_fail_by_button_and_by_shortcut(self):
        with self.session("--test", "KeyboardLayoutTest") as s:
            window = s.window()
            s.focus(window)
            s.click(window, IDC_FAIL)
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
        for language in ("de", "ja"):
            with self.session("--test", "KeyboardLayoutTest", "--language", language) as s:
                window = s.window()
                s.focus(window)
                s.keys("a", "s", "d")
                s.screenshot(window, f"layout-test-{language}")
                s.click(window, IDC_ABORT)
                self.assertOutcome(s, 2, "USERABORTED")


class KeyboardInteractiveTest(AcceptanceTest):
    def test_the_radio_buttons_switch_between_the_pages(self):
        with self.session("--test", "KeyboardInteractiveTest") as s:
            window = s.window()
            s.focus(window)
            s.control_rect(window, IDC_KEYBOARD_TYPE)
            s.screenshot(window, "interactive-layout")
            s.click(window, IDC_SIMPLE_RADIO)
            s.focus(window)
            s.keys("a")
            self.assertIn("a", s.control_text(window, IDC_HISTORY))
            s.screenshot(window, "interactive-simple")
            s.click(window, IDC_LAYOUT_RADIO)
            s.control_rect(window, IDC_KEYBOARD_TYPE)
            s.click(window, IDC_SIMPLE_RADIO)
            self.assertEqual(s.control_text(window, IDC_HISTORY), "", "a fresh simple page")
            s.click(window, IDC_ABORT)
            self.assertOutcome(s, 2, "USERABORTED")

    def test_pass_and_fail_are_the_frames_verdict_on_either_page(self):
        with self.session("--test", "KeyboardInteractiveTest") as s:
            window = s.window()
            s.focus(window)
            s.click(window, IDC_FAIL)
            self.assertOutcome(s, 1, "FAIL", ["UserClickedFail"])
        with self.session("--test", "KeyboardInteractiveTest") as s:
            window = s.window()
            s.click(window, IDC_SIMPLE_RADIO)
            s.focus(window)
            s.keys("a")
            s.click(window, IDC_PASS)
            self.assertOutcome(s, 0, "PASS")


class HooksEndWithTheirTest(AcceptanceTest):
    # The key "A" of the standard picture: its control id is its scan code.
    KEY_A = 0x1E

    def test_the_next_test_of_the_process_gets_the_keyboard(self):
        # A test installs its hook only when none is installed, so a hook
        # left behind by the simple test would leave the layout test deaf.
        with self.session("--test", "SimpleKeyboardTest", "--test", "KeyboardLayoutTest") as s:
            window = s.window()
            s.focus(window)
            s.keys("a")
            s.click(window, IDC_PASS)
            time.sleep(2)
            window = s.window()
            s.focus(window)
            s.control_rect(window, self.KEY_A)
            s.keys("a")
            with self.assertRaises(kvo_e2e.E2EError, msg="the key stays in the picture"):
                s.control_rect(window, self.KEY_A)
            s.click(window, IDC_ABORT)
            self.assertEqual(s.wait(), 2, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["PASS", "USERABORTED"])


class DeviceWithoutKeyboard(AcceptanceTest):
    def test_every_test_reports_an_internal_error(self):
        tests = ["KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest", "MediaCenterKeyboardTest"]
        args = ["--device-without-keyboard"] + [arg for test in tests for arg in ("--test", test)]
        with self.session(*args) as s:
            self.assertEqual(s.wait(), 3, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["INTERNALERROR"] * 4)


class DialogThatCannotBeCreated(AcceptanceTest):
    def test_without_a_display_every_test_reports_an_internal_error(self):
        tests = ["KeyboardInteractiveTest", "KeyboardLayoutTest", "SimpleKeyboardTest", "MediaCenterKeyboardTest"]
        args = [arg for test in tests for arg in ("--test", test)]
        with self.session(*args, environment={"DISPLAY": ""}) as s:
            self.assertEqual(s.wait(), 3, s.output)
            self.assertEqual([t["result"] for t in s.results()["tests"]], ["INTERNALERROR"] * 4)
            self.assertEqual(s.log().count("Failed to load dialog!"), 4)


if __name__ == "__main__":
    unittest.main(verbosity=2)
