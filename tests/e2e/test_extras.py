"""The Windows key as a modifier, a launch's arguments and start-in folder,
and the balloon that names the rows another program's keys kept from
registering at start."""

import os
import subprocess
import time

from harness import (
    BUILD,
    WINE,
    OtherProgram,
    VantrelTest,
    helper_runs,
    read_ini,
    wait_until,
)
from test_editor import ALT, APPLY, EditorTest, row_point

# The new controls of the properties panel, in the window's client area
# (the panel sits at 2, 272).
WIN = (132, 290)
ARGUMENTS = (245, 375)


def hotkeys_file(rows):
    """rows: dicts of the row's values by key name (without the number)."""
    text = "[HotKeys]\r\nCount=%d\r\n" % len(rows)
    for n, row in enumerate(rows):
        for key, value in row.items():
            text += "%s%d=%s\r\n" % (key, n, value)
    return text


def row(key, action, alt=0, ctrl=0, shift=0, **more):
    values = {"Key": key, "Checked": 1, "Image": 34, "Path": action, "Alt": alt, "Ctrl": ctrl, "Shift": shift}
    values.update(more)
    return values


def windows_arguments(command_line):
    """The arguments after the program's name, split as the C runtime splits
    a command line (quotes group, and are dropped; no backslash rules are
    needed for these texts)."""
    words, word, quoted, in_word = [], "", False, False
    for c in command_line:
        if c == '"':
            quoted = not quoted
            in_word = True
        elif c in " \t" and not quoted:
            if in_word:
                words.append(word)
            word, in_word = "", False
        else:
            word += c
            in_word = True
    if in_word:
        words.append(word)
    return words[1:]


class WindowsKey(VantrelTest):
    def setUp(self):
        super().setUp()
        self.other = OtherProgram()
        self.addCleanup(self.other.close)
        self.helper = self.app.add_helper("record_run.exe")

    def test_win_k_runs_its_action_and_k_alone_does_not(self):
        # A bare-K row would take plain K from every program: there is none,
        # so K alone must reach Notepad and run nothing.
        original = hotkeys_file([row(75, self.helper, Win=1), row(76, "Z:\\nothing.exe", alt=1, ctrl=1)])
        self.app.write("Hotkeys.ini", original)
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.other.press("super+k")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 1, timeout=10), "Win+K ran the action")
        self.other.press("k")
        self.other.press("ctrl+alt+k")
        self.other.press("super+alt+k")
        self.other.press("super+k")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 2, timeout=10), "Win+K ran it again")
        time.sleep(2)
        self.assertEqual(helper_runs(self.app), 2, "K alone and other modifiers ran nothing")
        self.assertTrue(self.app.exit())
        with open(self.app.file("Hotkeys.ini"), "rb") as handle:
            self.assertEqual(handle.read().decode("latin-1"), original, "saved back unchanged")


class Launch(VantrelTest):
    def setUp(self):
        super().setUp()
        self.other = OtherProgram()
        self.addCleanup(self.other.close)
        self.helper = self.app.add_helper("record_run.exe")

    def runs(self):
        """(arguments, folder) of every run of the helper, in order."""
        try:
            with open(self.app.file("record_run.exe.run.log"), encoding="utf-8") as handle:
                lines = handle.read().splitlines()
        except FileNotFoundError:
            return []
        values = [line.partition("\t")[2] for line in lines]
        return [(windows_arguments(values[i]), values[i + 1]) for i in range(0, len(values) - 1, 2)]

    def test_arguments_and_folder_reach_the_program_with_the_environment_expanded(self):
        folder = os.path.join(self.app.folder, "start here")
        os.mkdir(folder)
        windows_folder = "Z:" + folder.replace("/", "\\")
        # Wine hands the Unix environment to its programs.
        os.environ["VANTREL_E2E_FOLDER"] = windows_folder
        os.environ["VANTREL_E2E_WORD"] = "four five"
        self.addCleanup(os.environ.pop, "VANTREL_E2E_FOLDER")
        self.addCleanup(os.environ.pop, "VANTREL_E2E_WORD")
        self.app.write(
            "Hotkeys.ini",
            hotkeys_file(
                [
                    row(75, self.helper, alt=1, ctrl=1, Args='one "two three"', StartIn=windows_folder),
                    row(74, self.helper, alt=1, ctrl=1, Args='"%VANTREL_E2E_WORD%" six',
                        StartIn="%VANTREL_E2E_FOLDER%\\"),
                    row(76, self.helper, alt=1, ctrl=1),
                ]
            ),
        )
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        self.other.press("ctrl+alt+k")
        self.assertTrue(wait_until(lambda: len(self.runs()) == 1, timeout=10), "the helper ran")
        self.other.press("ctrl+alt+j")
        self.assertTrue(wait_until(lambda: len(self.runs()) == 2, timeout=10), "the helper ran again")
        self.other.press("ctrl+alt+l")
        self.assertTrue(wait_until(lambda: len(self.runs()) == 3, timeout=10), "and a third time")
        runs = self.runs()
        self.assertEqual(runs[0], (["one", "two three"], windows_folder))
        self.assertEqual(runs[1][0], ["four five", "six"])
        self.assertEqual(runs[1][1].rstrip("\\"), windows_folder)
        self.assertEqual(runs[2][0], [], "a row without arguments passes none")
        self.assertNotEqual(runs[2][1].rstrip("\\"), windows_folder)

        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual(values["Args0"], 'one "two three"')
        self.assertEqual(values["StartIn1"], "%VANTREL_E2E_FOLDER%\\")
        self.assertNotIn("Args2", values)
        self.assertNotIn("StartIn2", values)


class Editor(EditorTest):
    def hotkey_rows(self):
        self.helper = self.app.add_helper("record_run.exe")
        return [(75, 1, 0, 0, 1, self.helper), (66, 0, 1, 1, 1, "b.exe")]

    def test_the_win_box_and_arguments_apply_and_act(self):
        self.click(row_point(0))
        self.click(ALT)
        self.click(WIN)
        self.click(ARGUMENTS)
        # Plain letters: xdotool's typing of quote marks does not reach
        # Wine's edit boxes reliably; the file test covers quotes.
        self.type_text("alpha beta")
        self.click(APPLY)
        panel = self.panel()
        self.assertEqual((panel["alt"][2], panel["win"][2]), (0, 1))
        self.assertEqual(panel["arguments"][3], "alpha beta")
        self.assertFalse(panel["apply"][0], "applied")

        # Notepad comes up over the window only now, when the clicks are
        # done.
        other = OtherProgram()
        self.addCleanup(other.close)
        other.press("alt+k")
        other.press("super+k")
        self.assertTrue(wait_until(lambda: helper_runs(self.app) == 1, timeout=10), "Win+K ran the action")
        time.sleep(1)
        self.assertEqual(helper_runs(self.app), 1, "Alt+K, released, ran nothing")
        with open(self.app.file("record_run.exe.run.log"), encoding="utf-8") as handle:
            command = handle.read().splitlines()[0].partition("\t")[2]
        self.assertEqual(windows_arguments(command), ["alpha", "beta"])

        other.close()  # off the window, whose menu Exit is chosen from
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Alt0"], values["Win0"], values["Args0"]), ("0", "1", "alpha beta"))
        self.assertNotIn("Win1", values)


def balloons():
    """The texts of the notification balloons on the screen."""
    out = subprocess.run(
        [WINE, os.path.join(BUILD, "window_texts.exe"), "balloons"], capture_output=True, text=True
    ).stdout
    return [line for line in out.splitlines() if line]


class StartupConflicts(VantrelTest):
    def hold(self, modifiers, key):
        holder = subprocess.Popen(
            [WINE, os.path.join(BUILD, "hold_hotkey.exe"), str(modifiers), str(key)],
            stdout=subprocess.PIPE,
            text=True,
        )
        self.addCleanup(holder.wait)
        self.addCleanup(holder.kill)
        self.assertEqual(holder.stdout.readline().strip(), "held")

    def test_the_balloon_names_each_row_another_program_holds(self):
        self.hold(3, 69)  # Alt+Ctrl+E
        self.hold(8 + 4, 87)  # Win+Shift+W
        self.app.write(
            "Hotkeys.ini",
            hotkeys_file(
                [
                    row(69, "C:\\", alt=1, ctrl=1),
                    row(78, "notepad.exe", alt=1, ctrl=1),
                    row(87, "write.exe", shift=1, Win=1),
                ]
            ),
        )
        self.app.start()
        self.assertIsNotNone(self.app.main_window())
        shown = wait_until(lambda: [b for b in balloons() if "another program" in b], timeout=15)
        self.assertEqual(
            shown,
            ["Alt+Ctrl+E (C:\\) is used by another program\\nWin+Shift+W (write.exe) is used by another program"],
        )
        self.assertTrue(self.app.exit())
        values = read_ini(self.app.file("Hotkeys.ini"))
        self.assertEqual((values["Checked0"], values["Checked1"], values["Checked2"]), ("0", "1", "0"))

    def test_no_balloon_when_every_row_registers(self):
        self.app.write("Hotkeys.ini", hotkeys_file([row(69, "C:\\", alt=1, ctrl=1)]))
        self.app.start()
        # The window shows at the end of the start-up pass, after the
        # balloon would have been asked for.
        self.assertIsNotNone(self.app.main_window())
        time.sleep(2)
        self.assertEqual(balloons(), [])
        self.assertTrue(self.app.exit())
        self.assertEqual(read_ini(self.app.file("Hotkeys.ini"))["Checked0"], "1")
