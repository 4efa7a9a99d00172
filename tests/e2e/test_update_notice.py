"""The update notice of the real program on a real X server. The version
check reaches the test's own server as its proxy. When the page's version
differs, the notice appears, always on top, above the main window; its
button hands the product page to the desktop; the program ends with 0 only
when both windows are gone, in either order."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from desktop import Desktop  # noqa: E402

BINARY = os.environ.get("QUILLO_BINARY", "build/quillo")
PRODUCT_PAGE = "http://www.quillo.example/quillo-tessaly.html"
NEWER = "<html><body><p>版本号:1.1。</p></body></html>".encode("utf-8")
SCREEN = (1280, 1024)
NOTICE_AT = ((SCREEN[0] - 380) // 2, (SCREEN[1] - 250) // 2)
MAIN_AT = ((SCREEN[0] - 790) // 2, (SCREEN[1] - 679) // 2)
# Centres of controls on the screen. The notice's controls lie 2 pixels in
# from their places (a 3-pixel frame, the panel 1 pixel up and left); the
# main window's panel lies 8 pixels left of the window.
UPDATE_BUTTON = (NOTICE_AT[0] + 2 + 129 + 60, NOTICE_AT[1] + 2 + 177 + 16)
NOTICE_CLOSE = (NOTICE_AT[0] + 2 + 347 + 12, NOTICE_AT[1] + 2 + 6 + 12)
NOTICE_BLANK = (NOTICE_AT[0] + 200, NOTICE_AT[1] + 60)
MAIN_CLOSE = (MAIN_AT[0] + 755 + 12, MAIN_AT[1] + 13 + 12)
MAIN_CODE_BOX = (MAIN_AT[0] + 100, MAIN_AT[1] + 600)


class UpdateNoticeTest(unittest.TestCase):
    def start_with_notice(self, desktop):
        quillo = desktop.start(BINARY)
        windows = desktop.wait_windows(quillo.pid, 2)
        sizes = [desktop.geometry(w)[2:] for w in windows]
        self.assertEqual(sizes, [(790, 679), (380, 250)], "notice above the main window")
        return quillo, windows[0], windows[1]

    def assert_still_running(self, desktop, quillo, count):
        time.sleep(1.0)
        self.assertIsNone(quillo.poll(), "the program ended with a window left")
        self.assertEqual(len(desktop.windows(quillo.pid)), count)

    def test_notice_settings_and_update_button(self):
        with Desktop(page=NEWER, screen=SCREEN) as desktop:
            quillo, main, notice = self.start_with_notice(desktop)

            self.assertEqual(len(desktop.requests), 1)
            request = desktop.requests[0]
            self.assertEqual(request["line"], f"GET {PRODUCT_PAGE} HTTP/1.0")
            headers = {k.lower(): v for k, v in request["headers"].items()}
            self.assertEqual(headers["user-agent"],
                             "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)")
            self.assertEqual(headers["accept"], "*/*")
            self.assertEqual(headers["pragma"], "no-cache")
            self.assertEqual(headers["cache-control"], "no-cache")
            self.assertNotIn("referer", headers)
            self.assertNotIn("cookie", headers)

            self.assertEqual(desktop.geometry(notice), (*NOTICE_AT, 380, 250))
            self.assertEqual(desktop.title(notice), "")
            self.assertIn("_NET_WM_STATE_ABOVE", desktop.property(notice, "_NET_WM_STATE"))
            self.assertNotIn("SKIP_TASKBAR", desktop.property(notice, "_NET_WM_STATE"))
            self.assertIn("not found", desktop.property(notice, "WM_TRANSIENT_FOR"))
            self.assertIn("_NET_WM_WINDOW_TYPE_NORMAL",
                          desktop.property(notice, "_NET_WM_WINDOW_TYPE"))
            # The window manager will not move it, and its panel is no drag
            # surface either.
            actions = desktop.property(notice, "_NET_WM_ALLOWED_ACTIONS")
            self.assertIn("_NET_WM_ACTION_CLOSE", actions)
            self.assertNotIn("_NET_WM_ACTION_MOVE", actions)
            desktop.drag(NOTICE_BLANK, (NOTICE_BLANK[0] + 60, NOTICE_BLANK[1] + 40))
            self.assertEqual(desktop.geometry(notice)[:2], NOTICE_AT)

            # Working in the main window leaves the notice above it.
            desktop.click(*MAIN_CODE_BOX)
            time.sleep(0.5)
            self.assertEqual(desktop.windows(quillo.pid), [main, notice])

            desktop.click(*UPDATE_BUTTON)
            desktop.wait(lambda: desktop.windows(quillo.pid) == [main], 10, "the notice to go")
            self.assertEqual(desktop.opened(), [PRODUCT_PAGE])
            self.assert_still_running(desktop, quillo, 1)

            desktop.click(*MAIN_CLOSE)
            self.assertEqual(quillo.wait(timeout=10), 0)
            self.assertEqual(desktop.opened(), [PRODUCT_PAGE])

    def test_main_window_closed_first(self):
        with Desktop(page=NEWER, screen=SCREEN) as desktop:
            quillo, main, notice = self.start_with_notice(desktop)
            desktop.click(*MAIN_CLOSE)
            desktop.wait(lambda: desktop.windows(quillo.pid) == [notice], 10,
                         "the main window to go")
            self.assert_still_running(desktop, quillo, 1)

            desktop.click(*NOTICE_BLANK)  # the focus, for the key
            time.sleep(0.3)
            desktop.press("Escape")
            self.assertEqual(quillo.wait(timeout=10), 0)
            self.assertEqual(desktop.opened(), [])

    def test_notice_closed_first(self):
        with Desktop(page=NEWER, screen=SCREEN) as desktop:
            quillo, main, notice = self.start_with_notice(desktop)
            desktop.click(*NOTICE_CLOSE)
            desktop.wait(lambda: desktop.windows(quillo.pid) == [main], 10, "the notice to go")
            self.assert_still_running(desktop, quillo, 1)

            desktop.click(*MAIN_CLOSE)
            self.assertEqual(quillo.wait(timeout=10), 0)
            self.assertEqual(desktop.opened(), [])

    def test_no_window_before_the_check_ends(self):
        with Desktop(page=NEWER, screen=SCREEN) as desktop:
            desktop.delay = 4.0
            quillo = desktop.start(BINARY)
            desktop.wait(lambda: desktop.requests, 10, "the version page's request")
            time.sleep(2.0)
            self.assertIsNone(quillo.poll())
            self.assertEqual(desktop.windows(quillo.pid), [])
            self.assertEqual(len(desktop.wait_windows(quillo.pid, 2)), 2)
            quillo.kill()

    def test_page_outcomes(self):
        cases = [
            ("404 page holding the version", 404, "<p>版本号:1.0。</p>".encode("utf-8"), 1),
            ("emoji elsewhere on the page", 200, "<p>🙂 版本号:1.0。</p>".encode("utf-8"), 2),
            ("version page unreachable", None, b"", 2),
        ]
        for name, status, page, count in cases:
            with self.subTest(name), Desktop(page=page, status=status or 200,
                                             screen=SCREEN) as desktop:
                if status is None:
                    # A closed port on this machine stands for the network.
                    for var in ("http_proxy", "HTTP_PROXY"):
                        desktop.env[var] = "http://127.0.0.1:9"
                quillo = desktop.start(BINARY)
                windows = desktop.wait_windows(quillo.pid, count)
                time.sleep(1.0)
                # A late notice would stay; a single empty answer from the X
                # tools under load would not, so poll rather than look once.
                self.assertIsNone(quillo.poll())
                desktop.wait(lambda: desktop.windows(quillo.pid) == windows, 5,
                             f"the same {count} window(s) a second later")
                quillo.kill()


if __name__ == "__main__":
    unittest.main()
