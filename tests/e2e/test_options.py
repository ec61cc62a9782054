"""The Options window: opened from the main window's context menu, a new
colour scheme recolouring the main window at once, and the main window's
opacity and height following the stored settings."""

import os
import shutil
import signal
import subprocess
import time

from harness import (
    WINE,
    Screenshot,
    VantrelTest,
    geometry,
    hotkeys_file,
    dialog_controls,
    options_controls,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)

OPTIONS_SIZE = (492, 273)
# Inside the Options window: the "General" tab and its "Color scheme" list,
# the "Hotkeys List" tab and its "Show CheckBoxes" box.
GENERAL_TAB = (439, 36)
SCHEME_LIST = (174, 120)
HOTKEYS_LIST_TAB = (318, 36)
SHOW_CHECK_BOXES = (40, 74)
# The Options window's controls as window_texts.exe names them.
AUTORUN_BOX = 401
MUTE_BOX = 345
PROGRESS_HEIGHT = 324
OSD_X = 362
PAGE_ORDER = ["Main Window", "Volume progress", "Sound", "OSD", "Hotkeys List", "Tray Icon", "General"]
SCHEME_ORDER = ["_System (beta)", "Black", "Blue", "Green", "Purple", "Red", "Silver", "Yellow"]

# Dark, light, list and window colours, written out as the schemes give them.
SCHEMES = {
    "Blue": {"dark": (0, 0, 128), "light": (166, 202, 240), "list": (230, 250, 255), "window": (220, 240, 255)},
    "Red": {"dark": (50, 0, 0), "light": (220, 70, 70), "list": (255, 235, 240), "window": (245, 210, 220)},
    "Green": {"dark": (0, 128, 0), "light": (192, 220, 192), "list": (235, 255, 240), "window": (210, 245, 220)},
}

# Points of the main window, from its top-left corner: the title strip's
# gradient at its top (the dark colour) and at its bottom (the light one), a
# bare spot of the window right of the menu buttons, and the hotkey list's
# area.
TITLE_START = (60, 2)
TITLE_END = (60, 23)
BARE_SPOT = (480, 34)
LIST_AREA = (4, 47, 520, 225)  # left, top, right, bottom


def near(colour, expected, tolerance=3):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class OptionsTest(VantrelTest):
    def start(self):
        self.app.start()
        self.main = self.app.main_window()
        self.assertIsNotNone(self.main)
        self.origin = geometry(self.main)[:2]

    def open_options(self):
        """Options from the context menu: the item above "What's new"."""
        x, y = self.origin
        before = set(visible_windows(".*"))
        xdotool("mousemove", x + 270, y + 320)
        time.sleep(0.4)
        xdotool("click", "3")
        menu = wait_until(lambda: [w for w in visible_windows(".*") if w not in before], timeout=5)
        self.assertTrue(menu, "no context menu appeared")
        mx, my, _, _ = geometry(menu[0])
        # About, Options, What's new: the second item, its rows about 17 high.
        xdotool("mousemove", mx + 30, my + 4 + 17 + 8)
        time.sleep(0.4)
        xdotool("click", "1")

        def options():
            for window in visible_windows("^Options$"):
                if geometry(window)[2:] == OPTIONS_SIZE:
                    return window
            return None

        window = wait_until(options, timeout=10)
        self.assertIsNotNone(window, "the Options window did not show")
        return window

    def move_options_below(self, window):
        """Drags the Options window by its title strip to the screen's
        bottom left, clear of the main window's title strip and list."""
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 100, y + 10)
        time.sleep(0.3)
        xdotool("mousedown", "1")
        for step in range(1, 11):
            xdotool("mousemove", x + 100 - (x * step) // 10, y + 10 + ((768 - 273 - y) * step) // 10)
            time.sleep(0.05)
        xdotool("mouseup", "1")
        moved = wait_until(lambda: geometry(window)[:2] == (0, 768 - 273), timeout=5)
        self.assertTrue(moved, "the title strip drags the Options window: %r" % (geometry(window),))
        return 0, 768 - 273


    def turn_to(self, options, page):
        """Turns to a page with the arrow keys from the first tab."""
        ox, oy, _, _ = geometry(options)
        xdotool("mousemove", ox + 30, oy + 36, "click", "1")
        time.sleep(0.5)
        for _ in range(PAGE_ORDER.index(page)):
            xdotool("key", "Right")
            time.sleep(0.2)
        time.sleep(0.3)

    def click_control(self, identifier, dx=None):
        """Clicks a control of the Options window: its left part, or dx
        pixels from its left edge."""
        left, top, right, bottom = options_controls(self.app)[identifier]["rect"]
        xdotool("mousemove", left + (dx if dx is not None else 7), (top + bottom) // 2)
        time.sleep(0.3)
        xdotool("click", "1")
        time.sleep(0.3)

    def control(self, identifier):
        return options_controls(self.app).get(identifier)


RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def run_value():
    """The data of the Run key's "Vantrel" value, or None."""
    result = subprocess.run([WINE, "reg", "query", RUN_KEY, "/v", "Vantrel"], capture_output=True, text=True, timeout=60)
    for line in result.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) == 3 and parts[0] == "Vantrel":
            return parts[2]
    return None


def set_run_value(data):
    result = subprocess.run(
        [WINE, "reg", "add", RUN_KEY, "/v", "Vantrel", "/t", "REG_SZ", "/d", data, "/f"],
        capture_output=True,
        text=True,
        timeout=60,
    )
    assert result.returncode == 0, result.stderr


class Autorun(OptionsTest):
    """The sign-in entry is the user's: no start writes or removes it; the
    "Autorun with Windows" box shows whether it is there and a tick or an
    untick writes or removes it."""

    def test_first_start_leaves_the_run_key_and_the_box_writes_and_removes_it(self):
        self.assertIsNone(run_value())
        self.start()
        time.sleep(2)
        self.assertIsNone(run_value(), "a first start without Settings.ini adds no entry")
        options = self.open_options()
        self.move_options_below(options)
        self.turn_to(options, "General")
        self.assertEqual(self.control(AUTORUN_BOX)["state"], 0, "no entry: the box is clear")
        self.click_control(AUTORUN_BOX)
        expected = '"%s" hide' % self.app.exe_windows_path
        self.assertTrue(wait_until(lambda: run_value() == expected, timeout=10), run_value())
        self.assertEqual(self.control(AUTORUN_BOX)["state"], 1)
        self.click_control(AUTORUN_BOX)
        self.assertTrue(wait_until(lambda: run_value() is None, timeout=10), run_value())
        self.assertEqual(self.control(AUTORUN_BOX)["state"], 0)
        self.assertTrue(self.app.exit())
        self.assertEqual(read_ini(self.app.file("Settings.ini"), "General")["Autorun"], "0")
        self.assertIsNone(run_value(), "Exit leaves the entry as the user left it")

    def test_entries_made_elsewhere_and_old_files_are_left_as_they_are(self):
        # Another copy's entry: left alone, and not shown as this copy's.
        elsewhere = '"C:\\Tools\\Vantrel\\Vantrel.exe" hide'
        set_run_value(elsewhere)
        self.start()
        options = self.open_options()
        self.move_options_below(options)
        self.turn_to(options, "General")
        self.assertEqual(self.control(AUTORUN_BOX)["state"], 0, "another copy's entry is not ours")
        self.assertTrue(self.app.exit())
        self.assertEqual(run_value(), elsewhere)

        # An older version's file with Autorun=1 and its entry: both kept.
        ours = '"%s" hide' % self.app.exe_windows_path
        set_run_value(ours)
        old = "[General]\r\nLogo=0\r\nAutorun=1\r\n"
        self.app.write("Settings.ini", old)
        self.start()
        options = self.open_options()
        self.move_options_below(options)
        self.turn_to(options, "General")
        self.assertEqual(self.control(AUTORUN_BOX)["state"], 1, "our entry shows ticked")
        self.assertTrue(self.app.exit())
        self.assertEqual(run_value(), ours)
        with open(self.app.file("Settings.ini"), "rb") as handle:
            self.assertIn(b"Autorun=1\r\n", handle.read())


class SoundPageMute(OptionsTest):
    """The Mute box shows the line's mute as it is, after a hotkey and while
    the page stands."""

    def setUp(self):
        super().setUp()
        self.app.write("Hotkeys.ini", hotkeys_file([(77, 1, 1, 0, 1, "VolumeMute")]))
        self.app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")

    def press_mute_over(self, window):
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 200, y + 12, "click", "1")
        time.sleep(0.3)
        xdotool("key", "ctrl+alt+m")

    def mute_box(self):
        box = self.control(MUTE_BOX)
        return box["state"] if box and box["visible"] else None

    def test_the_box_follows_the_mute_hotkey(self):
        self.start()
        self.press_mute_over(self.main)
        time.sleep(1)
        options = self.open_options()
        self.turn_to(options, "Sound")
        self.assertTrue(wait_until(lambda: self.mute_box() == 1, timeout=5), "muted by the hotkey: ticked")
        self.press_mute_over(options)
        self.assertTrue(wait_until(lambda: self.mute_box() == 0, timeout=5), "unmuted while shown: cleared")
        self.press_mute_over(options)
        self.assertTrue(wait_until(lambda: self.mute_box() == 1, timeout=5))


class NumberFields(OptionsTest):
    def test_a_rejected_letter_keeps_the_caret_where_the_user_was_typing(self):
        self.start()
        options = self.open_options()
        self.move_options_below(options)
        self.turn_to(options, "Volume progress")
        self.click_control(PROGRESS_HEIGHT, dx=40)
        xdotool("key", "End", "shift+Home", "4", "5", "Left")
        time.sleep(0.3)
        self.assertEqual(self.control(PROGRESS_HEIGHT)["text"], "45")
        xdotool("key", "q")
        time.sleep(0.3)
        field = self.control(PROGRESS_HEIGHT)
        self.assertEqual((field["text"], field["caret"]), ("20", 1), "the reset value, the caret after its 2")
        # Backspace takes the "2", and the 5 goes where the caret is.
        xdotool("key", "BackSpace", "5")
        self.assertTrue(wait_until(lambda: self.control(PROGRESS_HEIGHT)["text"] == "50", timeout=3),
                        self.control(PROGRESS_HEIGHT))
        self.assertTrue(self.app.exit())
        self.assertEqual(read_ini(self.app.file("Settings.ini"), "VolumeProgress")["Height"], "50")


# The font dialog's controls (dlgs.h): the face and size lists, the style
# list, strikeout and underline, and the script list.
FACE_LIST, SIZE_LIST, STYLE_LIST, STRIKEOUT, UNDERLINE, SCRIPT_LIST = 0x470, 0x472, 0x471, 0x410, 0x411, 0x474
OSD_FONT_BUTTON = 364


class FontDialog(OptionsTest):
    def test_styles_are_not_offered_and_a_missing_face_opens_at_the_stored_size(self):
        self.app.write("Settings.ini", "[OSD]\r\nFontName=Dungeon\r\nFontSize=20\r\n[General]\r\nLogo=0\r\n")
        self.start()
        options = self.open_options()
        self.move_options_below(options)
        self.turn_to(options, "OSD")
        self.click_control(OSD_FONT_BUTTON, dx=40)
        controls = wait_until(lambda: dialog_controls(self.app).get(FACE_LIST) and dialog_controls(self.app), timeout=10)
        self.assertTrue(controls, "the font dialog opened")
        shown = {identifier for identifier, (_, visible, _) in controls.items() if visible}
        self.assertFalse(shown & {STYLE_LIST, STRIKEOUT, UNDERLINE, SCRIPT_LIST}, "bold, italic and the rest not offered")
        self.assertTrue({FACE_LIST, SIZE_LIST} <= shown)
        self.assertNotIn(controls[FACE_LIST][2], ("", "Dungeon"), "an installed face")
        self.assertEqual(controls[SIZE_LIST][2], "20", "at the stored size")
        xdotool("key", "Escape")


class Scheme(OptionsTest):
    def setUp(self):
        super().setUp()
        self.start()

    def choose_scheme(self, options_origin, current, wanted):
        ox, oy = options_origin
        xdotool("mousemove", ox + GENERAL_TAB[0], oy + GENERAL_TAB[1], "click", "1")
        time.sleep(0.5)
        xdotool("mousemove", ox + SCHEME_LIST[0], oy + SCHEME_LIST[1], "click", "1")
        time.sleep(0.5)
        steps = SCHEME_ORDER.index(wanted) - SCHEME_ORDER.index(current)
        for _ in range(abs(steps)):
            xdotool("key", "Down" if steps > 0 else "Up")
        xdotool("key", "Return")

    def main_colours(self):
        shot = Screenshot()
        x, y = self.origin
        left, top, right, bottom = LIST_AREA
        area = [shot.pixel(x + px, y + py) for py in range(top, bottom, 3) for px in range(left, right, 3)]
        return {
            "title start": shot.pixel(x + TITLE_START[0], y + TITLE_START[1]),
            "title end": shot.pixel(x + TITLE_END[0], y + TITLE_END[1]),
            "window": shot.pixel(x + BARE_SPOT[0], y + BARE_SPOT[1]),
            "list": area,
        }

    def assert_scheme(self, name):
        scheme = SCHEMES[name]

        def shows():
            colours = self.main_colours()
            list_share = sum(1 for c in colours["list"] if c == scheme["list"]) / len(colours["list"])
            return (
                near(colours["title start"], scheme["dark"])
                and near(colours["title end"], scheme["light"])
                and colours["window"] == scheme["window"]
                and list_share > 0.5,
                colours["title start"],
                colours["title end"],
                colours["window"],
                list_share,
            )

        result = wait_until(lambda: shows()[0], timeout=5)
        self.assertTrue(result, "%s: title %r..%r, window %r, list share %.2f" % ((name,) + shows()[1:]))

    def test_red_recolours_the_main_window_at_once_and_blue_restores_it(self):
        self.assert_scheme("Blue")
        options = self.open_options()
        options_origin = self.move_options_below(options)
        self.choose_scheme(options_origin, "Blue", "Red")
        self.assert_scheme("Red")
        self.choose_scheme(options_origin, "Red", "Blue")
        self.assert_scheme("Blue")


class ListLook(OptionsTest):
    HOTKEYS = (
        "[HotKeys]\r\nCount=2\r\n"
        "Key0=75\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\nChecked0=1\r\nPath0=notepad.exe\r\n"
        "Key1=76\r\nAlt1=1\r\nCtrl1=1\r\nShift1=0\r\nChecked1=0\r\nPath1=calc.exe\r\n"
    )

    def list_look(self):
        helper = self.app.add_helper("list_look.exe")
        result = subprocess.run([WINE, helper], capture_output=True, timeout=30)
        self.assertEqual(result.returncode, 0, "no hotkey list found")
        return dict(line.rsplit(" ", 1) for line in result.stdout.decode().split("\r\n") if line)

    def test_stored_look_then_check_boxes_back_from_the_options_keeping_each_rows_state(self):
        self.app.write("Hotkeys.ini", self.HOTKEYS)
        self.app.write("Settings.ini", "[List]\r\nCheckBoxes=0\r\nGridLines=1\r\n")
        self.start()
        self.assertEqual(self.list_look(), {"check boxes": "0", "grid lines": "1"})

        options = self.open_options()
        ox, oy = self.move_options_below(options)
        xdotool("mousemove", ox + HOTKEYS_LIST_TAB[0], oy + HOTKEYS_LIST_TAB[1], "click", "1")
        time.sleep(0.5)
        xdotool("mousemove", ox + SHOW_CHECK_BOXES[0], oy + SHOW_CHECK_BOXES[1], "click", "1")
        shown = wait_until(lambda: self.list_look()["check boxes"] == "1", timeout=5)
        self.assertTrue(shown, "Show CheckBoxes brings the boxes back at once")

        self.assertTrue(self.app.exit())
        hotkeys = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((hotkeys["Checked0"], hotkeys["Checked1"]), ("1", "0"), "each row keeps its state")
        settings = read_ini(self.app.file("Settings.ini"), "List")
        self.assertEqual(settings, {"CheckBoxes": "1", "GridLines": "1"})


class StoredLook(VantrelTest):
    def window_of_width(self, width):
        def find():
            for window in visible_windows("^Vantrel$"):
                if geometry(window)[2] == width:
                    return window
            return None

        return wait_until(find, timeout=15)

    def test_alpha_4_makes_the_main_window_40_percent_opaque(self):
        # Without a compositing manager X draws every window opaque.
        compositor = subprocess.Popen(["xcompmgr"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(compositor.wait)
        self.addCleanup(compositor.send_signal, signal.SIGTERM)
        self.app.add_helper("white_window.exe")
        white = subprocess.Popen(
            [WINE, self.app.file("white_window.exe")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.addCleanup(white.wait)
        self.addCleanup(white.kill)
        self.assertTrue(wait_until(lambda: visible_windows("^White$"), timeout=20))
        self.app.write("Settings.ini", "[MainWindow]\r\nAlpha=4\r\n")
        self.app.start()
        main = self.window_of_width(542)
        self.assertIsNotNone(main)
        x, y, _, _ = geometry(main)
        xdotool("mousemove", 1000, 750)
        # Blue's window colour at 40 % over white: 0.4 * c + 0.6 * 255.
        expected = tuple(int(0.4 * c + 0.6 * 255) for c in SCHEMES["Blue"]["window"])
        seen = wait_until(
            lambda: near(Screenshot().pixel(x + BARE_SPOT[0], y + BARE_SPOT[1]), expected, 2), timeout=5
        )
        self.assertTrue(seen, "%r, not %r" % (Screenshot().pixel(x + BARE_SPOT[0], y + BARE_SPOT[1]), expected))

    def test_properties_0_starts_the_window_275_high(self):
        self.app.write("Settings.ini", "[MainWindow]\r\nProperties=0\r\n")
        self.app.start()
        main = self.window_of_width(542)
        self.assertIsNotNone(main)
        self.assertEqual(geometry(main)[3], 275)


class DisplayMonitor(OptionsTest):
    """The display's "Show on" list on the OSD page, stored in [OSD] only
    once the user picks another monitor than the primary one."""

    # The OSD page is three tabs left of "General"; its "Show on" list.
    SHOW_ON_LIST = (160, 172)

    def test_choosing_the_monitor_with_the_mouse_is_saved_after_the_fonts_size(self):
        self.start()
        options = self.open_options()
        ox, oy = self.move_options_below(options)
        xdotool("mousemove", ox + GENERAL_TAB[0], oy + GENERAL_TAB[1], "click", "1")
        time.sleep(0.5)
        for _ in range(3):
            xdotool("key", "Left")
            time.sleep(0.2)
        xdotool("mousemove", ox + self.SHOW_ON_LIST[0], oy + self.SHOW_ON_LIST[1], "click", "1")
        time.sleep(0.5)
        xdotool("key", "Down")
        xdotool("key", "Return")
        time.sleep(0.5)
        self.assertTrue(self.app.exit())
        with open(self.app.file("Settings.ini"), "rb") as handle:
            lines = handle.read().decode("latin-1").split("\r\n")
        osd = lines.index("[OSD]")
        self.assertEqual(
            lines[osd + 1 : osd + 8],
            ["VisibleTime=3", "X=100", "Y=576", "FontColor=clBlue", "FontName=Dungeon", "FontSize=36", "ShowOn=1"],
        )


def file_bytes(path):
    try:
        with open(path, "rb") as handle:
            return handle.read()
    except FileNotFoundError:
        return None


class HideAndDialogKeys(OptionsTest):
    def setUp(self):
        super().setUp()
        self.app.write("Settings.ini", "[General]\r\nLogo=0\r\n")
        self.start()
        self.settings = file_bytes(self.app.file("Settings.ini"))

    def options_shown(self):
        return [w for w in visible_windows("^Options$") if geometry(w)[2:] == OPTIONS_SIZE]

    def test_hide_with_options_open_closes_both_and_saves_no_settings(self):
        self.move_options_below(self.open_options())
        self.app.context_menu_item(2)  # "Hide"
        self.assertTrue(wait_until(lambda: not self.options_shown(), timeout=5), "Options goes too")
        self.assertIsNone(self.app.main_window(timeout=1))
        self.assertEqual(file_bytes(self.app.file("Settings.ini")), self.settings)

    def test_escape_closes_options_unsaved_and_enter_presses_ok(self):
        x, y = self.move_options_below(self.open_options())
        xdotool("mousemove", x + 250, y + 262, "click", "1")  # a bare spot beside the buttons
        time.sleep(0.4)
        xdotool("key", "Escape")
        self.assertTrue(wait_until(lambda: not self.options_shown(), timeout=5), "Escape closes it")
        self.assertEqual(file_bytes(self.app.file("Settings.ini")), self.settings, "unsaved")

        x, y = self.move_options_below(self.open_options())
        # The page tabs have the keyboard, not the OK button.
        self.turn_to(self.options_shown()[0], "Main Window")
        xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: not self.options_shown(), timeout=5), "Enter presses OK")
        self.assertTrue(
            wait_until(lambda: file_bytes(self.app.file("Settings.ini")) != self.settings, timeout=5),
            "OK saves every setting",
        )
        self.assertIn("EasyMove", read_ini(self.app.file("Settings.ini"), "MainWindow"))


class MenuButtonColours(VantrelTest):
    """The four menu buttons run from the scheme's light colour to white,
    with its dark colour for the text, in every scheme."""

    HOTKEYS_BUTTON = (3, 27, 103, 43)  # left, top, right, bottom in the window

    def test_three_schemes(self):
        for name in ("Blue", "Red", "Green"):
            with self.subTest(name):
                self.check_scheme(name)

    def check_scheme(self, name):
        scheme = SCHEMES[name]
        self.app.write("Settings.ini", "[General]\r\nLogo=0\r\nColor=%d\r\n" % SCHEME_ORDER.index(name))
        self.app.start()
        window = self.app.main_window()
        self.assertTrue(window)
        time.sleep(1)
        x, y, _, _ = geometry(window)
        left, top, right, bottom = self.HOTKEYS_BUTTON
        shot = Screenshot()
        inside = [shot.pixel(x + px, y + py) for py in range(top + 2, bottom - 2) for px in range(left + 2, right - 2)]
        self.assertTrue(any(near(c, (255, 255, 255)) for c in inside), "runs to white")
        self.assertTrue(any(near(c, scheme["light"], 6) for c in inside), "from the light colour")
        self.assertTrue(any(c == scheme["dark"] for c in inside), "dark text")
        self.assertTrue(self.app.exit())
