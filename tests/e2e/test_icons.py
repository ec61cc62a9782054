"""The hotkey icons as the list shows them: each row the picture its icon
number names, a new row the keyboard keys (icon 34), checked by the
pixels on the screen against the program's own icon resources."""
import subprocess
import time

from harness import WINE, wait_until
from test_editor import EditorTest, row_point

# (key code, icon number, action) per row: numbers apart from positions.
ROWS = [(65, 7, "a.exe"), (66, 50, "b.exe"), (67, 3, "c.exe"), (68, 0, "d.exe")]
NEW_ROW_ICON = 34


def hotkeys_file(rows):
    text = "[HotKeys]\r\nCount=%d\r\n" % len(rows)
    for n, (key, image, action) in enumerate(rows):
        text += "Key{n}={k}\r\nAlt{n}=1\r\nCtrl{n}=1\r\nShift{n}=0\r\nChecked{n}=0\r\nImage{n}={i}\r\nPath{n}={p}\r\n".format(
            n=n, k=key, i=image, p=action
        )
    return text


class RowIcons(EditorTest):
    def setUp(self):
        super(EditorTest, self).setUp()
        self.app.write("Hotkeys.ini", hotkeys_file(ROWS))
        self.app.start()
        self.window = self.app.main_window()
        self.assertTrue(self.window, "main window not visible")

    def shown_icon(self, row):
        """(nearest icon number, its distance, the next one's distance)."""
        helper = self.app.add_helper("row_icon.exe")
        result = subprocess.run([WINE, helper, str(row)], capture_output=True, timeout=30)
        self.assertEqual(result.returncode, 0, "row %d not found" % row)
        values = dict(line.split() for line in result.stdout.decode().splitlines())
        return int(values["nearest"]), int(values["distance"]), int(values["next"])

    def assert_shows(self, row, icon):
        nearest, distance, following = self.shown_icon(row)
        self.assertEqual(nearest, icon, "row %d" % row)
        # Clearly that one: not a blank square all pictures are equally near.
        self.assertLess(distance * 4, following, "row %d" % row)

    def test_each_row_shows_its_own_icon_and_a_new_row_the_keys(self):
        self.hotkeys_menu(0)
        self.assertTrue(wait_until(lambda: len(self.shown_rows()) == len(ROWS) + 1, timeout=5))
        # A click below the rows leaves none selected: a selected row's
        # icon is drawn tinted.
        self.click(row_point(len(ROWS) + 1))
        time.sleep(0.5)
        for row, (_, icon, _) in enumerate(ROWS):
            self.assert_shows(row, icon)
        self.assert_shows(len(ROWS), NEW_ROW_ICON)
