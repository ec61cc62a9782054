"""Start-up, the hotkeys file, a second instance, the command line and
closing, checked on the real program."""

import os
import stat
import subprocess
import time

from harness import (
    BUILD,
    WINE,
    VantrelTest,
    box_buttons,
    box_texts,
    computer_name,
    geometry,
    press_over,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)

# The twenty rows a first start writes: key code, Alt, Ctrl, Shift, action.
DEFAULT_ROWS = [
    (69, 0, 1, 1, None),
    (69, 1, 1, 0, "C:\\"),
    (67, 1, 1, 0, "calc.exe"),
    (67, 0, 1, 1, "cmd.exe"),
    (68, 1, 1, 0, "dxdiag.exe"),
    (71, 1, 1, 0, None),
    (77, 0, 1, 1, "msconfig.exe"),
    (78, 1, 1, 0, "notepad.exe"),
    (78, 0, 1, 1, "\\\\" + computer_name()),
    (82, 1, 1, 0, "regedit.exe"),
    (83, 1, 1, 0, "services.msc"),
    (72, 1, 1, 0, "Show/Hide Application"),
    (83, 0, 1, 1, "sol.exe"),
    (83, 1, 0, 1, None),
    (40, 1, 1, 0, "VolumeDown"),
    (77, 1, 1, 0, "VolumeMute"),
    (38, 1, 1, 0, "VolumeUp"),
    (87, 1, 0, 1, "winmine.exe"),
    (87, 1, 1, 0, "c:\\Program Files\\Winamp\\winamp.exe"),
    (87, 0, 1, 1, "write.exe"),
]


class FirstStart(VantrelTest):
    def test_exit_writes_the_twenty_defaults(self):
        self.app.start()
        self.assertIsNotNone(self.app.main_window(), "a plain start shows the main window")
        self.assertTrue(self.app.exit(), "Exit ends the program")
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual(values["Count"], "20")
        for n, (key, alt, ctrl, shift, action) in enumerate(DEFAULT_ROWS):
            with self.subTest(row=n):
                self.assertEqual(values["Key%d" % n], str(key))
                self.assertEqual(values["Checked%d" % n], "1")
                self.assertEqual(values["Image%d" % n], str(n))
                self.assertEqual((values["Alt%d" % n], values["Ctrl%d" % n], values["Shift%d" % n]),
                                 (str(alt), str(ctrl), str(shift)))
                if action is not None:
                    self.assertEqual(values["Path%d" % n], action)
        self.assertTrue(values["Path0"].startswith("mailto: "))
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini.saving")))


class HandWrittenFiles(VantrelTest):
    def load_and_save(self, text):
        self.app.write("Hotkeys.ini", text)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.assertTrue(self.app.exit())
        return read_ini(self.app.file("Hotkeys.ini"))

    def test_missing_values_take_their_defaults(self):
        values = self.load_and_save("[HotKeys]\r\nCount=3\r\nPath0=a.exe\r\nPath1=b.exe\r\nPath2=\"c d.exe\"\r\n")
        self.assertEqual(values["Count"], "3")
        for n, path in enumerate(["a.exe", "b.exe", "c d.exe"]):
            self.assertEqual(
                [values[k + str(n)] for k in ("Key", "Checked", "Image", "Path", "Alt", "Ctrl", "Shift")],
                ["48", "0", "34", path, "1", "1", "0"],
            )

    def test_odd_values_are_read_by_their_rules_and_written_plainly(self):
        values = self.load_and_save(
            "; edited by hand\r\n[hotkeys]\r\n  count = 3 \r\nKey0=0x41\r\nAlt0=2\r\nChecked0=1\r\n"
            "Key1=999\r\nImage1=7\r\nKey2=$70\r\nPath2=F1 help\r\n[Other]\r\nKeep=me\r\n"
        )
        self.assertEqual((values["Key0"], values["Alt0"]), ("65", "1"))
        self.assertEqual(values["Key1"], "999", "an unknown key code is kept as it was")
        self.assertEqual(values["Image1"], "7")
        self.assertEqual((values["Key2"], values["Path2"]), ("112", "F1 help"))
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            text = handle.read()
        self.assertTrue(text.startswith(b"; edited by hand\r\n[hotkeys]\r\n  count = 3\r\n"))
        self.assertIn(b"[Other]\r\nKeep=me\r\n", text)

    def test_huge_count_loads_only_the_stored_rows(self):
        values = self.load_and_save("[HotKeys]\r\nCount=2147483647\r\nPath0=x.exe\r\nShift1=1\r\n")
        self.assertEqual(values["Count"], "2")
        self.assertEqual(values["Path0"], "x.exe")
        self.assertEqual(values["Shift1"], "1")

    def test_shorter_list_leaves_old_keys(self):
        values = self.load_and_save("[HotKeys]\r\nCount=0\r\nPath25=old.exe\r\n")
        self.assertEqual(values["Count"], "20")
        self.assertEqual(values["Path25"], "old.exe")


class SingleInstance(VantrelTest):
    def test_second_start_shows_the_first_and_ends(self):
        self.app.start(" hide")
        self.assertTrue(self.app.hidden_for(3), "the autorun command line keeps the window hidden")
        second = self.app.start(" ")
        started = time.monotonic()
        self.assertIsNotNone(self.app.main_window(), "the first instance's window comes forward")
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertLess(time.monotonic() - started, 10)
        self.assertTrue(self.app.processes[0].poll() is None, "the first instance keeps running")
        self.assertEqual(sorted(os.listdir(self.app.folder)), ["Vantrel.exe"], "the second start wrote nothing")
        self.assertTrue(self.app.exit())


class CommandLine(VantrelTest):
    def test_quoted_path_and_blank_in_any_case_shows_the_window(self):
        self.app.start(" ", path=self.app.exe_windows_path.upper())
        self.assertIsNotNone(self.app.main_window())
        self.assertTrue(self.app.exit())

    def test_hide_keeps_the_window_hidden(self):
        process = self.app.start(" hide", path=self.app.exe_windows_path.lower())
        self.assertTrue(self.app.hidden_for(4))
        self.assertIsNone(process.poll(), "the program runs on, hidden")


class StartedByOtherForms(VantrelTest):
    """Only the word "hide" keeps the window hidden: a start by the bare
    name from a prompt, or by an unquoted path, shows it."""

    def start_from_cmd(self, line):
        process = subprocess.Popen(
            [WINE, "cmd", "/c", line], cwd=self.app.folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.app.processes.append(process)
        return process

    def launch(self, command_line):
        process = subprocess.Popen(
            [WINE, os.path.join(BUILD, "launch.exe"), "--wait", command_line],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        self.app.processes.append(process)
        return process

    def test_bare_name_from_cmd_shows_the_window(self):
        self.start_from_cmd("Vantrel.exe")
        self.assertIsNotNone(self.app.main_window(), "typed at a prompt, the program shows itself")
        self.assertTrue(self.app.exit())

    def test_hide_in_another_place_and_case_keeps_it_hidden_and_a_bare_second_start_shows_it(self):
        first = self.launch(self.app.exe_windows_path + " /x HIDE")
        self.assertTrue(self.app.hidden_for(4), "an unquoted path with HIDE stays in the tray")
        self.assertIsNone(first.poll())
        second = self.start_from_cmd("vantrel")
        self.assertIsNotNone(self.app.main_window(), "the second start hands over to the first")
        self.assertEqual(second.wait(timeout=20), 0)
        self.assertIsNone(first.poll(), "the first instance keeps running")
        self.assertTrue(self.app.exit())

    def test_an_unquoted_path_without_hide_shows_the_window(self):
        self.launch(self.app.exe_windows_path + " hidden")
        self.assertIsNotNone(self.app.main_window(), '"hidden" is not "hide"')
        self.assertTrue(self.app.exit())


class Closing(VantrelTest):
    def test_alt_f4_only_hides(self):
        process = self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 270, y + 150)
        xdotool("key", "alt+F4")
        self.assertTrue(wait_until(lambda: self.app.main_window(timeout=0) is None, timeout=10))
        time.sleep(1)
        self.assertIsNone(process.poll(), "the program keeps running")
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini")), "closing is not saving")

    def test_x_on_the_title_strip_hides_and_saves(self):
        process = self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 528, y + 13, "click", "1")
        self.assertTrue(wait_until(lambda: self.app.main_window(timeout=0) is None, timeout=10))
        self.assertTrue(wait_until(lambda: os.path.exists(self.app.file("Hotkeys.ini")), timeout=5))
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Count"], "20")
        self.assertIsNone(process.poll(), "the program keeps running")

    def test_title_strip_buttons_show_their_hints(self):
        self.app.start()
        window = self.app.main_window()
        x, y, _, _ = geometry(window)
        for offset in (508, 528):  # Minimize, then "X"
            before = set(visible_windows(".*"))
            xdotool("mousemove", x + offset - 60, y + 13)
            time.sleep(0.2)
            xdotool("mousemove", x + offset, y + 13)
            tip = wait_until(lambda: [w for w in visible_windows(".*") if w not in before], timeout=5)
            self.assertTrue(tip, "a hint shows")
            tx, ty, tw, th = geometry(tip[0])
            self.assertLess(th, 40)
            self.assertTrue(abs(tx - (x + offset)) < 80 and abs(ty - (y + 13)) < 60, (tx, ty))
            xdotool("mousemove", x + 200, y + 200)
            wait_until(lambda: not [w for w in visible_windows(".*") if w not in before], timeout=5)
        self.assertTrue(self.app.exit())

    def test_title_strip_drags_the_window(self):
        self.app.start()
        window = self.app.main_window()
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 200, y + 10, "mousedown", "1")
        for step in range(1, 6):
            xdotool("mousemove", x + 200 + 10 * step, y + 10 + 8 * step)
            time.sleep(0.05)
        xdotool("mouseup", "1")
        self.assertTrue(wait_until(lambda: geometry(window)[:2] == (x + 50, y + 40), timeout=5), geometry(window))
        self.assertTrue(self.app.exit())

    def test_session_end_saves_unsaved_changes(self):
        self.app.start()
        window = self.app.main_window()
        x, y, _, _ = geometry(window)
        # Uncheck the first row's box.
        xdotool("mousemove", x + 13, y + 71, "click", "1")
        time.sleep(0.5)
        # No pipes: a Wine service this starts would inherit them and keep
        # them open long after wineboot itself has ended.
        subprocess.run(
            [WINE, "wineboot", "--end-session"],
            check=True,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            timeout=60,
        )
        self.assertTrue(wait_until(lambda: os.path.exists(self.app.file("Hotkeys.ini")), timeout=10))
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Checked0"], values["Checked1"]), ("0", "1"))


class FailedSave(VantrelTest):
    @staticmethod
    def box_or(first):
        """The box as it is now: a window caught a moment after the menu
        closed may not be the box that takes the key."""
        now = [w for w in visible_windows() if geometry(w)[2:] != (542, 422)]
        return now[0] if now else first

    def answer_box(self, first, button):
        """Clicks the box's button, as a user would: a key sent to a box
        that has only just opened may reach it before it has the keyboard
        (seen in both forms, pressed over the box or after a click into it)."""
        where = box_buttons(self.app).get(button)
        if where is None:
            press_over(self.box_or(first), "Return" if button == "OK" else button[0].lower())
            return
        xdotool("mousemove", *where)
        time.sleep(0.2)
        xdotool("click", "1")

    @staticmethod
    def windows_left():
        """What is still shown, for the failure message."""
        return [(xdotool("getwindowname", w).strip(), geometry(w)) for w in visible_windows()]

    def test_read_only_file_is_kept_and_reported_once(self):
        original = "[HotKeys]\r\nCount=1\r\nKey0=65\r\nChecked0=1\r\nPath0=a.exe\r\n"
        self.app.write("Hotkeys.ini", original)
        os.chmod(self.app.file("Hotkeys.ini"), stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.app.context_menu_item(2)  # Hide: saves the hotkeys
        box = wait_until(lambda: [w for w in visible_windows() if geometry(w)[2:] != (542, 422)], timeout=10)
        self.assertTrue(box, "the failed save is reported")
        # A key can reach the box before it has the keyboard: press again
        # while it is still there.
        for _ in range(5):
            self.answer_box(box[0], "OK")
            if wait_until(lambda: not visible_windows(), timeout=5):
                break
        self.assertTrue(wait_until(lambda: not visible_windows(), timeout=10), self.windows_left())
        # Shown again and hidden again: no second report.
        self.app.start(" ").wait(timeout=10)
        self.assertIsNotNone(self.app.main_window())
        self.app.context_menu_item(2)
        self.assertTrue(wait_until(lambda: not visible_windows(), timeout=10))
        self.assertIsNone(wait_until(lambda: visible_windows(), timeout=2), "no second report")
        self.app.start(" ").wait(timeout=10)
        # Exit says so again, since the changes would be lost: Continue
        # exits without saving.
        self.app.context_menu_item(0)
        box = wait_until(lambda: [w for w in visible_windows() if geometry(w)[2:] != (542, 422)], timeout=10)
        self.assertTrue(box, "Exit tells the save failed")
        # A key can reach the box before it has the keyboard: press again
        # while it is still there.
        for _ in range(5):
            self.answer_box(box[0], "Continue")
            if self.app.wait_ended(timeout=5):
                break
        self.assertTrue(self.app.wait_ended(), self.windows_left())
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            self.assertEqual(handle.read().decode("latin-1"), original)

    def test_a_folder_in_the_settings_files_place_is_named_with_a_backslashed_path(self):
        os.mkdir(self.app.file("Settings.ini"))
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.app.context_menu_item(0)  # Exit: the settings are saved first
        box = wait_until(lambda: [w for w in visible_windows() if geometry(w)[2:] != (542, 422)], timeout=10)
        self.assertTrue(box, "Exit tells the save failed")
        texts = wait_until(lambda: box_texts(self.app), timeout=5)
        self.assertTrue(texts)
        text = texts[0]
        self.assertIn(self.app.exe_windows_path[: -len("Vantrel.exe")] + "Settings.ini", text)
        self.assertNotIn("/", text, "the path as a user types it")
        self.assertIn("A folder of that name is in the way", text)
        self.assertIn("moving or renaming that folder", text)
        self.assertNotIn("writable", text)
        for _ in range(5):
            self.answer_box(box[0], "Continue")
            if self.app.wait_ended(timeout=5):
                break
        self.assertTrue(self.app.wait_ended(), self.windows_left())
        self.assertTrue(os.path.isdir(self.app.file("Settings.ini")), "the folder is left alone")
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Count"], "20", "the hotkeys are still saved")
