"""The hotkey editor as a user meets it: the properties panel under the
list, the "Hotkeys" menu's New, Delete and Reset, the list's own menu,
its check boxes and keys, the functions menu, the icon picker and the file
dialog, checked through what the list, the panel, the message boxes and
the files show."""

import re
import subprocess
import time

from harness import (
    WINE,
    OtherProgram,
    Screenshot,
    VantrelTest,
    geometry,
    helper_runs,
    hotkeys_file,
    list_rows,
    press_over,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)

# Points to click, in the window's client area (the panel sits at 2, 272).
HOTKEYS_BUTTON = (53, 35)
VIEW_BUTTON = (153, 35)
ENABLED = (16, 306)
ALT = (86, 290)
CONTROL = (86, 306)
SHIFT = (86, 322)
KEY_LIST = (240, 292)
ICON_BUTTON = (363, 306)
ACTION = (245, 347)
ACTION_RIGHT = (380, 347)
APPLY = (480, 294)
TEST = (480, 320)
FUNCTIONS = (438, 346)
BROWSE = (488, 346)
FIRST_PICKER_ICON = (34, 306)

# The panel's controls by identifier, as window_texts.exe reports them.
PANEL_IDS = {
    1: "enabled",
    2: "alt",
    3: "control",
    4: "shift",
    5: "key",
    6: "code",
    7: "action",
    8: "icon",
    9: "picker",
    10: "apply",
    11: "test",
    12: "functions",
    13: "browse",
    14: "win",
    15: "arguments",
    16: "start in",
}
LIST_ID = 100
BLUE = (0, 0, 255)  # the display's text colour by default


def row_point(index):
    """A point on a row's text, clear of its check box."""
    return (150, 71 + 32 * index)


def check_box_point(index):
    return (13, 71 + 32 * index)


class EditorTest(VantrelTest):
    rows = [(65, 1, 1, 0, 0, "a.exe"), (66, 0, 1, 1, 1, "b.exe")]

    def hotkey_rows(self):
        return self.rows

    def setUp(self):
        super().setUp()
        self.app.write("Hotkeys.ini", hotkeys_file(self.hotkey_rows()))
        self.app.start()
        self.window = self.app.main_window()
        self.assertTrue(self.window, "main window not visible")

    # What the user does.

    def point(self, at):
        x, y, _, _ = geometry(self.window)
        return x + at[0], y + at[1]

    def click(self, at, button=1, double=False):
        # Menus and boxes ignore a click that comes with the pointer's
        # first move.
        xdotool("mousemove", *self.point(at))
        time.sleep(0.4)
        if double:
            xdotool("click", "--repeat", "2", "--delay", "80", button)
        else:
            xdotool("click", button)
        time.sleep(0.3)

    def keys(self, *keys):
        for key in keys:
            xdotool("key", key)
            time.sleep(0.15)

    def type_text(self, text):
        xdotool("type", "--delay", "40", text)
        time.sleep(0.3)

    def new_windows(self, before):
        return [w for w in visible_windows(".*") if w not in before]

    def open_menu(self, at, button=1):
        """Opens a menu with a click; returns once it shows."""
        before = set(visible_windows(".*"))
        self.click(at, button)
        self.assertTrue(wait_until(lambda: self.new_windows(before), timeout=5), "no menu appeared")

    def choose(self, item):
        """Picks the open menu's item by its place from the top, separators
        not counted, with the keyboard."""
        self.keys(*(["Down"] * (item + 1)), "Return")
        time.sleep(0.5)

    def hotkeys_menu(self, item):
        """0 "New", 1 "Delete Selected", 2 "Reset all to default"."""
        self.open_menu(HOTKEYS_BUTTON)
        self.choose(item)

    def list_menu(self, row, item):
        """Right-clicks a row: 0 "New hotkey", 1 "Properties", 2 "Delete
        selected"."""
        self.open_menu(row_point(row), button=3)
        self.choose(item)

    def replace_action(self, text):
        self.click(ACTION)
        self.keys("End", "shift+Home", "BackSpace")
        self.type_text(text)

    # What the user reads.

    def panel(self):
        """Each control's (enabled, visible, state, text), and the focus."""
        helper = self.app.add_helper("window_texts.exe")
        result = subprocess.run([WINE, helper, "panel"], capture_output=True, timeout=30)
        self.assertEqual(result.returncode, 0, "no properties panel found")
        controls = {}
        for line in result.stdout.decode("utf-8").splitlines():
            fields = line.split("\t")
            if fields[0] == "focus":
                controls["focus"] = int(fields[1])
                continue
            enabled, visible, state = (int(v) for v in fields[2:5])
            controls[PANEL_IDS[int(fields[0])]] = (bool(enabled), bool(visible), state, fields[5])
        return controls

    def boxes(self):
        helper = self.app.add_helper("window_texts.exe")
        result = subprocess.run([WINE, helper, "boxes"], capture_output=True, timeout=30)
        return [tuple(line.split("\t", 1)) for line in result.stdout.decode("utf-8").splitlines()]

    def message_box(self, caption, timeout=10):
        """The open box of that caption (the main window's title is no box):
        its X window and its text."""
        windows = wait_until(
            lambda: [w for w in visible_windows("^%s$" % re.escape(caption)) if w != self.window], timeout=timeout
        )
        self.assertTrue(windows, 'no "%s" box' % caption)
        # The box's X window can be mapped before the box answers another
        # process's questions, so its text is awaited too.
        texts = wait_until(lambda: [text for title, text in self.boxes() if title == caption], timeout=timeout)
        self.assertEqual(len(texts or []), 1, self.boxes())
        return windows[0], texts[0]

    def answer(self, box, key):
        press_over(box, key)
        self.assertTrue(wait_until(lambda: box not in visible_windows(".*"), timeout=10), "the box stays open")
        time.sleep(0.3)

    def shown_rows(self):
        return [row[:4] + [row[-1]] for row in list_rows(self.app)]

    def assert_cleared_and_disabled(self, panel):
        for name in ("enabled", "alt", "control", "shift", "key", "action", "apply", "test", "functions", "browse"):
            self.assertFalse(panel[name][0], name + " is disabled")
        self.assertEqual([panel[name][2] for name in ("enabled", "alt", "control", "shift")], [0, 0, 0, 0])
        self.assertEqual((panel["key"][3], panel["code"][3], panel["action"][3]), ("0", "48", ""))


class NewAndTest(EditorTest):
    def test_new_from_the_hotkeys_menu_adds_a_disabled_row_that_exit_saves(self):
        self.hotkeys_menu(0)
        self.assertEqual(
            self.shown_rows()[-1], ["Alt+Ctrl+", "0", "Nothing", "3", "unchecked"], "the new row stands at the end"
        )
        panel = self.panel()
        self.assertEqual(panel["action"][3], "Nothing")
        self.assertEqual((panel["key"][3], panel["code"][3]), ("0", "48"))
        self.assertEqual([panel[name][2] for name in ("enabled", "alt", "control", "shift")], [0, 1, 1, 0])
        self.assertTrue(panel["action"][0], "the panel is enabled")
        self.assertFalse(panel["apply"][0], "nothing is pending")
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual(values["Count"], "3")
        self.assertEqual(
            [values[k + "2"] for k in ("Key", "Alt", "Ctrl", "Shift", "Checked", "Image", "Path")],
            ["48", "1", "1", "0", "0", "34", "Nothing"],
        )
        self.assertEqual(values["Path1"], "b.exe", "the other rows stay")

    def test_new_hotkey_from_the_lists_menu_then_test_says_the_file_is_missing(self):
        self.list_menu(0, 0)
        self.assertEqual(len(self.shown_rows()), 3)
        self.click(TEST)
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "The specified file was not found.")
        self.answer(box, "Return")


class TestRunsTheStoredText(EditorTest):
    def hotkey_rows(self):
        return [(75, 1, 1, 0, 0, self.app.add_helper("record_run.exe"))]

    def test_typed_text_runs_only_once_applied(self):
        self.click(row_point(0))
        self.replace_action("Z:\\nothing.exe")
        self.assertTrue(self.panel()["apply"][0], "the typing waits for Apply")
        self.click(TEST)
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "Execution OK!")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 1, timeout=10), "the stored program ran")
        self.answer(box, "Return")

        self.click(APPLY)
        self.assertEqual(self.shown_rows()[0][2], "Z:\\nothing.exe")
        self.assertFalse(self.panel()["apply"][0])
        self.click(TEST)
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "The specified file was not found.")
        self.answer(box, "Return")
        self.assertEqual(helper_runs(self.app), 1)


class ApplyVolumeMute(EditorTest):
    rows = [(65, 1, 1, 0, 0, "a.exe")]

    def setUp(self):
        # First, so that the program's window comes up over it.
        self.other = OtherProgram()
        self.addCleanup(self.other.close)
        super().setUp()

    def mute_text(self):
        """The display's text: its left and right edges and its pixels."""
        shot = wait_until(lambda: (lambda s: s if s.points(lambda c: c == BLUE) else None)(Screenshot()), timeout=5)
        self.assertTrue(shot, "the display shows a text")
        blue = shot.points(lambda c: c == BLUE)
        return min(x for x, _ in blue), max(x for x, _ in blue), blue

    def test_a_new_row_set_to_volume_mute_toggles_mute(self):
        self.hotkeys_menu(0)
        # Key "M" from the key list, Alt and Shift without Control.
        self.click(KEY_LIST)
        self.keys("m", "Return")
        self.click(CONTROL)
        self.click(SHIFT)
        self.open_menu(FUNCTIONS)
        self.choose(2)  # "VolumeMute"
        self.assertEqual(self.panel()["action"][3], "VolumeMute")
        self.click(ENABLED)
        panel = self.panel()
        self.assertEqual((panel["key"][3], panel["code"][3]), ("M", "77"))
        self.assertTrue(panel["apply"][0])
        self.click(APPLY)
        self.assertFalse(self.panel()["apply"][0], "applied")
        self.assertEqual(self.shown_rows()[1], ["Alt+Shift+", "M", "VolumeMute", "2", "checked"])

        # Unmuted at start: the first press mutes ("VolumeMute: ON"), the
        # second unmutes, whose text is the same up to its end and wider.
        self.other.press("alt+shift+m")
        on_left, on_right, on_pixels = self.mute_text()
        self.assertTrue(wait_until(lambda: not Screenshot().points(lambda c: c == BLUE), timeout=5))
        self.other.press("alt+shift+m")
        off_left, off_right, off_pixels = self.mute_text()
        self.assertEqual(on_left, off_left)
        self.assertGreater(off_right - off_left, on_right - on_left)
        prefix_end = on_left + (on_right - on_left) * 3 // 4
        self.assertEqual(
            sorted(p for p in on_pixels if p[0] < prefix_end), sorted(p for p in off_pixels if p[0] < prefix_end)
        )

        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual(
            [values[k + "1"] for k in ("Key", "Alt", "Ctrl", "Shift", "Checked", "Path")],
            ["77", "1", "0", "1", "1", "VolumeMute"],
        )


class CheckBoxes(EditorTest):
    # The conflicting rows stand at places 2 and 3 with identifiers 2 and
    # 3; deleting the first row moves them to places 1 and 2, so that a
    # message naming identifiers instead of places shows.
    rows = [(65, 1, 1, 0, 0, "a.exe"), (75, 1, 1, 0, 1, "k.exe"), (75, 1, 1, 0, 0, "other.exe")]

    def test_enabling_a_row_whose_keys_another_row_holds_tells_and_stays_cleared(self):
        self.click(row_point(0))
        self.keys("Delete")
        box, _ = self.message_box("Delete ?")
        self.answer(box, "y")
        self.click(check_box_point(1))
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "HotKey exists on ID 1 ! Choose another one!")
        self.answer(box, "Return")
        self.assertEqual(
            self.shown_rows(),
            [["Alt+Ctrl+", "K", "k.exe", "2", "checked"], ["Alt+Ctrl+", "K", "other.exe", "3", "unchecked"]],
        )
        panel = self.panel()
        self.assertEqual(panel["action"][3], "other.exe", "the clicked row fills the panel")
        self.assertEqual(panel["enabled"][2], 0)

    def test_a_click_on_any_columns_text_only_selects_a_click_on_the_box_flips_it(self):
        # Row 1 is switched on, row 2 off and its keys are row 1's: a click
        # that took its text for the box would tell of the conflict.
        columns = {"Flags": 100, "Key": 190, "Execute": 300, "ID": 498}
        for row in (1, 2):
            for name, x in columns.items():
                self.click((x, row_point(row)[1]))
                self.assertEqual(
                    [r[-1] for r in self.shown_rows()],
                    ["unchecked", "checked", "unchecked"],
                    "a click on the %s text of row %d" % (name, row + 1),
                )
                self.assertEqual(self.panel()["action"][3], self.rows[row][5], "the clicked row is selected")
        self.assertFalse([t for t, _ in self.boxes() if t == "Vantrel"], "no message")

        self.click(check_box_point(1))
        self.assertEqual([r[-1] for r in self.shown_rows()], ["unchecked", "unchecked", "unchecked"])
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Checked1"], "0", "saved at once")
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual([values["Checked%d" % n] for n in range(3)], ["0", "0", "0"])

    def test_a_row_without_an_action_is_incomplete(self):
        self.click(row_point(0))
        self.replace_action("")
        self.click(APPLY)
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "Incomplete!")
        self.answer(box, "Return")
        self.assertEqual(self.shown_rows()[0][2], "a.exe", "the row is unchanged")


class EveryChangeReachesTheDisk(EditorTest):
    """A change is written as it is made: a kill (no Hide, no Exit) after
    it loses nothing."""

    def on_disk(self):
        return read_ini(self.app.file("Hotkeys.ini"))

    def test_new_apply_box_and_delete_each_survive_a_kill(self):
        self.hotkeys_menu(0)
        self.assertEqual(self.on_disk()["Count"], "3", "New")

        self.click(row_point(0))
        self.replace_action("c:\\tools\\edited.exe")
        self.click(APPLY)
        self.assertEqual(self.on_disk()["Path0"], "c:\\tools\\edited.exe", "Apply")

        self.click(check_box_point(0))
        self.assertEqual(self.on_disk()["Checked0"], "1", "the box")

        self.click(row_point(1))
        self.keys("Delete")
        box, _ = self.message_box("Delete ?")
        self.answer(box, "y")
        self.app.stop()
        self.assertFalse(self.app.running())
        values = self.on_disk()
        self.assertEqual(values["Count"], "2", "Delete")
        self.assertEqual([values["Path0"], values["Checked0"], values["Path1"]], ["c:\\tools\\edited.exe", "1", "Nothing"])

        # The next start shows what was on disk.
        self.app.start()
        self.window = self.app.main_window()
        self.assertEqual([row[2] for row in self.shown_rows()], ["c:\\tools\\edited.exe", "Nothing"])


class FunctionsHint(EditorTest):
    def test_the_hint_goes_when_the_menu_opens(self):
        self.click(row_point(0))
        before = set(visible_windows(".*"))
        xdotool("mousemove", *self.point(FUNCTIONS))
        hint = wait_until(lambda: self.new_windows(before), timeout=5)
        self.assertTrue(hint, "the button's hint shows")
        xdotool("click", "1")
        menu = wait_until(lambda: [w for w in self.new_windows(before) if w not in hint], timeout=5)
        self.assertTrue(menu, "the menu opens")
        time.sleep(0.5)
        self.assertFalse([w for w in hint if w in visible_windows(".*")], "no hint over the menu")
        self.keys("Escape")


class UnknownKeyCode(EditorTest):
    # Code 255 is no key of the table; the row's box is the user's.
    rows = [(255, 1, 1, 0, 1, "a.exe"), (66, 0, 1, 1, 1, "b.exe")]

    def test_its_box_stays_as_the_file_had_it(self):
        self.assertEqual(self.shown_rows()[0], ["Alt+Ctrl+", "Code 255", "a.exe", "1", "checked"])
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual([values["Key0"], values["Checked0"]], ["255", "1"])


class ShowingThePanel(EditorTest):
    """The list's "Properties" item and a double click bring back a panel
    that "Properties panel" in the View menu has cut off."""

    def height(self):
        return geometry(self.window)[3]

    def cut_off(self):
        self.open_menu(VIEW_BUTTON)
        self.choose(3)  # "Properties panel"
        self.assertTrue(wait_until(lambda: self.height() == 275, timeout=5), "the panel is cut off")

    def test_properties_in_the_lists_menu(self):
        self.cut_off()
        self.list_menu(0, 1)
        self.assertTrue(wait_until(lambda: self.height() == 422, timeout=5), "the panel shows again")

    def test_a_double_click_on_a_row(self):
        self.cut_off()
        self.click(row_point(1), double=True)
        self.assertTrue(wait_until(lambda: self.height() == 422, timeout=5), "the panel shows again")
        self.assertEqual(self.panel()["action"][3], "b.exe", "the row shows in it")

    def test_tab_passes_over_a_cut_off_panel(self):
        self.cut_off()
        self.click(row_point(0))
        self.keys("Tab")
        self.assertEqual(self.panel()["focus"], LIST_ID)


class Delete(EditorTest):
    def test_no_keeps_the_row_yes_removes_it_and_the_last_one_leaves_a_cleared_panel(self):
        self.click(row_point(0))
        self.hotkeys_menu(1)
        box, text = self.message_box("Delete ?")
        self.assertEqual(text, "Delete the selected hotkey?")
        self.answer(box, "n")
        self.assertEqual(len(self.shown_rows()), 2)
        self.click(row_point(0))
        self.keys("Delete")
        box, _ = self.message_box("Delete ?")
        self.answer(box, "Escape")
        self.assertEqual(len(self.shown_rows()), 2, "Cancel keeps it too")
        self.assertEqual(self.panel()["action"][3], "a.exe")

        self.click(row_point(0))
        self.keys("Delete")
        box, _ = self.message_box("Delete ?")
        self.answer(box, "y")
        self.assertEqual(self.shown_rows(), [["Ctrl+Shift+", "B", "b.exe", "2", "checked"]], "no renumbering")
        self.assert_cleared_and_disabled(self.panel())

        self.list_menu(0, 2)
        box, _ = self.message_box("Delete ?")
        self.answer(box, "y")
        self.assertEqual(self.shown_rows(), [])
        self.assert_cleared_and_disabled(self.panel())


class Reset(EditorTest):
    def test_no_changes_nothing(self):
        self.hotkeys_menu(2)
        box, text = self.message_box("Defaults ?")
        self.assertEqual(text, "Reset to default hotkeys?")
        self.answer(box, "n")
        self.assertTrue(self.app.running())
        self.assertEqual(len(self.shown_rows()), 2)

    def test_yes_warns_ends_the_program_and_the_next_start_has_the_defaults(self):
        self.hotkeys_menu(2)
        box, _ = self.message_box("Defaults ?")
        self.answer(box, "y")
        box, text = self.message_box("Restart")
        self.assertEqual(
            text, "Restart the application to load the default hotkeys!\\n" + " " * 20 + "The application will exit now!"
        )
        self.answer(box, "Return")
        self.assertTrue(self.app.wait_ended(), "the program ends")
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Count"], "0")
        self.app.start()
        self.assertTrue(self.app.main_window())
        rows = self.shown_rows()
        self.assertEqual(len(rows), 20)
        self.assertEqual(rows[11][2], "Show/Hide Application")


class Keyboard(EditorTest):
    def test_tab_goes_through_the_panel_and_back_to_the_list(self):
        self.click(row_point(1))
        self.assertEqual(self.panel()["focus"], LIST_ID)
        order = []
        for _ in range(13):
            self.keys("Tab")
            order.append(self.panel()["focus"])
        # Enabled, Alt, Win, Control, Shift, Key, Icon, Execute, Arguments,
        # Start in, then (Apply being disabled) Test, "v", Browse, and the
        # list again.
        self.assertEqual(order, [1, 2, 14, 3, 4, 5, 8, 7, 15, 16, 11, 12, 13])
        self.keys("Tab")
        self.assertEqual(self.panel()["focus"], LIST_ID)
        self.keys("shift+Tab")
        self.assertEqual(self.panel()["focus"], 13)

    def test_escape_restores_the_row_and_enter_applies(self):
        self.click(row_point(1))
        self.replace_action("typed.exe")
        self.click(SHIFT)
        self.click(ACTION)
        self.keys("Escape")
        panel = self.panel()
        self.assertEqual((panel["action"][3], panel["shift"][2]), ("b.exe", 1), "the row as it is")
        self.assertFalse(panel["apply"][0], "nothing pending")

        self.replace_action("caf\u00e9 \u00e7a.exe")
        self.keys("Return")
        self.assertFalse(self.panel()["apply"][0], "Enter applied")
        self.assertEqual(self.shown_rows()[1][2], "caf\u00e9 \u00e7a.exe")
        self.assertTrue(self.app.exit())
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            self.assertIn("Path1=caf\u00e9 \u00e7a.exe\r\n".encode("cp1252"), handle.read())


class IconPickerAndBrowse(EditorTest):
    def test_the_picker_opens_chooses_and_closes(self):
        self.click(row_point(0))
        self.click(ICON_BUTTON)
        self.assertTrue(self.panel()["picker"][1], "the icon button opens the picker")
        self.click(ICON_BUTTON)
        self.assertFalse(self.panel()["picker"][1], "and closes it")
        self.click(ICON_BUTTON)
        # The picker covers most of the action box; a move over the rest of
        # it closes the picker.
        xdotool("mousemove", *self.point((ACTION_RIGHT[0], ACTION_RIGHT[1] - 2)))
        xdotool("mousemove", *self.point(ACTION_RIGHT))
        time.sleep(0.3)
        self.assertFalse(self.panel()["picker"][1], "a move over the action box closes it")

        self.click(ICON_BUTTON)
        panel = self.panel()
        self.assertEqual(panel["picker"][2], 34, "the picker opens on the row's icon")
        self.click(FIRST_PICKER_ICON)
        panel = self.panel()
        chosen = panel["picker"][2]
        self.assertFalse(panel["picker"][1], "choosing closes the picker")
        self.assertNotIn(chosen, (-1, 34), "the icon clicked is another one")
        self.assertTrue(panel["apply"][0])
        self.click(APPLY)
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Image0"], values["Image1"]), (str(chosen), "34"))

    def test_browse_puts_the_chosen_file_into_the_action_box(self):
        helper = self.app.add_helper("record_run.exe")
        self.click(row_point(0))
        before = set(visible_windows(".*"))
        self.click(BROWSE)
        dialogs = wait_until(lambda: self.new_windows(before), timeout=10)
        self.assertTrue(dialogs, "the file dialog opens")
        press_over(dialogs[0], "End")
        self.type_text(helper)
        xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: not self.new_windows(before), timeout=10), "the dialog closes")
        panel = self.panel()
        self.assertEqual(panel["action"][3].lower(), helper.lower())
        self.assertTrue(panel["apply"][0])
        self.click(APPLY)
        self.click(TEST)
        box, text = self.message_box("Vantrel")
        self.assertEqual(text, "Execution OK!")
        self.answer(box, "Return")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 1, timeout=10))
