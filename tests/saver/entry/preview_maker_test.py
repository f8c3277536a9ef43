#!/usr/bin/env python3
"""The preview picture is made by tools/preview-maker from a committed still of a run: remaking it must give
the committed assets/preview.bmp byte for byte. Also: a BMP source reads like the PNG, bad input fails."""

import os
import subprocess
import sys
import tempfile

top = sys.argv[1]
tool = os.path.join(top, "tools", "preview-maker", "make_preview.py")
still = os.path.join(top, "assets", "preview_still.png")
committed = os.path.join(top, "assets", "preview.bmp")
crop = "60,75,940,693"  # the cloth, the sphere and the light of the still, in the pane's shape
failures = 0
passes = 0


def run(*args):
    return subprocess.run([sys.executable, tool, *args], capture_output=True, text=True)


def check(condition, what):
    global failures, passes
    print(("ok   " if condition else "FAIL ") + what)
    failures += 0 if condition else 1
    passes += 1 if condition else 0


with tempfile.TemporaryDirectory() as scratch:
    remade = os.path.join(scratch, "preview.bmp")
    result = run(still, remade, "--crop", crop)
    check(result.returncode == 0, "remakes the preview from the still")
    with open(committed, "rb") as a, open(remade, "rb") as b:
        check(a.read() == b.read(), "the committed preview.bmp is what the tool makes")

    # Its own output read back as a source: a BMP, scaled 1:1, is unchanged.
    again = os.path.join(scratch, "again.bmp")
    result = run(committed, again)
    with open(committed, "rb") as a, open(again, "rb") as b:
        check(result.returncode == 0 and a.read() == b.read(), "a 152 x 112 BMP passes through unchanged")

    broken = os.path.join(scratch, "broken.png")
    with open(still, "rb") as source, open(broken, "wb") as out:
        out.write(source.read()[:4000])
    for name, args in [("not a picture", [tool, remade + ".x"]),
                       ("a PNG cut short", [broken, remade + ".y"]),
                       ("a crop outside the still", [still, remade + ".z", "--crop", "0,0,5000,10"])]:
        result = run(*args)
        check(result.returncode == 1 and "make_preview:" in result.stderr and not os.path.exists(args[1]),
              name + " fails with a message and writes nothing")

print("%d passed, %d failed" % (passes, failures))
sys.exit(1 if failures else 0)
