"""Prints the median time from a hotkey press to its action, for Vantrel
and for bare_window.exe doing the same with nothing else around it, in one
run and alternating presses: a launch through the shell (the helper's own
record of its start) and a built-in volume key's bar (the window's text
changing, seen by window_watch.exe). Figures for the notes, not a test.
Needs the environment scripts/bench.sh sets up."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import (  # noqa: E402
    BUILD,
    WINE,
    OtherProgram,
    Vantrel,
    helper_runs,
    hotkeys_file,
    visible_windows,
    wait_until,
    xdotool,
)

RUNS = 9


def last_start(app):
    with open(app.file("record_run.exe.log")) as handle:
        return float(handle.read().split()[-1])


def watch_lines(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as handle:
            return [line.split(" ", 1) for line in handle.read().splitlines() if line]
    except FileNotFoundError:
        return []


def press_until_changed(keys, log):
    """Presses keys; returns the seconds until the watched window's text changed."""
    before = len(watch_lines(log))
    pressed = time.time()
    xdotool("key", keys)
    assert wait_until(lambda: len(watch_lines(log)) > before, timeout=20, interval=0.01), keys + " showed nothing"
    return float(watch_lines(log)[before][0]) - pressed


def background(app, name, *args):
    return subprocess.Popen(
        [WINE, os.path.join(app.folder, name), *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
    )


def report(name, ours, bare, target):
    ours_ms = statistics.median(ours) * 1000
    bare_ms = statistics.median(bare) * 1000
    print("  Vantrel: " + " ".join("%.0f" % (t * 1000) for t in ours) + " ms")
    print("  bare:    " + " ".join("%.0f" % (t * 1000) for t in bare) + " ms")
    print("%s, median %.1f ms against %.1f ms: %.2fx (target <= %.2fx)" % (name, ours_ms, bare_ms, ours_ms / bare_ms, target))


def main():
    app = Vantrel()
    other = OtherProgram()
    started = []
    try:
        helper = app.add_helper("record_run.exe")
        for name in ("bare_window.exe", "window_watch.exe"):
            app.add_helper(name)
        # Ctrl+Alt+K starts the helper, Ctrl+Alt+Down is VolumeDown; the
        # bare program answers Ctrl+Alt+J and Ctrl+Alt+H.
        rows = [(75, helper), (40, "VolumeDown")]
        app.write("Hotkeys.ini", hotkeys_file([(key, 1, 1, 0, 1, action) for key, action in rows]))
        app.write("Settings.ini", "[General]\r\nLogo=0\r\n")
        app.start(" hide")
        started.append(background(app, "bare_window.exe", "--launch", helper))
        started.append(background(app, "bare_window.exe", "--bar"))
        ours_log, bare_log = app.file("osd.log"), app.file("bar.log")
        started.append(background(app, "window_watch.exe", "VantrelOnScreenDisplay", "Z:" + ours_log.replace("/", "\\")))
        started.append(background(app, "window_watch.exe", "BareBar", "Z:" + bare_log.replace("/", "\\")))
        assert wait_until(lambda: len(visible_windows("^Bare$")) == 2, timeout=30), "the bare programs did not start"
        time.sleep(3)
        launched, launched_bare, bar, bar_bare = [], [], [], []
        for n in range(RUNS):
            for keys, times in (("ctrl+alt+k", launched), ("ctrl+alt+j", launched_bare)):
                other.point()
                runs = helper_runs(app)
                pressed = time.time()
                xdotool("key", keys)
                assert wait_until(lambda: helper_runs(app) == runs + 1, timeout=20, interval=0.01), keys + " ran nothing"
                times.append(last_start(app) - pressed)
            for keys, log, times in (("ctrl+alt+Down", ours_log, bar), ("ctrl+alt+h", bare_log, bar_bare)):
                other.point()
                times.append(press_until_changed(keys, log))
        report("press to action: launch through the shell", launched, launched_bare, 1.05)
        report("press to action: VolumeDown to bar painted", bar, bar_bare, 1.05)
    finally:
        for process in started:
            process.kill()
            process.wait()
        other.close()
        app.remove()


if __name__ == "__main__":
    if not BUILD:
        sys.exit("set VANTREL_BUILD to the Windows build folder")
    main()
