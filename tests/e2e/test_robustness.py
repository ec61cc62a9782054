"""Files a careless user, a damaged disk or another program leaves behind,
and a burst of starts: the program starts, shows what it can and never
writes a damaged file."""

import os
import random
import subprocess
import time

from harness import (
    BUILD,
    WINE,
    VantrelTest,
    geometry,
    list_rows,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)

MAIN_SIZE = (542, 422)
ROW = "Key{n}=65\r\nChecked{n}=0\r\nImage{n}=3\r\nPath{n}={p}\r\nAlt{n}=2\r\nCtrl{n}=1\r\nShift{n}=0\r\n"


def garbage(size, seed):
    generator = random.Random(seed)
    return bytes(generator.randrange(256) for _ in range(size))


class MalformedFiles(VantrelTest):
    def start_exit_and_restart(self, data):
        """Starts on the file, exits (which saves), starts again: the rows
        shown before and after the save, and the saved bytes."""
        with open(self.app.file("Hotkeys.ini"), "wb") as handle:
            handle.write(data)
        self.app.start()
        self.assertIsNotNone(self.app.main_window(timeout=60), "the program starts")
        before = list_rows(self.app)
        self.assertTrue(self.app.exit(timeout=60))
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            saved = handle.read()
        self.app.start()
        self.assertIsNotNone(self.app.main_window(timeout=60))
        after = list_rows(self.app)
        self.assertTrue(self.app.exit(timeout=60))
        self.assertFalse(os.path.exists(self.app.file("Hotkeys.ini.saving")))
        return before, after, saved

    def test_each_kind_of_damage(self):
        long_value = "C:\\" + "x" * 10000
        cases = [
            ("empty", b"", 20),
            ("binary garbage", garbage(4096, 7), 20),
            ("garbage around a good section", garbage(2000, 3) + b"\r\n[HotKeys]\r\nCount=1\r\n"
             + ROW.format(n=0, p="a.exe").encode() + garbage(2000, 9), 1),
            ("NUL mid-line", b"[HotKeys]\r\nCount=1\r\nKey0=66\x0067\r\nPath0=a\x00b.exe\r\n", 1),
            ("Count of -1", b"[HotKeys]\r\nCount=-1\r\n", 0),
            ("10,000-character value", ("[HotKeys]\r\nCount=1\r\n" + ROW.format(n=0, p=long_value)).encode(), 1),
        ]
        for label, data, rows in cases:
            with self.subTest(label):
                shown, reloaded, saved = self.start_exit_and_restart(data)
                self.assertEqual(len(shown), rows)
                if rows:
                    self.assertEqual(reloaded, shown, "the saved file loads the same rows")
                else:
                    # An empty list is stored as "no hotkeys": the defaults come next time.
                    self.assertIn(b"Count=0\r\n", saved)
                    self.assertEqual(len(reloaded), 20)
                if label == "NUL mid-line":
                    self.assertEqual(shown[0][1:3], ["B", "a"], "a NUL ends the value, as the system reads it")
                if label == "10,000-character value":
                    self.assertEqual(len(shown[0][2]), 2047, "read as the system reads it")
                os.remove(self.app.file("Hotkeys.ini"))

    def test_fifty_megabytes(self):
        with open(self.app.file("Hotkeys.ini"), "wb") as handle:
            comment = b"; " + b"z" * 1021 + b"\r\n"
            for _ in range(50 * 1024):
                handle.write(comment)
            handle.write(("[HotKeys]\r\nCount=2\r\n" + ROW.format(n=0, p="a.exe") + ROW.format(n=1, p="b.exe")).encode())
        self.app.start()
        self.assertIsNotNone(self.app.main_window(timeout=120), "the program starts")
        self.assertEqual([r[2] for r in list_rows(self.app)], ["a.exe", "b.exe"])
        self.assertTrue(self.app.exit(timeout=120))
        self.assertGreater(os.path.getsize(self.app.file("Hotkeys.ini")), 50 * 1024 * 1024)
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Alt1"], "1")


class LockedFile(VantrelTest):
    """Virus scanners and indexers hold files for a moment: a save waits
    for a short lock and tells only of a long one."""

    def hide_while_locked(self, milliseconds):
        path = self.app.file("Hotkeys.ini")
        with open(path, "wb") as handle:
            handle.write(("[HotKeys]\r\nCount=1\r\n" + ROW.format(n=0, p="a.exe")).encode())
        self.app.start()
        window = self.app.main_window()
        self.assertIsNotNone(window)
        holder = subprocess.Popen(
            [WINE, os.path.join(BUILD, "hold_file.exe"), "Z:" + path.replace("/", "\\"), str(milliseconds)],
            stdout=subprocess.PIPE,
            text=True,
        )
        self.addCleanup(holder.wait)
        self.assertEqual(holder.stdout.readline().strip(), "held")
        x, y, _, _ = geometry(window)
        xdotool("mousemove", x + 528, y + 13, "click", "1")  # "X": hide and save
        return holder, path

    def test_a_short_lock_is_waited_out(self):
        holder, path = self.hide_while_locked(400)
        self.assertTrue(wait_until(lambda: read_ini(path).get("Alt0") == "1", timeout=10), "the save went through")
        self.assertEqual(visible_windows(), [], "nothing to tell")

    def test_a_long_lock_is_told(self):
        holder, path = self.hide_while_locked(4000)
        box = wait_until(lambda: [w for w in visible_windows() if geometry(w)[2:] != MAIN_SIZE], timeout=10)
        self.assertTrue(box, "the failed save is told")
        self.assertEqual(read_ini(path)["Alt0"], "2", "the file is as it was")


class Stampede(VantrelTest):
    def test_ten_starts_at_once_leave_one_program(self):
        for _ in range(10):
            self.app.start()
        self.assertIsNotNone(self.app.main_window(timeout=30))
        self.assertTrue(wait_until(lambda: sum(p.poll() is not None for p in self.app.processes) == 9, timeout=30))
        self.assertTrue(self.app.running(), "the first one runs on")
        # The start-up hides and shows the window once more: wait it out.
        one = wait_until(lambda: len([w for w in visible_windows() if geometry(w)[2:] == MAIN_SIZE]) == 1, timeout=10)
        self.assertTrue(one, [geometry(w) for w in visible_windows()])
        self.assertEqual(sorted(os.listdir(self.app.folder)), ["Vantrel.exe"], "no other start wrote a file")
        self.assertTrue(self.app.exit())
