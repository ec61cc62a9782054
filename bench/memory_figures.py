"""Prints what Vantrel holds after start against bare_window.exe (working
set and private bytes, from process_figures.exe), and whether its private
bytes grow over 1,000 on-screen display paints and 100 show/hide cycles of
the main window, driven by hotkeys as a user would. Figures for the notes,
not a test. Needs the environment scripts/bench.sh sets up."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import BUILD, WINE, OtherProgram, Vantrel, hotkeys_file, visible_windows, wait_until, xdotool  # noqa: E402


def anonymous_kib(program):
    """The resident anonymous memory of the Wine process whose command line
    holds every part of program (RssAnon): private bytes as Linux counts
    them, since Wine answers 0 for another process's."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as handle:
                command = handle.read().replace(b"\0", b" ").decode("utf-8", "replace")
            if not all(part in command for part in program) or any(
                helper in command for helper in ("process_figures", "launch.exe")
            ):
                continue
            with open("/proc/%s/status" % pid) as handle:
                for line in handle:
                    if line.startswith("RssAnon:"):
                        return int(line.split()[1])
        except OSError:
            continue
    return 0


def figures(app, window_class, title, program):
    """(working set KiB, private KiB, GDI, USER) of the window's process;
    private bytes from Linux when Wine answers 0."""
    result = subprocess.run(
        [WINE, os.path.join(app.folder, "process_figures.exe"), window_class, title],
        capture_output=True,
        timeout=60,
        check=True,
    )
    working, private, gdi, user = (int(v) for v in result.stdout.split())
    return working, private or anonymous_kib(program), gdi, user


def main():
    app = Vantrel()
    other = None
    bare = None
    try:
        for name in ("bare_window.exe", "process_figures.exe"):
            app.add_helper(name)
        rows = [(40, "VolumeDown"), (38, "VolumeUp"), (83, "Show/Hide Application")]
        app.write("Hotkeys.ini", hotkeys_file([(key, 1, 1, 0, 1, action) for key, action in rows]))
        app.write("Settings.ini", "[General]\r\nLogo=0\r\n")
        app.start(" ")
        assert app.main_window(timeout=30), "Vantrel's window did not show"
        time.sleep(3)
        ours = figures(app, "TForm1", "Vantrel", (os.path.basename(app.folder), "Vantrel.exe"))
        bare = subprocess.Popen(
            [WINE, os.path.join(app.folder, "bare_window.exe")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        assert wait_until(lambda: visible_windows("^Bare$"), timeout=30), "the bare program did not start"
        time.sleep(2)
        base = figures(app, "BareWindow", "Bare", ("bare_window.exe",))
        print("after start (KiB): Vantrel working set %d, private %d; bare working set %d, private %d"
              " (private: resident anonymous memory of the Wine process, Wine answers 0)" % (
            ours[0], ours[1], base[0], base[1]))
        print("GetGuiResources after start: Vantrel GDI %d, USER %d; bare GDI %d, USER %d (Wine answers 0)" % (
            ours[2], ours[3], base[2], base[3]))
        print("memory after start: working set, Vantrel less bare: %.2f MB (target <= 2 MB)" % (
            (ours[0] - base[0]) / 1024))
        print("memory after start: private bytes, Vantrel less bare: %.2f MB (target <= 2 MB)" % (
            (ours[1] - base[1]) / 1024))

        other = OtherProgram()
        other.point()

        def paints(count):
            # VolumeDown and VolumeUp in turn: each paints the bar and text.
            for _ in range(count // 100):
                xdotool("key", "--delay", "15", *(["ctrl+alt+Down", "ctrl+alt+Up"] * 50))

        def show_hide(cycles):
            for _ in range(cycles // 10):
                xdotool("key", "--delay", "60", *(["ctrl+alt+s"] * 20))

        # A first round fills what is made once (fonts, surfaces, caches).
        paints(100)
        show_hide(10)
        time.sleep(2)
        before = figures(app, "TForm1", "Vantrel", (os.path.basename(app.folder), "Vantrel.exe"))
        paints(1000)
        show_hide(100)
        time.sleep(2)
        after = figures(app, "TForm1", "Vantrel", (os.path.basename(app.folder), "Vantrel.exe"))
        print("after 1,000 display paints and 100 show/hide cycles (KiB): private %d -> %d, working set %d -> %d;"
              " GDI %d -> %d, USER %d -> %d" % (before[1], after[1], before[0], after[0], before[2], after[2],
                                               before[3], after[3]))
        print("memory growth: private bytes over 1,000 paints and 100 show/hide cycles: %.2f MB (target <= 0 MB)" % (
            (after[1] - before[1]) / 1024))
        print("memory growth: working set over 1,000 paints and 100 show/hide cycles: %.2f MB (target <= 0 MB)" % (
            (after[0] - before[0]) / 1024))
    finally:
        if bare:
            bare.kill()
            bare.wait()
        if other:
            other.close()
        app.remove()


if __name__ == "__main__":
    if not BUILD:
        sys.exit("set VANTREL_BUILD to the Windows build folder")
    main()
