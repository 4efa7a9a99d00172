"""The real program on a real X server: it opens centred, moves when its blue
panel is dragged and only then, hands the product page to the desktop, and
ends with exit code 0 when its close button is clicked."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

BINARY = os.environ.get("QUILLO_BINARY", "build/quillo")


class MainWindowTest(unittest.TestCase):
    def test_open_drag_feedback_close(self):
        with Desktop() as desktop:
            quillo = desktop.start(BINARY)
            [window] = desktop.wait_windows(quillo.pid, 1)
            self.assertEqual(desktop.title(window), "Quillo - Tessaly")
            x, y, width, height = desktop.geometry(window)
            self.assertEqual((width, height), (790, 679))
            self.assertEqual((x, y), ((1280 - 790) // 2, (1024 - 679) // 2))

            # The title text, the version text and the bare panel all move it.
            moves = [((100, 25), (160, 65)), ((30, 640), (0, 610)), ((600, 650), (620, 640))]
            for (px, py), (qx, qy) in moves:
                desktop.drag((x + px, y + py), (x + qx, y + qy))
                desktop.wait(lambda: desktop.geometry(window)[:2] == (x + qx - px, y + qy - py),
                             5, f"window moved by dragging from {(px, py)}")
                x, y = x + qx - px, y + qy - py

            # The tab control, the code box and the title-bar buttons do not.
            for px, py in [(400, 70), (400, 530), (400, 300)]:
                desktop.drag((x + px, y + py), (x + px + 40, y + py + 30))
                self.assertEqual(desktop.geometry(window)[:2], (x, y), (px, py))

            desktop.click(x + 687 + 12, y + 13 + 12)  # feedback
            desktop.wait(lambda: desktop.opened(), 5, "the product page")
            self.assertEqual(desktop.opened(),
                             ["http://www.quillo.example/quillo-tessaly.html"])

            desktop.click(x + 755 + 12, y + 13 + 12)  # close
            self.assertEqual(quillo.wait(timeout=10), 0)


if __name__ == "__main__":
    unittest.main()
