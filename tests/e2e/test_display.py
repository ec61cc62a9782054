"""The on-screen display over another program's white full-screen window,
checked in screenshots."""

import os
import subprocess
import time

from harness import (
    WINE,
    Screenshot,
    VantrelTest,
    display_window,
    helper_runs,
    hotkeys_file,
    visible_windows,
    wait_until,
    xdotool,
)

BLUE = (0, 0, 255)  # the text's colour by default
WHITE = (255, 255, 255)
# On 1024 x 768 the text starts at (100, 768 * 75 div 100).
TEXT_ORIGIN = (100, 576)
VISIBLE_SECONDS = 2.0


def not_white(colour):
    return colour != WHITE


class DisplayCase(VantrelTest):
    """The program started hidden over the white window, with its hotkeys."""

    more_settings = ""

    def hotkey_rows(self):
        return [(75, 1, 1, 0, 1, self.helper)]

    def setUp(self):
        super().setUp()
        white = os.path.join(self.app.folder, "white_window.exe")
        self.app.add_helper("white_window.exe")
        self.white = subprocess.Popen([WINE, white], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(self.white.wait)
        self.addCleanup(self.white.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^White$"), timeout=20))
        self.helper = self.app.add_helper("record_run.exe")
        self.app.write("Hotkeys.ini", hotkeys_file(self.hotkey_rows()))
        # No notification-area icon: Wine would show its tray as a window
        # at the top left of the screen the pixels are read from; and no
        # splash in the middle of it.
        self.app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n" + self.more_settings)
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


class Display(DisplayCase):
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


LIME = (0, 255, 0)  # the bar's level colour by default
SEARCH = "https://example.org/search?q="


class OneConfirmationAtATime(DisplayCase):
    """Each press's confirmation replaces the one before; failures and
    refusals are shown, not the name of something that never started."""

    def hotkey_rows(self):
        return [
            (75, 1, 1, 0, 1, self.helper),  # K
            (85, 1, 1, 0, 1, "VolumeUp"),  # U
            (77, 1, 1, 0, 1, "VolumeMute"),  # M
            (78, 1, 1, 0, 1, "Z:\\no\\such\\program.exe"),  # N
            (76, 1, 1, 0, 1, SEARCH + "a" * (1200 - len(SEARCH))),  # L
        ]

    def shown(self, text, timeout=VISIBLE_SECONDS):
        """Waits for the display to name that text; returns its pixels."""
        self.assertTrue(
            wait_until(lambda: (display_window(self.app) or (0, 0, ""))[2] == text, timeout=timeout),
            "the display says %r, not %r" % ((display_window(self.app) or (0, 0, ""))[2], text),
        )
        time.sleep(0.3)
        return Screenshot()

    def cleared(self):
        self.assertTrue(wait_until(lambda: not Screenshot().points(not_white), timeout=VISIBLE_SECONDS + 2))

    def text_band(self, shot):
        return sorted(p for p in shot.points(lambda c: c == BLUE) if p[1] < TEXT_ORIGIN[1] + 80)

    def test_a_launch_after_a_volume_change_shows_only_its_name(self):
        xdotool("key", "ctrl+alt+u")
        shot = wait_until(lambda: (lambda s: s if s.points(lambda c: c == LIME) else None)(Screenshot()), timeout=5)
        self.assertTrue(shot, "the bar shows")
        self.press()
        shot = self.shown("record_run.exe")
        self.assertEqual(shot.points(lambda c: c == LIME), [], "the bar is gone")
        changed = shot.points(not_white)
        self.assertTrue(changed)
        self.assertLess(max(y for _, y in changed), TEXT_ORIGIN[1] + 80, "nothing below the text's line")
        self.cleared()
        # The same name alone, pixel for pixel: nothing of "Volume" under it.
        self.press()
        alone = self.shown("record_run.exe")
        self.assertEqual(sorted(changed), sorted(alone.points(not_white)))

    def test_mute_then_volume_shows_the_level_without_the_mute_text(self):
        xdotool("key", "ctrl+alt+m")
        self.shown("VolumeMute: ON")
        xdotool("key", "ctrl+alt+u")
        self.assertTrue(wait_until(lambda: display_window(self.app)[2].startswith("Volume "), timeout=5))
        time.sleep(0.3)
        after_mute = self.text_band(Screenshot())
        self.cleared()
        xdotool("key", "ctrl+alt+u")
        self.assertTrue(wait_until(lambda: display_window(self.app)[2].startswith("Volume "), timeout=5))
        time.sleep(0.3)
        self.assertEqual(after_mute, self.text_band(Screenshot()), "only the caption \"Volume\" in the text's line")
        xdotool("key", "ctrl+alt+m")  # unmuted again for the next test
        self.shown("VolumeMute: OFF")

    def test_a_missing_program_shows_the_failure(self):
        xdotool("key", "ctrl+alt+n")
        self.shown("The specified file was not found.")

    def test_an_address_too_long_for_the_shell_is_told_and_the_next_hotkey_works(self):
        xdotool("key", "ctrl+alt+l")
        self.shown("The address is too long to open: 1200 characters, at most 960.")
        self.assertTrue(self.app.running())
        self.press()
        self.shown("record_run.exe")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 1, timeout=10), "the next hotkey runs")
        self.assertTrue(self.app.running())


class HandEditedPlaces(DisplayCase):
    """Places and sizes typed into Settings.ini by hand come to the nearest
    allowed ones, and what the display draws stays on the screen."""

    more_settings = "[OSD]\r\nX=-100\r\nY=-50\r\nFontSize=400\r\n[VolumeProgress]\r\nTextFontSize=400\r\n"

    def hotkey_rows(self):
        return [(75, 1, 1, 0, 1, self.helper), (85, 1, 1, 0, 1, "VolumeUp")]

    def test_text_starts_on_the_screen_and_stays_a_sensible_size(self):
        self.press()
        self.assertTrue(wait_until(lambda: (display_window(self.app) or (0, 0, ""))[2] == "record_run.exe", timeout=5))
        time.sleep(0.3)
        blue = self.text_pixels()
        self.assertTrue(blue, "the text shows")
        self.assertLess(min(x for x, _ in blue), 20, "from the left edge")
        self.assertLess(min(y for _, y in blue), 40, "from the top edge")
        _, (left, top, right, bottom), _ = display_window(self.app)
        self.assertTrue(0 <= left and 0 <= top and right <= 1024 and bottom <= 768, (left, top, right, bottom))
        self.assertLess(max(y for _, y in blue) - min(y for _, y in blue), 200, "96 points at most")

        xdotool("key", "ctrl+alt+u")
        self.assertTrue(wait_until(lambda: display_window(self.app)[2].startswith("Volume "), timeout=5))
        time.sleep(0.3)
        shot = Screenshot()
        self.assertLess(len(shot.points(lambda c: c == (0, 0, 0))), 1024 * 768 // 8, "no black box over the screen")
