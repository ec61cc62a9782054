"""Global hotkeys pressed while another program has the keyboard."""

import os
import shutil
import subprocess
import time

from harness import (
    BUILD,
    WINE,
    OtherProgram,
    VantrelTest,
    geometry,
    helper_runs,
    hotkeys_file,
    list_rows,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)




class Hotkeys(VantrelTest):
    def setUp(self):
        super().setUp()
        self.other = OtherProgram()
        self.addCleanup(self.other.close)
        self.helper = self.app.add_helper("record_run.exe")

    def wait_runs(self, count):
        return wait_until(lambda: helper_runs(self.app) >= count, timeout=10) and helper_runs(self.app) == count

    def test_each_press_runs_the_action_once(self):
        self.app.write("Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, self.helper)]))
        self.app.start(" hide")
        time.sleep(2)
        for presses in (1, 2, 3):
            self.other.press("ctrl+alt+k")
            self.assertTrue(self.wait_runs(presses), "after %d presses: %d runs" % (presses, helper_runs(self.app)))
        time.sleep(1)
        self.assertEqual(helper_runs(self.app), 3)

    def test_second_row_with_the_same_keys_is_disabled(self):
        self.app.write(
            "Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, self.helper), (75, 1, 1, 0, 1, "Z:\\nothing.exe")])
        )
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.other.press("ctrl+alt+k")
        self.assertTrue(self.wait_runs(1))
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Checked0"], values["Checked1"]), ("1", "0"))

    def test_keys_held_by_another_program_disable_the_row_without_a_message_box(self):
        holder = subprocess.Popen(
            [WINE, os.path.join(BUILD, "hold_hotkey.exe"), "3", "75"], stdout=subprocess.PIPE, text=True
        )
        self.addCleanup(holder.wait)
        self.addCleanup(holder.kill)
        self.assertEqual(holder.stdout.readline().strip(), "held")
        self.app.write("Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, self.helper), (76, 1, 1, 0, 1, self.helper)]))
        self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        time.sleep(1)
        self.assertEqual(visible_windows(), [window], "no message box")
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Checked0"], values["Checked1"]), ("0", "1"))

    def test_show_hide_application_centres_and_toggles(self):
        self.app.write("Hotkeys.ini", hotkeys_file([(72, 1, 1, 0, 1, "Show/Hide Application")]))
        self.app.start(" hide")
        self.assertTrue(self.app.hidden_for(2))
        self.other.press("ctrl+alt+h")
        window = self.app.main_window()
        self.assertIsNotNone(window)
        self.assertEqual(geometry(window), ((1024 - 542) // 2, (768 - 422) // 2, 542, 422))
        self.other.press("ctrl+alt+h")
        self.assertTrue(wait_until(lambda: self.app.main_window(timeout=0) is None, timeout=10))

    def test_unchecked_row_stops_acting_at_once(self):
        self.app.write("Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, self.helper)]))
        self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        self.other.press("ctrl+alt+k")
        self.assertTrue(self.wait_runs(1))
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 13, y + 71, "click", "1")  # the first row's check box
        time.sleep(1)
        self.other.press("ctrl+alt+k")
        time.sleep(2)
        self.assertEqual(helper_runs(self.app), 1)
        self.assertTrue(self.app.exit())
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Checked0"], "0")

    def test_press_acts_while_a_message_box_is_open(self):
        self.app.write(
            "Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, self.helper), (75, 1, 1, 0, 0, "Z:\\nothing.exe")])
        )
        self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 13, y + 71 + 32, "click", "1")  # the second row's box: a conflict
        box = wait_until(lambda: [w for w in visible_windows() if w != window], timeout=10)
        self.assertTrue(box, "the conflict message shows")
        self.other.press("ctrl+alt+k")
        self.assertTrue(self.wait_runs(1), "the press ran its action under the message box")
        self.assertEqual([w for w in visible_windows() if w != window], box, "the box is still open")

    def test_non_ascii_path_shows_launches_and_saves_exactly(self):
        folder = os.path.join(self.app.folder, "caf\u00e9")
        os.mkdir(folder)
        shutil.copy(os.path.join(BUILD, "record_run.exe"), os.path.join(folder, "na\u00efve.exe"))
        action = "Z:" + folder.replace("/", "\\") + "\\na\u00efve.exe"
        original = hotkeys_file([(75, 1, 1, 0, 1, action)]).encode("cp1252")
        with open(self.app.file("Hotkeys.ini"), "wb") as handle:
            handle.write(original)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.assertEqual(list_rows(self.app)[0][2], action, "the list shows the letters")
        self.other.press("ctrl+alt+k")
        log = os.path.join(folder, "na\u00efve.exe.log")
        self.assertTrue(wait_until(lambda: os.path.exists(log), timeout=10), "that exact path ran")
        self.assertTrue(self.app.exit())
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            saved = handle.read()
        self.assertIn(("Path0=" + action + "\r\n").encode("cp1252"), saved, "saved back in the same bytes")
