"""The real program at QT_SCALE_FACTOR=2 on a real X server: the window
opens centred at twice its size in device pixels, the close button's cross
on the screen is the @2x artwork pixel for pixel (not the plain image scaled
up), and the close button still ends the program with 0."""

import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

BINARY = os.environ.get("QUILLO_BINARY", "build/quillo")
IMAGES = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "images")
SCREEN = (2560, 1600)  # 1280 x 800 at scale 2
SCALE = 2
# The close button's place in the window: its panel place (763, 13), with the
# panel 8 pixels left of the window.
CLOSE = (763 - 8, 13)
BUTTON = 24


def rgb(path, crop=None):
    """Raw RGB bytes of an image file, or of a region of it."""
    command = ["convert", path]
    if crop:
        command += ["-crop", "{2}x{3}+{0}+{1}".format(*crop), "+repage"]
    return subprocess.run(command + ["-depth", "8", "rgb:-"],
                          capture_output=True, check=True).stdout


def scaled(path, factor, filter_name):
    return subprocess.run(["convert", path, "-filter", filter_name, "-resize", f"{factor * 100}%",
                           "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


class HiDpiTest(unittest.TestCase):
    def test_window_doubles_and_cross_is_sharp(self):
        twin = os.path.join(IMAGES, "close@2x.png")
        plain = os.path.join(IMAGES, "close.png")
        # Otherwise a blurred or blocky cross could pass for the sharp one.
        for filter_name in ("point", "triangle"):
            self.assertNotEqual(rgb(twin), scaled(plain, SCALE, filter_name), filter_name)

        with Desktop(screen=SCREEN) as desktop:
            desktop.env["QT_SCALE_FACTOR"] = str(SCALE)
            quillo = desktop.start(BINARY)
            [window] = desktop.wait_windows(quillo.pid, 1)
            x, y, width, height = desktop.geometry(window)
            self.assertEqual((width, height), (790 * SCALE, 679 * SCALE))
            logical = (SCREEN[0] // SCALE, SCREEN[1] // SCALE)
            self.assertEqual((x, y), ((logical[0] - 790) // 2 * SCALE,
                                      (logical[1] - 679) // 2 * SCALE))

            shot = os.path.join(desktop.dir, "screen.png")
            button = (x + CLOSE[0] * SCALE, y + CLOSE[1] * SCALE)
            desktop.wait(lambda: desktop.screenshot(shot) or
                         rgb(shot, (*button, BUTTON * SCALE, BUTTON * SCALE)) == rgb(twin),
                         10, "the close button's @2x cross on the screen")

            desktop.click(button[0] + BUTTON * SCALE // 2, button[1] + BUTTON * SCALE // 2)
            self.assertEqual(quillo.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
