"""Settings.ini: written at Exit with every setting in order, read at start
with each value taking effect, and one bad value costing only itself."""

import os
import subprocess
import time

from harness import WINE, Screenshot, VantrelTest, visible_windows, wait_until, xdotool

RED = (255, 0, 0)
LIME = (0, 255, 0)
UPPER_ROW = 658  # the bar's upper half on 1024 x 768 with the default bar

DEFAULTS_768 = [
    ("MainWindow", ["EasyMove=1", "MinimizeToTray=0", "Transparent=0", "Alpha=10", "Properties=1"]),
    (
        "VolumeProgress",
        [
            "Show=1", "Decimals=0", "Step=3", "Border=3", "Height=20", "X=100", "Y=652",
            "TextFontColor=clAqua", "TextFontName=Dungeon", "TextFontSize=18", "BorderColor=clBlue",
            "ProgressColor=clLime",
        ],
    ),
    ("OSD", ["VisibleTime=3", "X=100", "Y=576", "FontColor=clBlue", "FontName=Dungeon", "FontSize=36"]),
    ("List", ["CheckBoxes=1", "GridLines=0"]),
    ("Tray", ["Visible=1", "Animate=1"]),
    ("General", ["Logo=1", "Autorun=1", "Color=2", "Quality=0"]),
    ("Sound", ["Mixer=0", "Volume=0"]),
]

HOTKEYS = (
    "[HotKeys]\r\nCount=3\r\n"
    "Key0=75\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\nChecked0=1\r\nPath0=%s\r\n"
    "Key1=40\r\nAlt1=1\r\nCtrl1=1\r\nShift1=0\r\nChecked1=1\r\nPath1=VolumeDown\r\n"
    "Key2=38\r\nAlt2=1\r\nCtrl2=1\r\nShift2=0\r\nChecked2=1\r\nPath2=VolumeUp\r\n"
)


class FirstStart(VantrelTest):
    def test_exit_writes_every_setting_in_order(self):
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.assertTrue(self.app.exit())
        with open(self.app.file("Settings.ini"), "rb") as handle:
            text = handle.read().decode("latin-1")
        expected = ""
        for section, lines in DEFAULTS_768:
            expected += "[%s]\r\n" % section + "".join(line + "\r\n" for line in lines)
        self.assertEqual(text, expected)


class StoredValues(VantrelTest):
    """Over a white window, so the display's colours can be read off."""

    def setUp(self):
        super().setUp()
        self.app.add_helper("white_window.exe")
        self.white = subprocess.Popen(
            [WINE, self.app.file("white_window.exe")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.addCleanup(self.white.wait)
        self.addCleanup(self.white.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^White$"), timeout=20))
        self.app.write("Hotkeys.ini", HOTKEYS % self.app.add_helper("record_run.exe"))

    def start(self, settings):
        # No notification-area icon: Wine would show its tray as a window
        # at the top left of the screen the pixels are read from.
        self.app.write("Settings.ini", settings + "[Tray]\r\nVisible=0\r\n")
        self.app.start(" hide")
        time.sleep(2)
        xdotool("mousemove", 900, 100)
        time.sleep(0.2)

    def red_text_shows(self):
        xdotool("key", "ctrl+alt+k")
        return wait_until(lambda: Screenshot().points(lambda c: c == RED), timeout=2)

    def test_font_colour_and_step_take_effect(self):
        self.start("[VolumeProgress]\r\nStep=7\r\n[OSD]\r\nFontColor=clRed\r\n")
        self.assertTrue(self.red_text_shows(), "the text is pure red")
        for _ in range(11):  # 10 % steps: full scale from anywhere
            xdotool("key", "ctrl+alt+Up")
            time.sleep(0.1)
        time.sleep(2.5)
        xdotool("key", "ctrl+alt+Down")
        time.sleep(0.6)
        shot = Screenshot()
        lime = [x for x in range(1024) if shot.pixel(x, UPPER_ROW) == LIME]
        self.assertTrue(lime, "the bar shows")
        self.assertAlmostEqual(max(lime), 100 + int(824 / 100 * 90), delta=2, msg="one step of 10 % from full")

    def test_a_bad_value_costs_only_itself(self):
        self.start("[VolumeProgress]\r\nStep=9\r\n[OSD]\r\nFontColor=clRed\r\n")
        self.assertTrue(self.red_text_shows(), "the load went on past the bad step")
        self.white.kill()  # out of the way of the main window's menu
        self.assertTrue(wait_until(lambda: not visible_windows("^White$"), timeout=10))
        self.app.start(" ").wait(timeout=10)  # a second start shows the window
        self.assertIsNotNone(self.app.main_window())
        self.assertTrue(self.app.exit())
        with open(self.app.file("Settings.ini"), "rb") as handle:
            text = handle.read().decode("latin-1")
        self.assertIn("FontColor=clRed\r\n", text)
        self.assertIn("Step=3\r\n", text, "the bad step was replaced by its default")
