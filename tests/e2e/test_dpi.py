"""The main and Options windows on a 144-DPI screen: one and a half times
their 96-DPI size, every control at its scaled place inside them, and
drawn crisp at that size rather than a 96-DPI picture stretched.

Wine takes the screen's DPI from the registry when a program starts; this
module sets 144 for its own run and puts the prefix back as it found it."""

import subprocess
import time
import unittest

from harness import (
    WINE,
    Screenshot,
    Vantrel,
    geometry,
    log_pixels,
    options_control_list,
    set_log_pixels,
    visible_windows,
    wait_until,
    xdotool,
)

SIZE_96 = (542, 422)
SIZE_144 = (813, 633)  # 542 x 1.5, 422 x 1.5
OPTIONS_96 = (492, 273)
OPTIONS_144 = (738, 410)  # 409.5 up
BACKGROUND = (220, 240, 255)  # the window's own surface
# Windows the system lays out inside another control: their places follow
# their own rules (a combo box's closed height comes from its font).
SYSTEM_PARTS = {"ComboBox", "SysListView32", "Edit", "SysHeader32", "ComboLBox", "msctls_updown32"}


def scaled(length):
    """A 96-DPI length at 144 DPI, rounded half away from zero."""
    sign = -1 if length < 0 else 1
    return sign * ((abs(length) * 3 + 1) // 2)


class Places:
    """Where one of the program's windows and every window inside it lie
    (child_places.exe)."""

    def __init__(self, app, window_class="TForm1"):
        helper = app.add_helper("child_places.exe")
        result = subprocess.run([WINE, helper, window_class], capture_output=True, timeout=30)
        assert result.returncode == 0, "no %s window found" % window_class
        lines = [line.split("\t") for line in result.stdout.decode("utf-8").splitlines()]
        self.window = tuple(int(v) for v in lines[0][1:])
        self.controls = [
            {
                "class": c[0],
                "id": int(c[1]),
                "parent": c[2],
                "visible": c[3] == "1",
                "rect": tuple(int(v) for v in c[4:8]),
            }
            for c in lines[1:]
        ]

    def size(self):
        return self.window[2] - self.window[0], self.window[3] - self.window[1]

    def laid_out(self):
        """The controls the window lays out itself: its own and its panel's."""
        return [c for c in self.controls if c["parent"] not in SYSTEM_PARTS]


def find_window(size, title="^Vantrel$", timeout=20):
    """A visible window of about that size (within 2 pixels)."""

    def find():
        for window in visible_windows(title):
            width, height = geometry(window)[2:]
            if abs(width - size[0]) <= 2 and abs(height - size[1]) <= 2:
                return window
        return None

    return wait_until(find, timeout)


def open_options(main, dpi):
    """Options from the main window's context menu, by the keyboard: five
    up from the bottom ("Exit", "Minimize", "Hide", "What's new")."""
    x, y, _, _ = geometry(main)
    factor = 1.5 if dpi == 144 else 1
    xdotool("mousemove", x + int(270 * factor), y + int(320 * factor))
    time.sleep(0.4)
    xdotool("click", "3")
    time.sleep(0.6)
    for _ in range(5):
        xdotool("key", "Up")
    xdotool("key", "Return")
    return find_window(OPTIONS_96 if dpi == 96 else OPTIONS_144, "^Options$", timeout=10)


def run_at(dpi, test):
    """Starts a copy of the program at that DPI and reads its main window's
    places, its list's column widths and its Options window's places."""
    set_log_pixels(dpi)
    app = Vantrel()
    test.addCleanup(app.remove)
    # No splash over the window's middle.
    app.write("Settings.ini", "[General]\r\nLogo=0\r\n[VolumeProgress]\r\nY=700\r\n[OSD]\r\nY=300\r\n")
    app.start()
    size = SIZE_96 if dpi == 96 else SIZE_144
    window = find_window(size)
    test.assertTrue(window, "no main window of %s at %d DPI; visible: %s" % (
        size, dpi, [geometry(w) for w in visible_windows()]))
    places = Places(app)
    widths = subprocess.run(
        [WINE, app.add_helper("list_rows.exe"), "--widths"], capture_output=True, timeout=30
    ).stdout.decode().split()
    return app, window, places, [int(w) for w in widths]


# The captions drawn around their field, by the words before the blanks, on
# their pages ("Volume progress" is page 1, "OSD" page 3), with the field.
SPLIT_CAPTIONS = {
    1: {"Incrase/Decrase volume by": 322, "Border width": 323, "Progress height": 324,
        "Progress position X": 325, "Progress position Y": 326},
    3: {"OSD remains visible for": 361, "Position X": 362, "Position Y": 363},
}


def is_ink(colour):
    return sum(colour) < 3 * 140


def check_split_captions(test, app, options, dpi):
    """On both pages, every caption around a field shows its words before
    the field whole (clear of the field, not cut at it) and its words after
    it ("pixels", "sec.", "unit(s)")."""
    factor = 1.5 if dpi == 144 else 1
    ox, oy, _, _ = geometry(options)
    for page, captions in SPLIT_CAPTIONS.items():
        xdotool("mousemove", ox + int(30 * factor), oy + int(36 * factor), "click", "1")
        time.sleep(0.4)
        for _ in range(page):
            xdotool("key", "Right")
            time.sleep(0.2)
        time.sleep(0.5)
        listed = options_control_list(app)
        controls = {c["id"]: c for c in listed}
        shot = Screenshot()
        labels = [c for c in listed if c["class"] == "Static" and c["visible"]]
        for head, field_id in captions.items():
            name = "%s at %d DPI" % (head, dpi)
            label = next((c for c in labels if c["text"].startswith(head + "   ")), None)
            test.assertIsNotNone(label, name)
            left, top, right, bottom = label["rect"]
            field = controls[field_id]["rect"]

            def ink(x0, x1):
                return sum(1 for x in range(x0, x1) for y in range(top, bottom) if is_ink(shot.pixel(x, y)))

            test.assertGreater(ink(left, field[0]), 10, name + ": the words before the field")
            test.assertEqual(ink(field[0] - 1, field[0]), 0, name + ": cut at the field")
            test.assertGreater(ink(field[2], right), 10, name + ": the words after the field")
            test.assertEqual(ink(right - 2, right), 0, name + ": the words after cut at the caption's end")


def check_positions(test, app, dpi):
    """The position fields show pixels of a 96-DPI screen at every DPI, as
    Settings.ini holds them: a stored 300 is 300 at both; the limits are
    the screen's size in those pixels (768 high at 96 DPI, 512 at 144), so
    a stored 700 is kept at 96 and lowered to 512 - 60 at 144."""
    controls = {c["id"]: c for c in options_control_list(app)}
    test.assertEqual(controls[363]["text"], "300", dpi)
    test.assertEqual(controls[326]["text"], "700" if dpi == 96 else "452", dpi)


def compare_places(test, at96, at144):
    """Every control a window lays out lies at its 96-DPI place scaled,
    inside the window, and two that did not overlap still do not."""
    width, height = at144.size()
    controls96 = at96.laid_out()
    controls144 = at144.laid_out()
    test.assertEqual([c["class"] for c in controls144], [c["class"] for c in controls96])
    for before, after in zip(controls96, controls144):
        name = "%s %d in %s: %s at 96, %s at 144" % (
            after["class"], after["id"], after["parent"], before["rect"], after["rect"])
        expected = [scaled(v) for v in before["rect"]]
        # A combo box's closed height and a link's size come from the font.
        edges = range(2) if after["class"] == "TLinkLabel" else range(3) if after["class"] == "ComboBox" else range(4)
        for edge in edges:
            test.assertLessEqual(abs(after["rect"][edge] - expected[edge]), 2, name)
        if after["visible"] and after["parent"] in ("TForm1", "TFormOptions"):
            left, top, right, bottom = after["rect"]
            test.assertTrue(0 <= left < right <= width and 0 <= top < bottom <= height, name)

    def overlap(a, b):
        return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]

    pairs = list(zip(controls96, controls144))
    for i, (a96, a144) in enumerate(pairs):
        for b96, b144 in pairs[i + 1 :]:
            if a96["parent"] == b96["parent"] and not overlap(a96["rect"], b96["rect"]):
                test.assertFalse(overlap(a144["rect"], b144["rect"]), (a144, b144))


class MainWindowAt144Dpi(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.saved_dpi = log_pixels()

    @classmethod
    def tearDownClass(cls):
        set_log_pixels(cls.saved_dpi)

    def test_everything_scales_one_and_a_half_times_and_stays_crisp(self):
        app96, main96, at96, widths96 = run_at(96, self)
        options96 = open_options(main96, 96)
        self.assertTrue(options96, "the Options window did not show at 96 DPI")
        options_at96 = Places(app96, "TFormOptions")
        check_split_captions(self, app96, options96, 96)
        check_positions(self, app96, 96)
        app96.remove()
        app, window, at144, widths144 = run_at(144, self)

        # The window: 1.5 times as wide and as high, within rounding.
        width, height = at144.size()
        self.assertLessEqual(abs(width - SIZE_144[0]), 2, at144.size())
        self.assertLessEqual(abs(height - SIZE_144[1]), 2, at144.size())
        self.assertEqual(at96.size(), SIZE_96)
        self.assertGreater(len(at144.laid_out()), 30)
        compare_places(self, at96, at144)

        # The list's columns widen with the rest.
        self.assertEqual(widths96, [160, 70, 250, 38, 0, 0, 0])
        self.assertEqual(widths144, [scaled(w) for w in widths96])

        # Crisp: the title strip (39 high now) ends on one row and the
        # window's own surface starts on the next, as does the first menu
        # button's top edge two rows down; a stretched 96-DPI picture would
        # blend the rows across each edge.
        x, y, _, _ = geometry(window)
        shot = Screenshot()
        for column in (150, 300, 600):
            strip = shot.pixel(x + column, y + 38)
            self.assertEqual(shot.pixel(x + column, y + 39), BACKGROUND, column)
            self.assertEqual(shot.pixel(x + column, y + 40), BACKGROUND, column)
            self.assertGreater(sum(abs(a - b) for a, b in zip(strip, BACKGROUND)), 60, (column, strip))
            self.assertNotEqual(shot.pixel(x + column, y + 41), BACKGROUND, column)
        # The title strip's gradient is drawn over all of its 39 rows: each
        # row inside its border differs from the surface.
        for row in range(1, 38):
            self.assertNotEqual(shot.pixel(x + 300, y + row), BACKGROUND, row)

        # The rounded corners grow too: the title strip's minimize button
        # leaves three corner pixels of the surface showing (one at 96 DPI)
        # with the accent stroke across the curve below them.
        minimize = next(c for c in at144.controls if c["class"] == "TGradientButton" and c["id"] == 201)
        left, top = x + minimize["rect"][0], y + minimize["rect"][1]
        for dx, dy in ((0, 0), (1, 0), (0, 1)):
            self.assertEqual(shot.pixel(left + dx, top + dy), BACKGROUND, (dx, dy))
        self.assertNotEqual(shot.pixel(left + 1, top + 1), BACKGROUND)

        # The Options window, every control of its table included.
        options = open_options(window, 144)
        self.assertTrue(options, "no Options window of %s at 144 DPI" % (OPTIONS_144,))
        options_at144 = Places(app, "TFormOptions")
        self.assertEqual(options_at96.size(), OPTIONS_96)
        self.assertGreater(len(options_at144.laid_out()), 40)
        compare_places(self, options_at96, options_at144)
        check_split_captions(self, app, options, 144)
        check_positions(self, app, 144)


if __name__ == "__main__":
    unittest.main()
