"""Drives the real Vantrel.exe under Wine and Xvfb the way a user would:
starts it with a given command line, finds its windows on the X display,
clicks, types, and reads the files it leaves beside itself."""

import os
import shutil
import signal
import socket
import subprocess
import tempfile
import time
import unittest


def _environment():
    """The build folder and the Wine command, from the environment the test
    command sets up. What is missing stops every module with an error
    instead of a skip: a module whose tests all skip would pass."""
    build = os.environ.get("VANTREL_BUILD", "")
    problems = []
    if not build:
        problems.append("VANTREL_BUILD is not set (the folder of the cross-built Vantrel.exe)")
    elif not os.path.isfile(os.path.join(build, "Vantrel.exe")):
        problems.append("VANTREL_BUILD=%s holds no Vantrel.exe" % build)
    for name in ("DISPLAY", "WINEPREFIX"):
        if not os.environ.get(name):
            problems.append(name + " is not set")
    if problems:
        raise RuntimeError(
            "the end-to-end tests need the display, sound server and Wine prefix that "
            "scripts/test.sh brings up (scripts/test.sh -L e2e runs them): " + "; ".join(problems)
        )
    return build, os.environ.get("WINE", "wine")


BUILD, WINE = _environment()

MAIN_TITLE = "^Vantrel$"
MAIN_SIZE = (542, 422)


def wait_until(predicate, timeout=15.0, interval=0.1):
    """The predicate's first true value, or None when the time runs out."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(interval)


def _prefix_processes(matches):
    """Ids of the processes of this Wine prefix whose command line (in lower
    case) satisfies the predicate."""
    prefix = ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode()
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as handle:
                if prefix not in handle.read().split(b"\0"):
                    continue
            with open("/proc/%s/cmdline" % pid, "rb") as handle:
                command = handle.read().replace(b"\0", b" ").decode("utf-8", "replace").lower()
        except OSError:
            continue
        if int(pid) != os.getpid() and matches(command):
            found.append(int(pid))
    return found


def _end(pids):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    wait_until(lambda: not any(os.path.exists("/proc/%d" % pid) for pid in pids), timeout=10)


def _fresh_start():
    """Gives each module the screen a first module gets. Programs an earlier
    module left running (CTest stops a module at its timeout, before its
    clean-ups) are ended. The desktop process lives for the whole run and
    keeps the notification icons of programs that were killed, with the
    "Wine System Tray" window showing them; it drops such an icon when the
    pointer passes over it, so the pointer sweeps the tray window."""
    folders = [BUILD, os.path.join(tempfile.gettempdir(), "vantrel-")]
    marks = [f.lower() for f in folders] + ["z:" + f.replace("/", "\\").lower() for f in folders] + ["notepad.exe"]
    _end(_prefix_processes(lambda command: any(mark in command for mark in marks)))
    for window in visible_windows("^Wine System Tray$"):
        x, y, width, height = geometry(window)
        for left in range(x + 2, x + width - 2, 6):
            xdotool("mousemove", left, y + height - 8)
            time.sleep(0.02)
    xdotool("mousemove", 1000, 700)
    if not wait_until(lambda: not visible_windows("^Wine System Tray$"), timeout=10):
        raise RuntimeError("the notification area keeps icons of programs that have ended")


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    return result.stdout.strip()


def visible_windows(title=MAIN_TITLE):
    out = xdotool("search", "--onlyvisible", "--name", title)
    return [int(w) for w in out.split()] if out else []


def geometry(window):
    """(x, y, width, height) of an X window."""
    values = {}
    for line in xdotool("getwindowgeometry", "--shell", window).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value)
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


_fresh_start()


class Screenshot:
    """The whole X screen as RGB pixels."""

    def __init__(self):
        self.data = subprocess.run(
            ["/usr/bin/import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True, check=True
        ).stdout
        self.width, self.height = 1024, 768
        assert len(self.data) == self.width * self.height * 3, "unexpected screen size"

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i : i + 3])

    def points(self, predicate):
        """(x, y) of every pixel whose colour satisfies the predicate."""
        found = []
        d = self.data
        for i in range(0, len(d), 3):
            if predicate((d[i], d[i + 1], d[i + 2])):
                n = i // 3
                found.append((n % self.width, n // self.width))
        return found


def press_over(window, key):
    """Presses a key with the pointer over the window: with no window
    manager, the keyboard goes to the window under the pointer."""
    x, y, width, height = geometry(window)
    xdotool("mousemove", x + width // 2, y + height // 2)
    time.sleep(0.2)
    xdotool("key", key)


DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def _reg(*args):
    return subprocess.run([WINE, "reg", *args], capture_output=True, text=True, timeout=60)


def set_log_pixels(dpi):
    """Sets the screen's DPI for programs started from now on; None removes
    the setting (Wine's default, 96)."""
    if dpi is None:
        _reg("delete", DESKTOP_KEY, "/v", "LogPixels", "/f")
    else:
        result = _reg("add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
        assert result.returncode == 0, result.stderr


def log_pixels():
    """The DPI set in the prefix, or None."""
    result = _reg("query", DESKTOP_KEY, "/v", "LogPixels")
    for line in result.stdout.splitlines():
        parts = line.split()
        if parts and parts[0] == "LogPixels":
            return int(parts[-1], 16) if parts[-1].lower().startswith("0x") else int(parts[-1])
    return None


# A module stopped at its timeout (test_dpi) may have left its DPI in the
# prefix; every other module expects the screen at 96.
if log_pixels() not in (None, 96):
    set_log_pixels(None)


def read_ini(path, section="HotKeys"):
    """Key to value of one section, as plain text parsing sees it."""
    values = {}
    current = None
    with open(path, "rb") as handle:
        for raw in handle.read().decode("latin-1").splitlines():
            line = raw.strip()
            if line.startswith("[") and "]" in line:
                current = line[1 : line.rindex("]")].strip().lower()
            elif current == section.lower() and "=" in line:
                key, _, value = line.partition("=")
                values.setdefault(key.strip(), value.strip())
    return values


def computer_name():
    """What Windows reports as this machine's name under Wine."""
    return socket.gethostname().split(".")[0].upper()[:15]


def hotkeys_file(rows):
    """A Hotkeys.ini text; rows: (key code, alt, ctrl, shift, checked, action)."""
    text = "[HotKeys]\r\nCount=%d\r\n" % len(rows)
    for n, (key, alt, ctrl, shift, checked, action) in enumerate(rows):
        text += "Key{n}={k}\r\nAlt{n}={a}\r\nCtrl{n}={c}\r\nShift{n}={s}\r\nChecked{n}={e}\r\nPath{n}={p}\r\n".format(
            n=n, k=key, a=alt, c=ctrl, s=shift, e=checked, p=action
        )
    return text


class Vantrel:
    """One copy of the program in a folder of its own."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="vantrel-e2e-")
        shutil.copy(os.path.join(BUILD, "Vantrel.exe"), self.folder)
        self.processes = []

    @property
    def exe_windows_path(self):
        return "Z:" + os.path.join(self.folder, "Vantrel.exe").replace("/", "\\")

    def add_helper(self, name):
        """Copies a helper program beside Vantrel; returns its Windows path."""
        shutil.copy(os.path.join(BUILD, name), self.folder)
        return "Z:" + os.path.join(self.folder, name).replace("/", "\\")

    def file(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, text):
        with open(self.file(name), "wb") as handle:
            handle.write(text.encode("latin-1"))

    def start(self, after_path=" ", path=None):
        """Starts the program with the command line "<path>" + after_path,
        exactly; returns the process, which ends when the program does."""
        command_line = '"%s"%s' % (path or self.exe_windows_path, after_path)
        process = subprocess.Popen(
            [WINE, os.path.join(BUILD, "launch.exe"), "--wait", command_line],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        self.processes.append(process)
        return process

    def running(self):
        return any(p.poll() is None for p in self.processes) or subprocess.run(
            ["pgrep", "-f", os.path.basename(self.folder)], capture_output=True
        ).returncode == 0

    def main_window(self, timeout=15.0):
        """The visible main window, or None."""

        def find():
            for window in visible_windows():
                if geometry(window)[2:] == MAIN_SIZE:
                    return window
            return None

        return wait_until(find, timeout)

    def hidden_for(self, seconds):
        """True when no main window shows during the whole period."""
        return wait_until(lambda: self.main_window(timeout=0), timeout=seconds) is None

    def context_menu_item(self, index_from_bottom=0):
        """Right-clicks the window below the list and picks a menu item with
        the keyboard, counted from the bottom (0 is "Exit")."""
        window = self.main_window()
        assert window, "main window not visible"
        x, y, _, _ = geometry(window)
        before = set(visible_windows(".*"))
        xdotool("mousemove", x + 270, y + 320, "click", "3")
        menu = wait_until(lambda: [w for w in visible_windows(".*") if w not in before], timeout=5)
        assert menu, "no context menu appeared"
        for _ in range(index_from_bottom + 1):
            xdotool("key", "Up")
        xdotool("key", "Return")

    def exit(self, timeout=15.0):
        self.context_menu_item(0)
        return self.wait_ended(timeout)

    def wait_ended(self, timeout=15.0):
        return wait_until(lambda: not self.running(), timeout) is not None

    def stop(self):
        for process in self.processes:
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
        subprocess.run(["pkill", "-f", os.path.basename(self.folder)], capture_output=True)
        wait_until(lambda: not self.running(), timeout=5)
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def remove(self):
        self.stop()
        shutil.rmtree(self.folder, ignore_errors=True)
        # The program's autorun entry points at this copy: left behind, the
        # next wineboot of the prefix would start it, and it would hold the
        # single-instance mutex (and any pipe wineboot was given).
        subprocess.run(
            [WINE, "reg", "delete", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run", "/v", "Vantrel", "/f"],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            timeout=60,
        )


class VantrelTest(unittest.TestCase):
    def setUp(self):
        self.app = Vantrel()
        self.addCleanup(self.app.remove)


class OtherProgram:
    """Another program's window to type into: Wine's Notepad, at the top
    left of the screen, clear of Vantrel's centred window."""

    def __init__(self):
        self.process = subprocess.Popen(
            [WINE, "notepad.exe"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
        )
        self.window = wait_until(lambda: visible_windows("Notepad"), timeout=20)
        assert self.window, "Notepad did not start"
        self.window = self.window[0]

    def point(self):
        """Puts the pointer over this window, which gives it the keyboard."""
        x, y, _, _ = geometry(self.window)
        xdotool("mousemove", x + 60, y + 60)
        time.sleep(0.2)

    def press(self, keys):
        """Presses keys while this window has the keyboard."""
        self.point()
        xdotool("key", keys)

    def close(self):
        self.process.terminate()
        subprocess.run(["pkill", "-f", "notepad.exe"], capture_output=True)
        self.process.wait(timeout=10)
        wait_until(lambda: not visible_windows("Notepad"), timeout=5)


def helper_runs(app):
    """How often the run-recording helper beside the program has run."""
    try:
        with open(app.file("record_run.exe.log")) as handle:
            return len(handle.read().split())
    except FileNotFoundError:
        return 0


def list_rows(app):
    """The rows the running program's list shows: one list of column texts
    (and the check state last) per row."""
    helper = app.add_helper("list_rows.exe")
    result = subprocess.run([WINE, helper], capture_output=True, timeout=30)
    assert result.returncode == 0, "no hotkey list found"
    return [line.split("\t") for line in result.stdout.decode("utf-8").splitlines()]


def box_texts(app):
    """The texts of the open message boxes, line breaks written as \\n."""
    helper = app.add_helper("window_texts.exe")
    result = subprocess.run([WINE, helper, "boxes"], capture_output=True, timeout=30)
    return [line.split("\t", 1)[-1] for line in result.stdout.decode("utf-8").splitlines()]


def box_buttons(app):
    """The buttons of the open message boxes: their texts (without the
    mnemonic mark) to the screen points of their middles."""
    helper = app.add_helper("window_texts.exe")
    result = subprocess.run([WINE, helper, "buttons"], capture_output=True, timeout=30)
    buttons = {}
    for line in result.stdout.decode("utf-8").splitlines():
        text, x, y = line.rstrip("\r").split("\t")
        buttons[text] = (int(x), int(y))
    return buttons


def display_window(app):
    """The on-screen display's window: (shown, (left, top, right, bottom),
    its text), or None when there is none."""
    helper = app.add_helper("window_texts.exe")
    result = subprocess.run([WINE, helper, "display"], capture_output=True, timeout=30)
    if result.returncode != 0:
        return None
    shown, left, top, right, bottom, text = result.stdout.decode("utf-8").rstrip("\r\n").split("\t", 5)
    return shown == "1", (int(left), int(top), int(right), int(bottom)), text


def options_control_list(app):
    """The Options window's controls in the window's order, each a dict:
    id, class, visible, state (a box's mark, a list's selection), caret (in
    an edit field, else -1), rect on the screen (left, top, right, bottom)
    and text; [] when the window is not there."""
    helper = app.add_helper("window_texts.exe")
    result = subprocess.run([WINE, helper, "options"], capture_output=True, timeout=30)
    controls = []
    if result.returncode != 0:
        return controls
    for line in result.stdout.decode("utf-8").splitlines():
        fields = line.rstrip("\r").split("\t", 9)
        controls.append({
            "id": int(fields[0]),
            "class": fields[1],
            "visible": fields[2] == "1",
            "state": int(fields[3]),
            "caret": int(fields[4]),
            "rect": tuple(int(v) for v in fields[5:9]),
            "text": fields[9] if len(fields) > 9 else "",
        })
    return controls


def options_controls(app):
    """The Options window's controls by identifier (captions that nothing
    refers to share one, so only one of them is kept); {} when the window
    is not there."""
    return {control["id"]: control for control in options_control_list(app)}


def dialog_controls(app):
    """The controls of the open dialogs by identifier: (class, visible, text)."""
    helper = app.add_helper("window_texts.exe")
    result = subprocess.run([WINE, helper, "dialog"], capture_output=True, timeout=30)
    controls = {}
    for line in result.stdout.decode("utf-8").splitlines():
        identifier, name, visible, text = (line.rstrip("\r").split("\t", 3) + [""])[:4]
        controls[int(identifier)] = (name, visible == "1", text)
    return controls
