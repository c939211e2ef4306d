"""The evidence in the reports, proven with real keys under Wine: the
keystroke journal (presses, holds, chatter, rollover, keys left down), the
layout picture's keys never pressed and its drawing, the machine, the
verdict --fail-on-chatter gives.

Run by CTest inside tools/wine-session.sh; KVO_BUILD_DIR names the Windows
build. Reports and pictures stay in <build>/acceptance/evidence/<case>/.
"""
import functools
import os
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[6] / "tools" / "e2e"))
import kvo_e2e  # noqa: E402

BUILD = pathlib.Path(os.environ["KVO_BUILD_DIR"])
IDC_PASS, IDC_FAIL = 1255, 1256
TYPED = {0x1E: "a", 0x1F: "s", 0x20: "d", 0x21: "f", 0x22: "g"}
# One xdotool for a whole sequence: no process start between its events.
xdotool = functools.partial(kvo_e2e.run, "xdotool")


class Evidence(unittest.TestCase):
    def session(self, *host_args):
        folder = BUILD / "acceptance" / "evidence" / self._testMethodName
        # Nothing of an earlier run may pass for this one's.
        for old in [*folder.glob("results.*"), *folder.glob("*.png")]:
            old.unlink()
        return kvo_e2e.Session(BUILD, folder, list(host_args))

    def test_a_failed_layout_test_reports_its_keys_and_the_machine(self):
        # The keys are typed 5-10 ms apart; the threshold leaves room for a
        # loaded machine's scheduling between the two hook calls.
        with self.session("--test", "KeyboardLayoutTest", "--chatter-ms", "100") as s:
            window = s.window()
            s.focus(window)
            xdotool("keydown", "a", "keyup", "a", "sleep", "0.007", "keydown", "a", "keyup", "a")
            xdotool("keydown", "s", "keydown", "d", "keydown", "f", "sleep", "0.1", "keyup", "f", "keyup", "d",
                    "keyup", "s")
            xdotool("keydown", "g")
            try:
                s.click(window, IDC_FAIL)
                self.assertEqual(s.wait(), 1, s.output)
            finally:
                xdotool("keyup", "g")
        test = s.results()["tests"][0]
        self.assertEqual(test["result"], "FAIL")
        seen = test["observations"]
        keys = {k["key"]: k for k in seen["keys"]}
        self.assertEqual({k: keys[k]["name"] for k in TYPED}, TYPED)
        a = keys[0x1E]
        self.assertEqual((a["presses"], "shortestGapMs" in keys[0x1F]), (2, False))
        self.assertLess(a["shortestHoldMs"], a["longestHoldMs"] + 0.1)
        self.assertEqual(seen["chatter"], [{"key": 0x1E, "name": "a", "count": 1, "shortestGapMs": a["shortestGapMs"]}])
        self.assertLess(a["shortestGapMs"], seen["chatterThresholdMs"])
        self.assertEqual(seen["mostKeysDown"], {"count": 3, "keys": ["s", "d", "f"]})
        self.assertEqual(seen["keysDownAtEnd"], ["g"])
        left = seen["keysNotPressed"]
        self.assertEqual(len(left), 104 - len(TYPED))
        self.assertEqual(left[:3],
                         [{"key": 1, "name": "Esc"}, {"key": 0x3B, "name": "F1"}, {"key": 0x3C, "name": "F2"}])
        self.assertFalse(set(TYPED) & {k["key"] for k in left})
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
            window = s.window()
            s.focus(window)
            xdotool("keydown", "a", "keyup", "a", "sleep", "0.007", "keydown", "a", "keyup", "a")
            s.click(window, IDC_PASS)
            self.assertEqual(s.wait(), 1, s.output)
        test = s.results()["tests"][0]
        self.assertEqual(test["result"], "FAIL")
        self.assertRegex(test["reason"], r"^chatter: a 1x, shortest \d+\.\d ms \(--fail-on-chatter\)$")
        self.assertEqual(test["observations"]["chatterThresholdMs"], 200)
        self.assertEqual(test["observations"]["keys"][0]["presses"], 2)
        self.assertNotIn("keysNotPressed", test["observations"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
