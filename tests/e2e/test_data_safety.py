"""The user's hotkeys survive what careless or unlucky users do: a kill in
the middle of a save, files saved by Notepad in other forms, a file that
cannot be written when the program exits."""

import os
import stat
import subprocess
import time

from harness import (
    WINE,
    VantrelTest,
    list_rows,
    geometry,
    press_over,
    visible_windows,
    wait_until,
)

MAIN_SIZE = (542, 422)


def message_box(timeout=10):
    """A visible window that is not the main window."""
    found = wait_until(lambda: [w for w in visible_windows() if geometry(w)[2:] != MAIN_SIZE], timeout=timeout)
    return found[0] if found else None


THREE_ROWS = (
    "[HotKeys]\r\nCount=3\r\n"
    "Key0=65\r\nChecked0=0\r\nImage0=4\r\nPath0=C:\\caf\u00e9\\a.exe\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\n"
    "Key1=66\r\nChecked1=0\r\nImage1=5\r\nPath1=b.exe\r\nAlt1=0\r\nCtrl1=1\r\nShift1=1\r\n"
    "Key2=67\r\nChecked2=0\r\nImage2=6\r\nPath2=\u65e5\u672c.exe\r\nAlt2=1\r\nCtrl2=0\r\nShift2=1\r\n"
)


class NotepadForms(VantrelTest):
    """Files Notepad saves as "Unicode" or with old Mac line ends are read as
    the system reads them, and stay in their form after a save."""

    def start_and_exit(self, data):
        with open(self.app.file("Hotkeys.ini"), "wb") as handle:
            handle.write(data)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        rows = list_rows(self.app)
        self.assertTrue(self.app.exit())
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            return rows, handle.read()

    def test_unicode_file(self):
        original = b"\xff\xfe" + THREE_ROWS.encode("utf-16-le")
        rows, saved = self.start_and_exit(original)
        self.assertEqual([r[1:3] for r in rows], [["A", "C:\\caf\u00e9\\a.exe"], ["B", "b.exe"], ["C", "\u65e5\u672c.exe"]])
        self.assertEqual([r[0] for r in rows], ["Alt+Ctrl+", "Ctrl+Shift+", "Alt+Shift+"])
        self.assertEqual(saved, original, "a save of unchanged rows leaves the Unicode file as it was")

    def test_cr_only_file(self):
        original = THREE_ROWS.replace("\u65e5\u672c", "x").replace("\r\n", "\r").encode("cp1252")
        rows, saved = self.start_and_exit(original)
        self.assertEqual([r[1:3] for r in rows], [["A", "C:\\caf\u00e9\\a.exe"], ["B", "b.exe"], ["C", "x.exe"]])
        self.assertEqual(saved, original, "the file keeps its CR line ends and its ANSI bytes")


class ExitWithAReadOnlyFile(VantrelTest):
    def test_try_again_after_making_the_file_writable_saves(self):
        path = self.app.file("Hotkeys.ini")
        with open(path, "wb") as handle:
            handle.write(b"[HotKeys]\r\nCount=1\r\nKey0=65\r\nPath0=a.exe\r\n")
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.app.context_menu_item(0)  # Exit
        box = message_box()
        self.assertIsNotNone(box, "Exit tells the save failed and asks what to do")
        # Try Again while still read-only: asked again.
        press_over(box, "t")
        time.sleep(1)
        box = message_box()
        self.assertIsNotNone(box, "still read-only: asked again")
        self.assertTrue(self.app.running(), "the program waits for the answer")
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)
        press_over(box, "t")
        self.assertTrue(self.app.wait_ended(), "the save went through and the program ended")
        with open(path, "rb") as handle:
            saved = handle.read()
        self.assertIn(b"Checked0=0\r\n", saved)
        self.assertIn(b"Shift0=0\r\n", saved)

    def test_cancel_keeps_the_program_running(self):
        path = self.app.file("Hotkeys.ini")
        with open(path, "wb") as handle:
            handle.write(b"[HotKeys]\r\nCount=1\r\nKey0=65\r\nPath0=a.exe\r\n")
        os.chmod(path, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.app.context_menu_item(0)
        box = message_box()
        self.assertIsNotNone(box)
        press_over(box, "Escape")
        self.assertIsNotNone(self.app.main_window(), "the window comes back")
        self.assertTrue(self.app.running())
        os.chmod(path, stat.S_IRUSR | stat.S_IWUSR)
        self.assertTrue(self.app.exit(), "a later Exit saves and ends")
        with open(path, "rb") as handle:
            self.assertIn(b"Checked0=0\r\n", handle.read())


class KillDuringSave(VantrelTest):
    def test_no_kill_loses_the_users_hotkeys(self):
        kills = int(os.environ.get("VANTREL_KILLS", "200"))
        helper = self.app.add_helper("kill_during_save.exe")
        result = subprocess.run(
            [WINE, helper, self.app.exe_windows_path, str(kills)], capture_output=True, text=True, timeout=1500
        )
        print(result.stdout.strip())
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertIn("files lost: 0", result.stdout)
