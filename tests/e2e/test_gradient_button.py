"""The gradient button's looks by state, its click and its keys, on the
demonstration window: five 100 x 25 buttons at y 20, from x 20 every 120
pixels ("Normal" is the Default button, "Pressed" the Cancel one, "&Hot"
has the accelerator H), and an edit box at (20, 60)."""

import os
import shutil
import subprocess
import tempfile
import time

from harness import BUILD, WINE, Screenshot, visible_windows, wait_until, xdotool
import unittest

NAMES = ["Normal", "Hot", "Focused", "Pressed", "Disabled"]
MID_ROW = 20 + 12  # the buttons' middle row on the screen
# The middle of each gradient with the default colours (red, green, blue).
BACKGROUND = (247, 245, 243)
HIGHLIGHT = (243, 197, 103)
FOCUSED = (158, 182, 247)
CLICKED = (231, 225, 217)


def left(name):
    return 20 + 120 * NAMES.index(name)


def near(colour, expected, tolerance=20):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class GradientButton(unittest.TestCase):
    def setUp(self):
        if not BUILD:
            self.skipTest("VANTREL_BUILD is not set")
        self.folder = tempfile.mkdtemp(prefix="vantrel-demo-")
        self.addCleanup(shutil.rmtree, self.folder, True)
        shutil.copy(os.path.join(BUILD, "gradient_demo.exe"), self.folder)
        demo = subprocess.Popen(
            [WINE, os.path.join(self.folder, "gradient_demo.exe")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.addCleanup(demo.wait)
        self.addCleanup(demo.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^Gradient demo$"), timeout=20))
        time.sleep(0.5)

    def clicks(self):
        try:
            with open(os.path.join(self.folder, "gradient_demo.exe.log")) as handle:
                return handle.read().split()
        except FileNotFoundError:
            return []

    def ring_and_centre(self, shot, name):
        """The colour of the 2-pixel ring and of the face just inside it."""
        return shot.pixel(left(name) + 1, MID_ROW), shot.pixel(left(name) + 4, MID_ROW)

    def test_looks_by_state(self):
        xdotool("mousemove", left("Hot") + 50, MID_ROW)
        time.sleep(0.5)
        shot = Screenshot()
        looks = {name: self.ring_and_centre(shot, name) for name in NAMES}
        self.assertTrue(near(looks["Normal"][0], BACKGROUND), looks["Normal"])
        self.assertTrue(near(looks["Normal"][1], BACKGROUND), looks["Normal"])
        self.assertTrue(near(looks["Hot"][0], HIGHLIGHT), looks["Hot"])
        self.assertTrue(near(looks["Hot"][1], BACKGROUND), looks["Hot"])
        self.assertTrue(near(looks["Focused"][0], FOCUSED), looks["Focused"])
        self.assertTrue(near(looks["Focused"][1], BACKGROUND), looks["Focused"])
        self.assertTrue(near(looks["Disabled"][0], BACKGROUND), looks["Disabled"])

        xdotool("mousemove", left("Pressed") + 50, MID_ROW)
        xdotool("mousedown", "1")
        time.sleep(0.5)
        pressed = Screenshot()
        ring, centre = self.ring_and_centre(pressed, "Pressed")
        self.assertTrue(near(ring, CLICKED) and near(centre, CLICKED), (ring, centre))
        self.assertTrue(near(self.ring_and_centre(pressed, "Focused")[0], BACKGROUND), "the focus moved")
        xdotool("mouseup", "1")
        self.assertTrue(wait_until(lambda: self.clicks() == ["Pressed"], timeout=5), self.clicks())

    def test_press_dragged_off_shows_focus_and_does_not_click(self):
        xdotool("mousemove", left("Normal") + 50, MID_ROW)
        xdotool("mousedown", "1")
        time.sleep(0.3)
        xdotool("mousemove", left("Normal") + 50, 80)
        time.sleep(0.5)
        ring, centre = self.ring_and_centre(Screenshot(), "Normal")
        self.assertTrue(near(ring, FOCUSED), ring)
        self.assertTrue(near(centre, BACKGROUND), centre)
        xdotool("mouseup", "1")
        time.sleep(0.5)
        self.assertEqual(self.clicks(), [])
        # A whole click on it does count, once.
        xdotool("mousemove", left("Normal") + 50, MID_ROW, "click", "1")
        self.assertTrue(wait_until(lambda: self.clicks() == ["Normal"], timeout=5), self.clicks())
        time.sleep(0.5)
        self.assertEqual(self.clicks(), ["Normal"])

    def test_keys_click_the_right_buttons(self):
        xdotool("mousemove", 600, 85)  # the keyboard follows the pointer
        time.sleep(0.3)
        xdotool("key", "Return")  # the focused button
        xdotool("key", "Escape")  # the Cancel button
        xdotool("key", "alt+h")  # the accelerator
        self.assertTrue(wait_until(lambda: len(self.clicks()) >= 3, timeout=5), self.clicks())
        self.assertEqual(self.clicks(), ["Focused", "Pressed", "Hot"])
        xdotool("mousemove", 70, 71, "click", "1")  # focus the edit box
        xdotool("mousemove", 600, 85)
        time.sleep(0.3)
        xdotool("key", "Return")  # no gradient button has the focus: the Default one
        self.assertTrue(wait_until(lambda: len(self.clicks()) >= 4, timeout=5), self.clicks())
        self.assertEqual(self.clicks()[3], "Normal")
