"""The volume hotkeys change the mixer line and show it: the bar's fill and
the mute text, checked in screenshots over a white window."""

import os
import subprocess
import time

from harness import WINE, Screenshot, VantrelTest, visible_windows, wait_until, xdotool

LIME = (0, 255, 0)  # the bar's fill by default
BLUE = (0, 0, 255)  # the text's colour by default
# With the default bar on 1024 x 768 (X 100, Y 652, height 20), a level of p
# per cent fills the upper half up to 100 + Trunc(824 / 100 * p).
UPPER_ROW = 658


def fill_end(percent):
    return 100 + int(824 / 100 * percent)


class Volume(VantrelTest):
    def setUp(self):
        super().setUp()
        self.app.add_helper("white_window.exe")
        white = subprocess.Popen(
            [WINE, os.path.join(self.app.folder, "white_window.exe")],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        self.addCleanup(white.wait)
        self.addCleanup(white.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^White$"), timeout=20))
        rows = [(40, "VolumeDown"), (38, "VolumeUp"), (77, "VolumeMute")]
        text = "[HotKeys]\r\nCount=%d\r\n" % len(rows)
        for n, (key, action) in enumerate(rows):
            text += "Key{n}={k}\r\nAlt{n}=1\r\nCtrl{n}=1\r\nShift{n}=0\r\nChecked{n}=1\r\nPath{n}={a}\r\n".format(
                n=n, k=key, a=action
            )
        self.app.write("Hotkeys.ini", text)
        # No notification-area icon: Wine would show its tray as a window
        # at the top left of the screen the pixels are read from; and no
        # splash in the middle of it.
        self.app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")
        self.app.start(" hide")
        time.sleep(2)
        xdotool("mousemove", 900, 100)
        time.sleep(0.2)

    def press_and_capture(self, keys, settle=0.6):
        """Presses keys, waits for the display, and returns a screenshot."""
        xdotool("key", keys)
        time.sleep(settle)
        return Screenshot()

    def wait_cleared(self):
        self.assertTrue(wait_until(lambda: not Screenshot().points(lambda c: c == BLUE), timeout=5))

    def filled_to(self, shot):
        lime = [x for x in range(1024) if shot.pixel(x, UPPER_ROW) == LIME]
        return max(lime) if lime else None

    def test_volume_down_twice_from_full_scale_shows_98_per_cent(self):
        # Raise first: from wherever the line stands it ends at full scale.
        for _ in range(3):
            shot = self.press_and_capture("ctrl+alt+Up")
        self.assertAlmostEqual(self.filled_to(shot), fill_end(100), delta=6)
        self.wait_cleared()
        shot = self.press_and_capture("ctrl+alt+Down")
        self.assertAlmostEqual(self.filled_to(shot), fill_end(99), delta=2)
        shot = self.press_and_capture("ctrl+alt+Down")
        self.assertAlmostEqual(self.filled_to(shot), fill_end(98), delta=2)
        self.assertTrue(shot.points(lambda c: c == BLUE), 'the text "Volume" shows too')

    def test_mute_shows_on_then_off(self):
        def text_box(shot):
            blue = shot.points(lambda c: c == BLUE)
            self.assertTrue(blue)
            return min(x for x, _ in blue), max(x for x, _ in blue), blue

        on_left, on_right, on_pixels = text_box(self.press_and_capture("ctrl+alt+m"))
        self.wait_cleared()
        off_left, off_right, off_pixels = text_box(self.press_and_capture("ctrl+alt+m"))
        self.assertEqual(on_left, off_left)
        # "VolumeMute: OFF" is "VolumeMute: ON" with the N drawn over as F
        # and one F more: the same up to the last letter, and wider.
        self.assertGreater(off_right - off_left, on_right - on_left)
        prefix_end = on_left + (on_right - on_left) * 3 // 4
        self.assertEqual(
            sorted(p for p in on_pixels if p[0] < prefix_end), sorted(p for p in off_pixels if p[0] < prefix_end)
        )
