"""Prints the median time from a hotkey press to the launched helper having
started, against starting the same helper directly under Wine. Figures for
the notes, not a test. Needs the environment scripts/bench.sh sets up."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import BUILD, WINE, OtherProgram, Vantrel, helper_runs, wait_until, xdotool  # noqa: E402

RUNS = 9


def last_start(app):
    with open(app.file("record_run.exe.log")) as handle:
        return float(handle.read().split()[-1])


def main():
    app = Vantrel()
    other = OtherProgram()
    try:
        helper = app.add_helper("record_run.exe")
        app.write(
            "Hotkeys.ini",
            "[HotKeys]\r\nCount=1\r\nKey0=75\r\nAlt0=1\r\nCtrl0=1\r\nShift0=0\r\nChecked0=1\r\nPath0=%s\r\n" % helper,
        )
        app.start(" hide")
        time.sleep(3)
        by_hotkey = []
        direct = []
        for n in range(RUNS):
            other.point()
            pressed = time.time()
            xdotool("key", "ctrl+alt+k")
            assert wait_until(lambda: helper_runs(app) == 2 * n + 1, timeout=20), "hotkey did not run the helper"
            by_hotkey.append(last_start(app) - pressed)
            started = time.time()
            subprocess.run([WINE, os.path.join(app.folder, "record_run.exe")], check=True)
            assert helper_runs(app) == 2 * n + 2
            direct.append(last_start(app) - started)
        hotkey_ms = statistics.median(by_hotkey) * 1000
        direct_ms = statistics.median(direct) * 1000
        print("hotkey press to helper start: " + " ".join("%.0f" % (t * 1000) for t in by_hotkey) + " ms")
        print("wine record_run.exe directly: " + " ".join("%.0f" % (t * 1000) for t in direct) + " ms")
        print("median %.0f ms by hotkey, %.0f ms directly, ratio %.2f" % (hotkey_ms, direct_ms, hotkey_ms / direct_ms))
    finally:
        other.close()
        app.remove()


if __name__ == "__main__":
    if not BUILD:
        sys.exit("set VANTREL_BUILD to the Windows build folder")
    main()
