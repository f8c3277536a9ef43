#!/usr/bin/env python3
"""The committed pictures are what tools/picture-maker draws, and their frames are the ones the button shows.

    python3 tests/tools/picture_maker_test.py REPO_ROOT
"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
TOOL = os.path.join(ROOT, "tools", "picture-maker", "make_pictures.py")
ASSETS = os.path.join(ROOT, "assets")
STATES = ["normal", "highlight", "pressed", "selected", "highlight_select", "disable"]


def read_bmp(path):
    """Width, height and a function giving R, G, B of (x, y) counted from the top."""
    with open(path, "rb") as f:
        data = f.read()
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    assert magic == b"BM" and size == len(data), path
    assert (header, planes, bits, compression) == (40, 1, 24, 0), path
    stride = (width * 3 + 3) // 4 * 4

    def rgb(x, y):
        at = offset + (height - 1 - y) * stride + x * 3
        b, g, r = data[at:at + 3]
        return (r, g, b)

    return width, height, rgb


class RegeneratedPictures(unittest.TestCase):
    def test_the_tool_redraws_every_committed_picture_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as fresh:
            subprocess.run([sys.executable, TOOL, fresh], check=True)
            made = sorted(os.path.relpath(os.path.join(d, f), fresh) for d, _, fs in os.walk(fresh) for f in fs)
            self.assertEqual(len(made), 8)
            for relative in made:
                with open(os.path.join(fresh, relative), "rb") as a, open(os.path.join(ASSETS, relative), "rb") as b:
                    self.assertEqual(a.read(), b.read(), relative + " drifted from the tool; rerun it")


class StatePictures(unittest.TestCase):
    def picture(self, state):
        return read_bmp(os.path.join(ASSETS, "command", state + ".bmp"))

    def test_sizes_and_the_outer_ring_of_the_frames(self):
        for state in STATES:
            width, height, rgb = self.picture(state)
            self.assertEqual((width, height), (64, 25), state)
            edge = (160, 160, 160) if state == "disable" else (0, 60, 116)
            for x, y in ((0, 0), (63, 0), (0, 24), (63, 24), (31, 0), (0, 12), (31, 24), (63, 12)):
                self.assertEqual(rgb(x, y), edge, "%s at %d,%d" % (state, x, y))

    def test_the_glows_inside_the_frame(self):
        def just_inside(state):
            return self.picture(state)[2](10, 1)

        for state in ("highlight", "highlight_select"):
            r, g, b = just_inside(state)
            self.assertGreater(r, b + 100, state + " glows orange")
        r, g, b = just_inside("selected")
        self.assertGreater(b, r + 50, "selected glows light blue")
        r, g, b = just_inside("normal")
        self.assertGreater(b, r, "normal fades from its dark blue edge")

    def test_pressed_has_the_darker_face(self):
        self.assertLess(sum(self.picture("pressed")[2](32, 12)), sum(self.picture("normal")[2](32, 12)))


class Marks(unittest.TestCase):
    def test_the_chosen_mark_alone_has_a_blue_centre(self):
        for name, chosen in (("mark_off", False), ("mark_on", True)):
            width, height, rgb = read_bmp(os.path.join(ASSETS, "marks", name + ".bmp"))
            self.assertEqual((width, height), (12, 12))
            self.assertEqual(rgb(0, 0), (128, 128, 128))
            r, g, b = rgb(6, 6)
            self.assertEqual(b > r + 100, chosen, name)


if __name__ == "__main__":
    unittest.main()
