"""Takes the README's screenshots of the real Vantrel.exe: the main window
with the properties panel filled (on a 96-DPI screen and on a 144-DPI one),
three pages of the Options window, the About window, and the on-screen
display's text and volume bar over a window.
Run through scripts/screenshots.sh, which brings up Wine and the display."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from harness import (  # noqa: E402
    WINE,
    Vantrel,
    geometry,
    log_pixels,
    set_log_pixels,
    visible_windows,
    wait_until,
    xdotool,
)

OUT = sys.argv[1] if len(sys.argv) > 1 else "docs/screenshots"
OPTIONS_SIZE = (492, 273)
ABOUT_SIZE = (300, 200)
# Inside the Options window: two of its tabs and its OK button.
OSD_TAB = (258, 36)
GENERAL_TAB = (439, 36)
OPTIONS_OK = (440, 252)

ROWS = [
    # key code, Alt, Ctrl, Shift, icon, action
    (69, 1, 1, 0, 51, "C:\\"),
    (78, 1, 1, 0, 11, "notepad.exe"),
    (87, 1, 1, 0, 2, "http://www.example.org"),
    (40, 1, 1, 0, 29, "VolumeDown"),
    (38, 1, 1, 0, 28, "VolumeUp"),
    (77, 1, 1, 0, 30, "VolumeMute"),
    (72, 1, 1, 1, 34, "ShowHideApplication"),
]


def hotkeys_file(rows=ROWS):
    text = "[HotKeys]\r\nCount=%d\r\n" % len(rows)
    for n, (key, alt, ctrl, shift, icon, action) in enumerate(rows):
        text += "Key{n}={k}\r\nChecked{n}=1\r\nImage{n}={i}\r\nPath{n}={a}\r\nAlt{n}={alt}\r\nCtrl{n}={c}\r\nShift{n}={s}\r\n".format(
            n=n, k=key, i=icon, a=action, alt=alt, c=ctrl, s=shift
        )
    return text


def shoot(name, box=None):
    """Saves the screen, or the part (x, y, width, height) of it, as PNG."""
    path = os.path.join(OUT, name)
    command = ["import", "-window", "root"]
    if box:
        x, y, width, height = box
        command += ["-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage"]
    subprocess.run(command + [path], check=True)
    print("wrote", path)


def window_of_size(size, title=".*"):
    return wait_until(lambda: next((w for w in visible_windows(title) if geometry(w)[2:] == size), None), timeout=10)


def main_window_and_dialogs():
    app = Vantrel()
    try:
        app.write("Hotkeys.ini", hotkeys_file())
        app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")
        app.start()
        main = app.main_window()
        if not main:
            raise SystemExit("the main window did not show")
        x, y, width, height = geometry(main)
        # The second row selected fills the properties panel.
        xdotool("mousemove", x + 120, y + 90, "click", "1")
        time.sleep(0.8)
        xdotool("mousemove", x + width - 20, y + 12)
        time.sleep(0.3)
        shoot("main-window.png", (x, y, width, height))

        app.context_menu_item(4)  # Options, above What's new
        options = window_of_size(OPTIONS_SIZE, "^Options$")
        if options:
            ox, oy, ow, oh = geometry(options)
            time.sleep(0.5)
            shoot("options-main-window.png", (ox, oy, ow, oh))
            for name, (tx, ty) in (("osd", OSD_TAB), ("general", GENERAL_TAB)):
                xdotool("mousemove", ox + tx, oy + ty, "click", "1")
                time.sleep(0.6)
                shoot("options-%s.png" % name, (ox, oy, ow, oh))
            xdotool("mousemove", ox + OPTIONS_OK[0], oy + OPTIONS_OK[1], "click", "1")
            wait_until(lambda: not visible_windows("^Options$"), timeout=5)
            time.sleep(0.3)
        else:
            print("the Options window did not show; no Options pictures")

        app.context_menu_item(5)  # About
        about = window_of_size(ABOUT_SIZE)
        if about:
            time.sleep(0.5)
            shoot("about.png", geometry(about))
        else:
            print("the About window did not show; no About picture")
        app.exit()
    finally:
        app.remove()


def display_over_a_window():
    app = Vantrel()
    white = None
    try:
        app.add_helper("white_window.exe")
        white = subprocess.Popen(
            [WINE, os.path.join(app.folder, "white_window.exe")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        wait_until(lambda: visible_windows("^White$"), timeout=20)
        # A program that ends at once: the display shows what was started
        # without a window coming over it.
        helper = app.add_helper("record_run.exe")
        app.write("Hotkeys.ini", hotkeys_file(ROWS + [(75, 1, 1, 0, 11, helper)]))
        app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")
        app.start(" hide")
        time.sleep(2)
        # Hotkeys reach Wine only while one of its windows has the keyboard.
        xdotool("mousemove", 900, 100, "click", "1")
        time.sleep(0.3)
        xdotool("key", "ctrl+alt+k")
        time.sleep(0.7)
        shoot("display-text.png")
        time.sleep(3)
        xdotool("mousemove", 900, 100, "click", "1")
        time.sleep(0.3)
        xdotool("key", "ctrl+alt+Down")
        time.sleep(0.7)
        shoot("display-volume.png")
    finally:
        app.remove()
        if white:
            white.kill()
            white.wait()


def main_window_at_144_dpi():
    """The main window as a 144-DPI screen shows it: Wine takes the DPI from
    the registry when the program starts."""
    saved = log_pixels()
    set_log_pixels(144)
    app = Vantrel()
    try:
        app.write("Hotkeys.ini", hotkeys_file())
        app.write("Settings.ini", "[Tray]\r\nVisible=0\r\n[General]\r\nLogo=0\r\n")
        app.start()
        main = window_of_size((813, 633), "^Vantrel$")
        if not main:
            raise SystemExit("the main window did not show at 144 DPI")
        x, y, width, height = geometry(main)
        xdotool("mousemove", x + 180, y + 135, "click", "1")
        time.sleep(0.8)
        xdotool("mousemove", x + width - 30, y + 18)
        time.sleep(0.3)
        shoot("main-window-144dpi.png", (x, y, width, height))
    finally:
        app.remove()
        set_log_pixels(saved)


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    main_window_and_dialogs()
    display_over_a_window()
    main_window_at_144_dpi()
