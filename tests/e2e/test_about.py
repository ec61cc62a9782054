"""The splash window at start, the About window with its links, and the Help
commands that open history.txt and the product's pages, as a user meets
them. What the shell is asked to open is seen by record_open.exe, which the
tests register as the program for web addresses and text files."""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

from harness import WINE, Screenshot, Vantrel, VantrelTest, geometry, visible_windows, wait_until, xdotool

SCREEN = (1024, 768)
SPLASH_SIZE = (392, 99)
ABOUT_SIZE = (300, 200)
ABOUT_AT = (439, 246)
# The "Blue" scheme, the default: the splash's front caption is its light
# colour, the shadow behind it its dark one.
LIGHT = (166, 202, 240)
NAVY = (0, 0, 128)
# Where the user clicks, in the About window.
WEB_LINK = (90, 118)
OK_BUTTON = (150, 174)
TITLE_STRIP = (150, 12)
SURFACE = (150, 145)
# The addresses the program opens.
WEB_SITE = "http://vantrel.example.org"
FORUM = "http://vantrel.example.org/forum"
# Context menu items, counted from the bottom as the harness does.
ABOUT_ITEM = 5
WHATS_NEW_ITEM = 3
# The Help menu button's middle, in the main window.
HELP_BUTTON = (353, 35)

_recorder = {}
# Wine keeps the programs for addresses and documents under HKCR alone (it
# does not look in the user's classes): the module puts record_open.exe
# there and gives the prefix its own values back afterwards.
HTTP_COMMAND = r"HKCR\http\shell\open\command"
TXT_CLASS = r"HKCR\.txt"
TEST_CLASS = r"HKCR\VantrelTest.txt"
# Wine's own values, for a prefix an interrupted run left with ours.
WINE_DEFAULTS = {HTTP_COMMAND: '"C:\\windows\\system32\\winebrowser.exe" "%1"', TXT_CLASS: "txtfile"}


def _reg(*args):
    return subprocess.run([WINE, "reg", *args], capture_output=True, timeout=60)


def _default_value(key):
    """A key's default value, or None when it has none."""
    for line in _reg("query", key, "/ve").stdout.decode("utf-8", "replace").splitlines():
        _, found, value = line.partition("REG_SZ")
        if found:
            return value.strip()
    return None


def _set_default_value(key, value):
    result = _reg("add", key, "/ve", "/d", value, "/f")
    assert result.returncode == 0, "could not set " + key


def setUpModule():
    """record_open.exe opens web addresses and text files for the user, for
    the whole module."""
    folder = tempfile.mkdtemp(prefix="vantrel-opener-")
    shutil.copy(os.path.join(os.environ["VANTREL_BUILD"], "record_open.exe"), folder)
    exe = "Z:" + os.path.join(folder, "record_open.exe").replace("/", "\\")
    _recorder["folder"] = folder
    _recorder["log"] = os.path.join(folder, "record_open.exe.log")
    saved = {}
    for key in (HTTP_COMMAND, TXT_CLASS):
        value = _default_value(key)
        saved[key] = WINE_DEFAULTS[key] if value is None or "VantrelTest" in value or "record_open" in value else value
    _recorder["saved"] = saved
    command = '"%s" "%%1"' % exe
    _set_default_value(HTTP_COMMAND, command)
    _set_default_value(TEST_CLASS + r"\shell\open\command", command)
    _set_default_value(TXT_CLASS, "VantrelTest.txt")


def tearDownModule():
    for key, value in _recorder.get("saved", {}).items():
        _set_default_value(key, value)
    _reg("delete", TEST_CLASS, "/f")
    shutil.rmtree(_recorder.get("folder", ""), ignore_errors=True)


def opened():
    """What the shell handed to the stand-in program, one entry a launch
    (without the quotes of its registered command line)."""
    try:
        with open(_recorder["log"], encoding="utf-8") as handle:
            return [line.strip('"') for line in handle.read().splitlines()]
    except FileNotFoundError:
        return []


def windows_of_size(size):
    return [w for w in visible_windows(".*") if geometry(w)[2:] == size]


def splash():
    found = windows_of_size(SPLASH_SIZE)
    return found[0] if found else None


def click(x, y, settle=0.3):
    xdotool("mousemove", x, y)
    time.sleep(settle)
    xdotool("click", "1")


def drag(start, travel, steps=8):
    """Presses the left button at a screen point and moves by the travel in
    equal small steps before letting go."""
    xdotool("mousemove", *start)
    time.sleep(0.3)
    xdotool("mousedown", "1")
    time.sleep(0.2)
    for _ in range(steps):
        xdotool("mousemove_relative", "--", travel[0] // steps, travel[1] // steps)
        time.sleep(0.05)
    xdotool("mouseup", "1")


class SplashTest(VantrelTest):
    def assert_splash_painted(self, window):
        """Its captions: "Vantrel" in the light colour over its shadow in the
        dark one. X maps the window a moment before the first paint reaches
        the screen, so the picture is awaited."""
        x, y, _, _ = geometry(window)

        def painted():
            shot = Screenshot()
            inside = [
                shot.pixel(x + dx, y + dy) for dx in range(SPLASH_SIZE[0]) for dy in range(30, SPLASH_SIZE[1] - 2)
            ]
            return inside if inside.count(LIGHT) > 50 else None

        inside = wait_until(painted, timeout=3, interval=0.05)
        self.assertIsNotNone(inside, '"Vantrel" in the light colour')
        self.assertGreater(inside.count(NAVY), 50, "its shadow in the dark colour")

    def test_plain_start_shows_the_splash_centred_and_it_goes_by_itself(self):
        self.app.write("Settings.ini", "[General]\r\nLogo=1\r\n")
        self.app.start("")
        window = wait_until(splash, timeout=15, interval=0.05)
        self.assertIsNotNone(window, "the quoted path alone shows the splash")
        x, y, _, _ = geometry(window)
        self.assertEqual((x, y), ((SCREEN[0] - SPLASH_SIZE[0]) // 2, (SCREEN[1] - SPLASH_SIZE[1]) // 2))
        # Its picture is checked on the start without the main window (below):
        # with no window manager, X keeps the main window, mapped after it,
        # in front of the topmost splash, which Windows would not.
        self.assertTrue(wait_until(lambda: splash() is None, timeout=10), "the splash goes by itself")
        self.assertIsNotNone(self.app.main_window(), "and the window stays")

    def test_the_command_line_and_the_setting_decide(self):
        cases = [
            # (Logo, after the quoted path, splash shown)
            ("1", " hide", True),
            ("1", " ", False),
            ("0", "", False),
        ]
        for logo, after_path, shown in cases:
            with self.subTest(logo=logo, command_line=repr(after_path)):
                app = Vantrel()
                self.addCleanup(app.remove)
                app.write("Settings.ini", "[General]\r\nLogo=%s\r\n" % logo)
                app.start(after_path)
                if shown:
                    window = wait_until(splash, timeout=15, interval=0.05)
                    self.assertIsNotNone(window)
                    self.assert_splash_painted(window)
                    self.assertTrue(wait_until(lambda: splash() is None, timeout=10))
                else:
                    # The window shows in the same step as the splash would,
                    # just after it.
                    self.assertIsNotNone(app.main_window())
                    self.assertIsNone(wait_until(splash, timeout=1, interval=0.05))
                app.stop()


class AboutCase(VantrelTest):
    def setUp(self):
        super().setUp()
        os.makedirs(_recorder["folder"], exist_ok=True)
        if os.path.exists(_recorder["log"]):
            os.remove(_recorder["log"])
        # The About window moves whatever this option says.
        self.app.write("Settings.ini", "[MainWindow]\r\nEasyMove=0\r\n")
        self.app.start()
        self.window = self.app.main_window()
        self.assertTrue(self.window, "main window not visible")

    def open_about(self):
        self.app.context_menu_item(ABOUT_ITEM)
        found = wait_until(lambda: windows_of_size(ABOUT_SIZE), timeout=10)
        self.assertTrue(found, "About shows its window")
        return found[0]

    def about_origin(self, window):
        return geometry(window)[:2]

    def wait_opened(self, count):
        return wait_until(lambda: len(opened()) >= count, timeout=15) and opened()

    def boxes(self):
        helper = self.app.add_helper("window_texts.exe")
        result = subprocess.run([WINE, helper, "boxes"], capture_output=True, timeout=30)
        return [tuple(line.split("\t", 1)) for line in result.stdout.decode("utf-8").splitlines()]


class AboutWindowTest(AboutCase):
    def test_about_shows_at_its_place_and_the_strip_and_surface_drag_it(self):
        about = self.open_about()
        self.assertEqual(self.about_origin(about), ABOUT_AT)
        for name, start, travel in (("title strip", TITLE_STRIP, (48, -32)), ("surface", SURFACE, (-40, 24))):
            with self.subTest(place=name):
                x, y = self.about_origin(about)
                drag((x + start[0], y + start[1]), travel)
                expected = (x + travel[0], y + travel[1])
                self.assertTrue(
                    wait_until(lambda: self.about_origin(about) == expected, timeout=5),
                    (self.about_origin(about), expected),
                )

    def test_web_link_opens_its_address_and_ok_closes(self):
        about = self.open_about()
        x, y = self.about_origin(about)
        click(x + WEB_LINK[0], y + WEB_LINK[1])
        self.assertEqual(self.wait_opened(1), [WEB_SITE])
        self.assertEqual(self.about_origin(about), (x, y), "the press on the link moved nothing")
        click(x + OK_BUTTON[0], y + OK_BUTTON[1])
        self.assertTrue(wait_until(lambda: not windows_of_size(ABOUT_SIZE), timeout=5), "OK closes the window")
        self.assertIsNotNone(self.app.main_window(timeout=0))

    def test_hide_closes_the_about_window(self):
        self.open_about()
        # The main window's "X".
        x, y, _, _ = geometry(self.window)
        click(x + 528, y + 13)
        self.assertTrue(wait_until(lambda: not windows_of_size(ABOUT_SIZE), timeout=5))
        self.assertTrue(self.app.hidden_for(1))


class HelpCommandsTest(AboutCase):
    def test_whats_new_opens_history_beside_the_program(self):
        self.app.add_helper("history.txt")
        self.app.context_menu_item(WHATS_NEW_ITEM)
        launches = self.wait_opened(1)
        self.assertTrue(launches, "nothing was opened")
        self.assertEqual(launches[0].lower(), self.app.exe_windows_path[: -len("Vantrel.exe")].lower() + "history.txt")

    def test_without_history_the_user_is_told(self):
        self.app.context_menu_item(WHATS_NEW_ITEM)
        box = wait_until(lambda: [b for b in self.boxes() if b[0] == "Vantrel"], timeout=10)
        self.assertTrue(box, "a message tells what went wrong")
        self.assertIn("history.txt", box[0][1])
        self.assertIn("not found", box[0][1])
        self.assertEqual(opened(), [])
        xdotool("key", "Return")

    def test_online_items_open_the_forum_and_the_home_page(self):
        cases = [
            # (keys in the Online submenu, what opens)
            (["Return"], FORUM),  # Submit a bug
            (["Down", "Return"], WEB_SITE),  # Check for updates
            (["Down", "Down", "Return"], FORUM),  # Forum
        ]
        for count, (keys, address) in enumerate(cases, start=1):
            with self.subTest(keys=keys):
                x, y, _, _ = geometry(self.window)
                before = set(visible_windows(".*"))
                click(x + HELP_BUTTON[0], y + HELP_BUTTON[1], settle=0.4)
                self.assertTrue(wait_until(lambda: set(visible_windows(".*")) - before, timeout=5), "no Help menu")
                # "What's new", "Open the folder of my files", then
                # "Online", whose submenu opens.
                for key in ["Down", "Down", "Down", "Right", *keys]:
                    xdotool("key", key)
                    time.sleep(0.15)
                launches = self.wait_opened(count)
                self.assertTrue(launches and len(launches) == count, launches)
                self.assertEqual(launches[-1], address)


if __name__ == "__main__":
    unittest.main()
