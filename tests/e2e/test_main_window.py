"""The main window as a user meets it: the four menu buttons and their
menus, the frame lines, the "Properties panel" switch, realigning the list,
and moving the window by dragging it."""

import os
import subprocess
import time
import unittest

from harness import WINE, Screenshot, VantrelTest, geometry, visible_windows, wait_until, xdotool

WIDTH = 542
FULL_HEIGHT = 422  # the properties panel shows
SHORT_HEIGHT = 275  # the panel is cut off
NAVY = (0, 0, 128)
# Left edges of "Hotkeys", "View", "Window" and "Help"; all 100 x 16 at y 27.
MENU_BUTTONS = {"Hotkeys": 3, "View": 103, "Window": 203, "Help": 303}
BUTTON_TOP = 27
BUTTON_HEIGHT = 16
REALIGNED = [160, 70, 250, 38, 0, 0, 0]


class MainWindowCase(VantrelTest):
    """Starts the program, with a settings file when the class gives one."""

    settings = None

    def setUp(self):
        super().setUp()
        if self.settings:
            self.app.write("Settings.ini", self.settings)
        self.app.start()
        self.window = self.app.main_window()
        self.assertTrue(self.window, "main window not visible")

    # What the user sees and does.

    def window_of_height(self, height, timeout=10.0):
        def find():
            for window in visible_windows():
                if geometry(window)[2:] == (WIDTH, height):
                    return window
            return None

        return wait_until(find, timeout)

    def origin(self):
        return geometry(self.window)[:2]

    def new_windows(self, before):
        return [w for w in visible_windows(".*") if w not in before]

    def open_menu(self, button):
        """Clicks a menu button; returns its menu's (x, y, width, height)."""
        x, y = self.origin()
        before = set(visible_windows(".*"))
        xdotool("mousemove", x + MENU_BUTTONS[button] + 50, y + BUTTON_TOP + BUTTON_HEIGHT // 2)
        time.sleep(0.4)
        xdotool("click", "1")
        menus = wait_until(lambda: self.new_windows(before), timeout=5)
        self.assertTrue(menus, 'no menu appeared for "%s"' % button)
        self.addCleanup(self.close_menus, before)
        return geometry(menus[0])

    def close_menus(self, before):
        """Escape until no window opened since `before` shows."""
        for _ in range(3):
            if not self.new_windows(before):
                return
            xdotool("key", "Escape")
            wait_until(lambda: not self.new_windows(before), timeout=2)

    def click_at(self, x, y):
        # Menus ignore a click that comes with the pointer's first move.
        xdotool("mousemove", x, y)
        time.sleep(0.4)
        xdotool("click", "1")

    def click_last_item(self, menu):
        x, y, width, height = menu
        self.click_at(x + width // 2, y + height - 8)

    def click_first_item(self, menu):
        x, y, width, _ = menu
        self.click_at(x + width // 2, y + 8)

    def choose_with_keys(self, *keys):
        for key in keys:
            xdotool("key", key)
            time.sleep(0.1)

    def drag(self, start, travel, steps=8):
        """Presses the left button at a screen point and moves by the travel
        in equal small steps before letting go."""
        assert travel[0] % steps == 0 and travel[1] % steps == 0, "uneven steps"
        xdotool("mousemove", *start)
        time.sleep(0.3)
        xdotool("mousedown", "1")
        time.sleep(0.2)
        for _ in range(steps):
            xdotool("mousemove_relative", "--", travel[0] // steps, travel[1] // steps)
            time.sleep(0.05)
        xdotool("mouseup", "1")

    def assert_dragging_moves(self, start_in_window, travel):
        x, y = self.origin()
        self.drag((x + start_in_window[0], y + start_in_window[1]), travel)
        expected = (x + travel[0], y + travel[1])
        self.assertTrue(wait_until(lambda: self.origin() == expected, timeout=5), (self.origin(), expected))

    def column_widths(self):
        helper = self.app.add_helper("list_rows.exe")
        result = subprocess.run([WINE, helper, "--widths"], capture_output=True, timeout=30)
        self.assertEqual(result.returncode, 0, "no hotkey list found")
        return [int(w) for w in result.stdout.decode().split()]


class MenusTest(MainWindowCase):
    def test_each_button_opens_its_menu_under_its_left_edge(self):
        x, y = self.origin()
        heights = {}
        for button, left in MENU_BUTTONS.items():
            with self.subTest(button=button):
                before = set(visible_windows(".*"))
                menu = self.open_menu(button)
                self.assertEqual(menu[:2], (x + left, y + BUTTON_TOP + BUTTON_HEIGHT))
                heights[button] = menu[3]
                self.close_menus(before)
        # "View" has one item and one separator more than the others.
        self.assertGreater(heights["View"], heights["Window"])
        self.assertEqual(heights["Hotkeys"], heights["Window"])

    def test_window_exit_ends_the_program_and_saves(self):
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini")))
        self.click_last_item(self.open_menu("Window"))
        self.assertTrue(self.app.wait_ended(), '"Exit" did not end the program')
        self.assertTrue(os.path.exists(self.app.file("Hotkeys.ini")), "the hotkeys were not saved")

    def test_window_hide_hides_saves_and_keeps_running(self):
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini")))
        self.click_first_item(self.open_menu("Window"))
        self.assertTrue(wait_until(lambda: not self.app.main_window(timeout=0), timeout=10), "still shown")
        self.assertTrue(wait_until(lambda: os.path.exists(self.app.file("Hotkeys.ini")), timeout=10))
        self.assertTrue(self.app.running())

    def test_window_minimize_takes_the_window_off_the_screen(self):
        self.open_menu("Window")
        self.choose_with_keys("Down", "Down", "Return")
        self.assertTrue(wait_until(lambda: not self.app.main_window(timeout=0), timeout=10), "still shown")
        self.assertTrue(self.app.running())

    def test_context_menu_opens_at_the_pointer(self):
        x, y = self.origin()
        before = set(visible_windows(".*"))
        xdotool("mousemove", x + 270, y + 320)
        time.sleep(0.3)
        xdotool("click", "3")
        menus = wait_until(lambda: self.new_windows(before), timeout=5)
        self.assertTrue(menus, "no context menu")
        self.addCleanup(self.close_menus, before)
        self.assertEqual(geometry(menus[0])[:2], (x + 270, y + 320))


class HeightTest(MainWindowCase):
    def frame_line_misses(self, shot, height):
        """The sampled points of the frame lines that are not navy."""
        x, y = self.origin()
        points = [(px, py) for px in (1, 100, 270, 540) for py in (height - 2, height - 1)]
        points += [(px, height - 40) for px in (0, 1, WIDTH - 2, WIDTH - 1)]
        return [(px, py, shot.pixel(x + px, y + py)) for px, py in points if shot.pixel(x + px, y + py) != NAVY]

    def assert_frame_lines(self, height):
        """Waits for the lines to show on the edges of a window that high;
        returns the screenshot that shows them."""
        shots = []

        def painted():
            shots.append(Screenshot())
            return not self.frame_line_misses(shots[-1], height)

        wait_until(painted, timeout=5, interval=0.2)
        self.assertEqual(self.frame_line_misses(shots[-1], height), [])
        return shots[-1]

    def test_properties_panel_switches_the_height_and_the_bottom_line_follows(self):
        x, y = self.origin()
        self.assert_frame_lines(FULL_HEIGHT)

        self.click_last_item(self.open_menu("View"))
        self.window = self.window_of_height(SHORT_HEIGHT)
        self.assertTrue(self.window, "the window did not become %d high" % SHORT_HEIGHT)
        self.assertEqual(self.origin(), (x, y), "the top-left corner moved")
        self.assert_frame_lines(SHORT_HEIGHT)

        self.click_last_item(self.open_menu("View"))
        self.window = self.window_of_height(FULL_HEIGHT)
        self.assertTrue(self.window, "the window did not become %d high again" % FULL_HEIGHT)
        shot = self.assert_frame_lines(FULL_HEIGHT)
        # The line left the short window's bottom edge.
        self.assertNotEqual(shot.pixel(x + 270, y + SHORT_HEIGHT - 1), NAVY)


class RealignListTest(MainWindowCase):
    def test_realign_list_sets_the_column_widths_back(self):
        self.assertEqual(self.column_widths(), REALIGNED)
        x, y = self.origin()
        header_y = y + 45 + 2 + 8
        divider = x + 2 + 2  # the list's left edge inside its border
        # Narrow "Execute" by 120, then drag just right of the "ID" column's
        # right divider, where a hidden column opens, and widen "Flags" by
        # 60.
        self.drag((divider + 160 + 70 + 250, header_y), (-120, 0), steps=6)
        self.drag((divider + 160 + 70 + 130 + 38 + 2, header_y), (40, 0), steps=4)
        self.drag((divider + 160, header_y), (60, 0), steps=6)
        widened = self.column_widths()
        self.assertEqual(widened[0], 220, widened)
        self.assertEqual(widened[2], 130, widened)
        self.assertGreater(sum(widened[3:]), 38, widened)

        self.open_menu("View")
        self.choose_with_keys("Up", "Up", "Return")
        self.assertTrue(wait_until(lambda: self.column_widths() == REALIGNED, timeout=10), self.column_widths())


# Where a drag starts, in the window, and what it presses on.
TITLE_STRIP = (200, 12)
BODY = {
    "bare surface beside the menu buttons": (470, 36),
    "hotkey list": (330, 130),
    "properties panel between its key lists and its icon": (302, 317),
}


class DraggingTest(MainWindowCase):
    def test_title_strip_and_body_move_the_window_by_the_mouses_travel(self):
        for name, start in {"title strip": TITLE_STRIP, **BODY}.items():
            with self.subTest(place=name):
                self.assert_dragging_moves(start, (48, -32))
                self.assert_dragging_moves(start, (-40, 24))


class DraggingWithoutEasyMoveTest(MainWindowCase):
    settings = "[MainWindow]\r\nEasyMove=0\r\n"

    def test_only_the_title_strip_moves_the_window(self):
        for name, start in BODY.items():
            with self.subTest(place=name):
                x, y = self.origin()
                self.drag((x + start[0], y + start[1]), (48, -32))
                # The title strip's drag, after the body's, shows the events
                # have all arrived; the window moves by its travel alone.
                self.assert_dragging_moves(TITLE_STRIP, (-40, 24))
                self.assertEqual(self.origin(), (x - 40, y + 24))


if __name__ == "__main__":
    unittest.main()
