"""The notification-area icon on the real program: Wine shows the
notification area as its own "Wine System Tray" window (there is no desktop
panel under Xvfb), which appears when the first icon is added and goes when
the last one is removed."""

import os
import subprocess
import time

from harness import WINE, Screenshot, VantrelTest, geometry, read_ini, visible_windows, wait_until, xdotool

TRAY_TITLE = "^Wine System Tray$"


def tray_window(timeout=15.0):
    """The notification area's window while it shows an icon, or None."""
    found = wait_until(lambda: visible_windows(TRAY_TITLE), timeout)
    return found[0] if found else None


def tray_gone(timeout=10.0):
    return wait_until(lambda: not visible_windows(TRAY_TITLE), timeout) is not None


def is_face(colour):
    """The icon's yellow, in every frame."""
    r, g, b = colour
    return r > 200 and 150 < g < 240 and b < 120


def tray_picture(window):
    """The pixels of the notification area's window."""
    x, y, width, height = geometry(window)
    shot = Screenshot()
    rows = []
    for row in range(y, y + height):
        start = (row * shot.width + x) * 3
        rows.append(shot.data[start : start + width * 3])
    return b"".join(rows)


def icon_point(window):
    """The middle of our icon in the notification area: the centre of its
    yellow pixels."""
    x, y, width, height = geometry(window)
    shot = Screenshot()
    points = [(px, py) for px in range(x, x + width) for py in range(y, y + height) if is_face(shot.pixel(px, py))]
    assert points, "no icon in the notification area"
    return (sum(p[0] for p in points) // len(points), sum(p[1] for p in points) // len(points))


def click_at(point, button=1):
    """A click that menus and the notification area take: the pointer
    rests before the press."""
    xdotool("mousemove", *point)
    time.sleep(0.4)
    xdotool("click", button)


class TrayTest(VantrelTest):
    def setUp(self):
        super().setUp()
        # No splash: it comes up a moment after the icon, where it would be
        # taken for the tray menu a test waits for.
        self.settings()

    def start_hidden(self):
        self.app.start(" hide")
        window = tray_window()
        self.assertIsNotNone(window, "the icon is in the notification area")
        return window

    def settings(self, **sections):
        """A Settings.ini with only the given values (and no splash); the
        rest take their defaults."""
        sections.setdefault("General", {}).setdefault("Logo", "0")
        text = ""
        for section, values in sections.items():
            text += "[%s]\r\n" % section + "".join("%s=%s\r\n" % pair for pair in values.items())
        self.app.write("Settings.ini", text)

    def open_tray_menu(self, tray):
        before = set(visible_windows(".*"))
        click_at(icon_point(tray), 3)
        menu = wait_until(lambda: [w for w in visible_windows(".*") if w not in before], timeout=5)
        self.assertTrue(menu, "a right click opens the tray menu")
        return menu[0]

    def choose(self, menu, item, items=2):
        """Clicks a menu item, counted from 0 at the top."""
        x, y, width, height = geometry(menu)
        click_at((x + width // 2, y + height * (2 * item + 1) // (2 * items)))


class HiddenStart(TrayTest):
    def test_icon_click_shows_and_x_hides_to_the_icon(self):
        tray = self.start_hidden()
        self.assertTrue(self.app.hidden_for(2), "started with hide, the window stays hidden")
        click_at(icon_point(tray))
        window = self.app.main_window(timeout=10)
        self.assertIsNotNone(window, "a click on the icon shows the window")
        x, y, _, _ = geometry(window)
        click_at((x + 528, y + 13))  # the title strip's "X"
        self.assertTrue(wait_until(lambda: self.app.main_window(timeout=0) is None, timeout=10), '"X" hides')
        time.sleep(1)
        self.assertTrue(self.app.running())
        self.assertIsNotNone(tray_window(timeout=0), "the icon stays")
        click_at(icon_point(tray))
        self.assertIsNotNone(self.app.main_window(timeout=10), "and a click brings the window back")

    def test_tray_menu_shows_the_window_and_exits(self):
        tray = self.start_hidden()
        menu = self.open_tray_menu(tray)
        self.choose(menu, 0)
        self.assertIsNotNone(self.app.main_window(timeout=10), '"Show" shows the window')
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini")))
        menu = self.open_tray_menu(tray)
        self.choose(menu, 1)
        self.assertTrue(self.app.wait_ended(), '"Exit" ends the program')
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Count"], "20", "Exit wrote the hotkeys")
        self.assertIn("Animate", read_ini(self.app.file("Settings.ini"), "Tray"), "and the settings")
        self.assertTrue(tray_gone(), "the icon leaves with the program")

    def test_a_second_start_shows_the_window_from_the_tray(self):
        tray = self.start_hidden()
        second = self.app.start(" ")
        self.assertIsNotNone(self.app.main_window(timeout=10))
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertIsNotNone(tray_window(timeout=0))


class Animation(TrayTest):
    def pictures_over(self, tray, seconds):
        """The icon's pictures, taken twice a second."""
        pictures = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            pictures.append(tray_picture(tray))
            time.sleep(0.5)
        return pictures

    def test_icon_changes_frame(self):
        tray = self.start_hidden()
        pictures = self.pictures_over(tray, 3.2)
        self.assertGreaterEqual(len(set(pictures)), 2, "the frame changes within 3 seconds")

    def test_animate_off_keeps_one_frame(self):
        self.settings(Tray={"Animate": "0"})
        tray = self.start_hidden()
        time.sleep(0.5)  # the start-up tick applies the settings
        pictures = self.pictures_over(tray, 4)
        self.assertEqual(len(set(pictures)), 1, "a still icon")


class MinimizeToTray(TrayTest):
    def minimize(self, window):
        x, y, _, _ = geometry(window)
        click_at((x + 509, y + 13))  # the title strip's minimize button

    def test_minimize_hides_to_the_tray_even_with_the_icon_off(self):
        self.settings(MainWindow={"MinimizeToTray": "1"}, Tray={"Visible": "0"})
        self.app.start(" ")
        window = self.app.main_window()
        self.assertIsNotNone(window)
        self.assertTrue(tray_gone(timeout=3), '"Visible" off: no icon')
        self.minimize(window)
        tray = tray_window(timeout=10)
        self.assertIsNotNone(tray, "minimizing adds the icon")
        self.assertTrue(self.app.hidden_for(2), "the window is hidden, not minimized")
        click_at(icon_point(tray))
        window = self.app.main_window(timeout=10)
        self.assertIsNotNone(window, "the icon brings it back in its normal size")

    def test_an_icon_switched_off_goes_again_once_the_window_is_back(self):
        self.settings(MainWindow={"MinimizeToTray": "1"}, Tray={"Visible": "0"})
        self.app.start(" ")
        window = self.app.main_window()
        self.assertIsNotNone(window)
        for trip in range(2):
            with self.subTest(trip=trip):
                self.minimize(window)
                tray = tray_window(timeout=10)
                self.assertIsNotNone(tray, "minimizing adds the icon as the way back")
                click_at(icon_point(tray))
                window = self.app.main_window(timeout=10)
                self.assertIsNotNone(window)
                self.assertTrue(tray_gone(), '"Visible" is off: the icon goes once the window is back')
        self.assertTrue(self.app.exit())
        with open(self.app.file("Settings.ini"), "rb") as handle:
            self.assertIn(b"Visible=0\r\n", handle.read(), "the user's choice is kept")


class NewTaskbar(TrayTest):
    def helper(self, command):
        path = self.app.add_helper("tray_helper.exe")
        return subprocess.run([WINE, path, command], capture_output=True, timeout=30).stdout.decode().strip()

    def test_taskbar_created_brings_the_icon_back(self):
        self.start_hidden()
        self.assertEqual(self.helper("remove"), "done")
        self.assertTrue(tray_gone(), "the icon is gone, as when the shell restarts")
        self.assertEqual(self.helper("broadcast"), "done")
        tray = tray_window(timeout=10)
        self.assertIsNotNone(tray, "TaskbarCreated adds the icon again")
        click_at(icon_point(tray))
        self.assertIsNotNone(self.app.main_window(timeout=10), "and it works")
