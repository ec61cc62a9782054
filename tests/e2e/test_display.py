"""The on-screen display over another program's white full-screen window,
checked in screenshots."""

import os
import subprocess
import time

from harness import WINE, Screenshot, VantrelTest, display_window, visible_windows, wait_until, xdotool

BLUE = (0, 0, 255)  # the text's colour by default
WHITE = (255, 255, 255)
# On 1024 x 768 the text starts at (100, 768 * 75 div 100).
TEXT_ORIGIN = (100, 576)
VISIBLE_SECONDS = 2.0


def not_white(colour):
    return colour != WHITE


class Display(VantrelTest):
    def setUp(self):
        super().setUp()
        white = os.path.join(self.app.folder, "white_window.exe")
        self.app.add_helper("white_window.exe")
        self.white = subprocess.Popen([WINE, white], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.white.wait)
        self.addCleanup(self.white.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^White$"), timeout=20))
        helper = self.app.add_helper("record_run.exe")
        self.app.write(
            "Hotkeys.ini",
            "[HotKeys]\r\nCount=1\r\nKey0=75\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\nChecked0=1\r\nPath0=%s\r\n" % helper,
        )
        # No notification-area icon: Wine would show its tray as a window
        # at the top left of the screen the pixels are read from; and no
        # splash in the middle of it.
        self.app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")
        self.app.start(" hide")
        time.sleep(2)
        xdotool("mousemove", 900, 100)  # over the white window, far from the text
        time.sleep(0.2)
        self.assertEqual(Screenshot().points(not_white), [], "the screen starts white")

    def press(self):
        xdotool("key", "ctrl+alt+k")
        return time.monotonic()

    def text_pixels(self):
        return Screenshot().points(lambda c: c == BLUE)

    def test_text_shows_where_expected_and_nothing_else_changes(self):
        pressed = self.press()
        blue = wait_until(self.text_pixels, timeout=VISIBLE_SECONDS)
        self.assertTrue(blue, "the action's name is painted")
        changed = Screenshot().points(not_white)
        self.assertEqual(set(changed), set(blue), "only pure text-coloured pixels, no fringes")
        xs = [x for x, _ in changed]
        ys = [y for _, y in changed]
        self.assertGreaterEqual(min(xs), TEXT_ORIGIN[0])
        self.assertLess(min(xs), TEXT_ORIGIN[0] + 10)
        self.assertGreaterEqual(min(ys), TEXT_ORIGIN[1])
        self.assertLess(max(ys), TEXT_ORIGIN[1] + 80)
        self.assertGreater(max(xs) - min(xs), 200, "a whole line: record_run.exe")
        # (Read while shown or just after: the place and text stay on the
        # hidden window.)
        _, (left, top, right, bottom), text = display_window(self.app)
        self.assertEqual(text, "record_run.exe", "the window names what it shows")
        self.assertTrue(
            left <= min(xs) and max(xs) < right and top <= min(ys) and max(ys) < bottom,
            "the window holds the text",
        )
        self.assertLess((right - left) * (bottom - top), 1024 * 768 // 10, "and not the whole screen")
        self.assertTrue(wait_until(lambda: not Screenshot().points(not_white), timeout=VISIBLE_SECONDS + 2))
        self.assertGreater(time.monotonic() - pressed, VISIBLE_SECONDS - 0.3)

    def test_second_press_restarts_the_visible_time(self):
        first = self.press()
        self.assertTrue(wait_until(self.text_pixels, timeout=VISIBLE_SECONDS))
        time.sleep(1.2)
        second = self.press()
        time.sleep(max(0.0, first + VISIBLE_SECONDS + 0.4 - time.monotonic()))
        self.assertTrue(self.text_pixels(), "still shown after the first press's time")
        self.assertTrue(wait_until(lambda: not self.text_pixels(), timeout=VISIBLE_SECONDS + 2))
        self.assertGreater(time.monotonic() - second, VISIBLE_SECONDS - 0.3)

    def test_clicks_go_through_to_the_window_below(self):
        self.press()
        blue = wait_until(self.text_pixels, timeout=VISIBLE_SECONDS)
        self.assertTrue(blue)
        x, y = blue[len(blue) // 2]
        xdotool("mousemove", x, y, "click", "1")
        xdotool("mousemove", 700, 200, "click", "1")
        self.assertTrue(wait_until(lambda: len(self.clicks()) >= 2, timeout=5))
        self.assertEqual(self.clicks(), [(x, y), (700, 200)])

    def clicks(self):
        """The clicks the white window has received."""
        try:
            with open(os.path.join(self.app.folder, "white_window.exe.log")) as handle:
                return [tuple(map(int, line.split())) for line in handle if line.strip()]
        except FileNotFoundError:
            return []
