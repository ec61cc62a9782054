"""The volume hotkeys change the mixer line and show it: the bar's fill and
the mute text, checked in screenshots over a white window."""

import os
import subprocess
import time

from harness import WINE, Screenshot, VantrelTest, display_window, hotkeys_file, visible_windows, wait_until, xdotool

LIME = (0, 255, 0)  # the bar's fill by default
BLUE = (0, 0, 255)  # the text's colour by default
# With the default bar on 1024 x 768 (X 100, Y 652, height 20), a level of p
# per cent fills the upper half up to 100 + Trunc(824 / 100 * p).
UPPER_ROW = 658


def fill_end(percent):
    return 100 + int(824 / 100 * percent)


class VolumeCase(VantrelTest):
    # No notification-area icon: Wine would show its tray as a window at the
    # top left of the screen the pixels are read from; and no splash in the
    # middle of it.
    SETTINGS = "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n"

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
        self.app.write("Hotkeys.ini", hotkeys_file([(key, 1, 1, 0, 1, action) for key, action in rows]))
        self.app.write("Settings.ini", self.SETTINGS)
        self.app.start(" hide")
        time.sleep(2)
        xdotool("mousemove", 900, 100)
        time.sleep(0.2)


class Volume(VolumeCase):
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


class KeyStorm(VolumeCase):
    """Many presses in a short time are each handled once, and many small
    steps add up exactly: the level is kept in the mixer model's own units,
    not re-read from the whole units the device rounds it to."""

    # Steps of 0,1 %, the figure with decimals, shown for 8 s.
    SETTINGS = VolumeCase.SETTINGS + "[VolumeProgress]\r\nDecimals=1\r\nStep=0\r\n[OSD]\r\nVisibleTime=7\r\n"

    def shown(self):
        """What the display says it shows: its window's text."""
        window = display_window(self.app)
        return window[2] if window else None

    def settled(self, timeout=30):
        """The display's text once the presses sent so far are handled (it
        stays the same for two seconds)."""
        last, since = None, time.monotonic()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            now = self.shown()
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= 2:
                return now
            time.sleep(0.3)
        self.fail("the display kept changing: %r" % last)

    def test_500_presses_lower_the_volume_by_exactly_500_steps(self):
        # From wherever the line starts, up to full scale.
        for _ in range(12):
            xdotool("key", "--delay", "12", *["ctrl+alt+Up"] * 100)
            if self.settled() == "Volume 100":
                break
        self.assertEqual(self.settled(), "Volume 100")
        # 500 presses 12 ms apart: about 6 s of key strokes.
        xdotool("key", "--delay", "12", *["ctrl+alt+Down"] * 500)
        self.assertEqual(self.settled(), "Volume 50", "500 steps of 0.1 down from 100")
