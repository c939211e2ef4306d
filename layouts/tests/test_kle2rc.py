import re
import unittest

import kle2rc

CONTROL = re.compile(r'CONTROL (L".*"), (\d+), "Static", ([^,]+), (\d+), (\d+), (\d+), (\d+)$')


def controls(rc):
    return [CONTROL.search(line).groups() for line in rc.splitlines() if "CONTROL" in line]


def layout(*rows, name="Test keyboard."):
    return [{"name": name}, *rows]


class Placement(unittest.TestCase):
    def test_follows_the_editor_rules_for_rows_offsets_and_sizes(self):
        _, keys = kle2rc.parse(layout(
            ["Esc\n#01", {"x": 1}, "F1\n#3B"],
            [{"y": 0.5, "w": 2}, "Backspace\n#0E", "Q\n#10"],
            [{"h": 2}, "+\n#4E"],
        ))
        placed = [(k.ident, k.x, k.y, k.w, k.h) for k in keys]
        self.assertEqual(placed, [
            (0x01, 0, 0, 1, 1), (0x3B, 2, 0, 1, 1),
            (0x0E, 0, 1.5, 2, 1), (0x10, 2, 1.5, 1, 1),
            (0x4E, 0, 2.5, 1, 2),
        ])

    def test_the_picture_fits_the_area_without_overlapping_keys(self):
        row = [{"w": 2}, "Wide\n#01"] + [f"K\n#{sc:02X}" for sc in range(2, 30)]
        rc = kle2rc.render(*kle2rc.parse(layout(row, [{"w": 6}, "\n#39"])))
        boxes = [tuple(int(v) for v in c[3:]) for c in controls(rc)]
        self.assertEqual(len(boxes), 30)
        for x, y, w, h in boxes:
            self.assertTrue(x >= 0 and y >= 0 and x + w <= 480 and y + h <= 134, (x, y, w, h))
        for i, (x, _, w, _) in enumerate(boxes[:28]):
            self.assertLess(x + w, boxes[i + 1][0])


class Identifiers(unittest.TestCase):
    def test_the_hash_line_is_the_identifier_and_the_rest_is_drawn(self):
        _, keys = kle2rc.parse(layout(["!\n1\n#02", "Enter\n#11C", "~\n#\n#2B"]))
        self.assertEqual([(k.ident, k.legends) for k in keys],
                         [(0x02, ["!", "1"]), (0x11C, ["Enter"]), (0x2B, ["~", "#"])])

    def test_refuses_keys_that_could_not_be_found_by_the_test(self):
        refused = {
            "no identifier": layout(["Esc"]),
            "two identifiers": layout(["Esc\n#01\n#02"]),
            "used twice": layout(["Esc\n#01", "Again\n#01"]),
            "beyond the extended range": layout(["Big\n#200"]),
            "rotated": layout([{"r": 15}, "A\n#1E"]),
            "unnamed": layout(["A\n#1E"], name=""),
            "no keys at all": layout([{"d": True}, "Hint\n#1104"]),
            "a decal that is not an instruction": layout(["A\n#1E", {"d": True}, "Label\n#30"]),
        }
        for reason, source in refused.items():
            with self.subTest(reason), self.assertRaises(kle2rc.LayoutError):
                kle2rc.parse(source)

    def test_a_decal_becomes_the_unframed_fn_instructions_text(self):
        rc = kle2rc.render(*kle2rc.parse(layout(["A\n#1E", {"d": True, "w": 3}, "Hold Fn\n#1104"])))
        (_, key_id, key_style, *_), (text, fn_id, fn_style, *_) = controls(rc)
        self.assertEqual((key_id, fn_id, text), ("30", "1104", 'L"Hold Fn"'))
        self.assertIn("WS_BORDER", key_style)
        self.assertNotIn("WS_BORDER", fn_style)


class Script(unittest.TestCase):
    def test_names_and_legends_are_escaped_for_the_resource_compiler(self):
        rc = kle2rc.render(*kle2rc.parse(layout(['"\n\'\n#28', "|\n\\\n#2B"], name='Say "hi"')))
        self.assertIn('1, L"Say ""hi"""', rc)
        self.assertEqual([c[0] for c in controls(rc)], ['L"""\\n\'"', 'L"|\\n\\\\"'])

    def test_text_beyond_ascii_is_written_as_utf16_escapes(self):
        rc = kle2rc.render(*kle2rc.parse(layout(["|\n\u00a5\n#7D", "\U0001F600\n#01"], name="Caf\u00e9")))
        self.assertIn('1, L"Caf\\x00e9"', rc)
        self.assertEqual([c[0] for c in controls(rc)], ['L"|\\n\\x00a5"', 'L"\\xd83d\\xde00"'])
        self.assertTrue(rc.isascii())


if __name__ == "__main__":
    unittest.main()
