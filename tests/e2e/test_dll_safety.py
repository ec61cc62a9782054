"""DLLs planted beside the program under the names of system DLLs that are
not among the system's known DLLs are never loaded, with Wine told to
prefer a DLL found beside the program, the order Windows uses for them."""

import os
import shutil

from harness import BUILD, OtherProgram, VantrelTest, display_window, hotkeys_file, wait_until

PLANTED = ("winmm.dll", "msimg32.dll")


class PlantedDlls(VantrelTest):
    def setUp(self):
        super().setUp()
        # Notepad, to have the keyboard for the hotkey, with Wine's usual order.
        self.other = OtherProgram()
        self.addCleanup(self.other.close)
        for name in PLANTED:
            shutil.copy(os.path.join(BUILD, "planted", name), self.app.folder)
        before = os.environ.get("WINEDLLOVERRIDES")
        os.environ["WINEDLLOVERRIDES"] = "winmm,msimg32=n,b"
        if before is None:
            self.addCleanup(os.environ.pop, "WINEDLLOVERRIDES")
        else:
            self.addCleanup(os.environ.__setitem__, "WINEDLLOVERRIDES", before)

    def loaded(self):
        return [name for name in PLANTED if os.path.exists(self.app.file(name + ".loaded"))]

    def test_the_program_starts_draws_and_changes_the_volume_without_them(self):
        self.app.write("Hotkeys.ini", hotkeys_file([(85, 1, 1, 0, 1, "VolumeUp")]))
        self.app.start()
        window = self.app.main_window()
        self.assertEqual(self.loaded(), [], "a planted DLL was loaded")
        self.assertTrue(window, "the program starts and shows its window")
        self.other.press("ctrl+alt+u")
        self.assertTrue(
            wait_until(lambda: (display_window(self.app) or (0, 0, ""))[2].startswith("Volume "), timeout=10),
            "the volume hotkey works",
        )
        self.assertEqual(self.loaded(), [], "a planted DLL was loaded")
        self.assertTrue(self.app.exit())
        self.assertEqual(self.loaded(), [])
