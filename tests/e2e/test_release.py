"""The release as a Windows user gets it: the portable zip, the per-user
installer run silently (install, install over a running copy, uninstall),
where an installed or read-only copy keeps its files, and the signature.
All in the test prefix, which each case leaves as it found it."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile

from harness import (
    BUILD,
    WINE,
    OtherProgram,
    VantrelTest,
    _end,
    _prefix_processes,
    geometry,
    hotkeys_file,
    read_ini,
    visible_windows,
    wait_until,
    xdotool,
)

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD_TREE = os.path.dirname(BUILD)
RELEASE = os.path.join(BUILD_TREE, "release")
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as handle:
        return re.search(r"project\(Vantrel VERSION ([0-9.]+)", handle.read()).group(1)


def run_release(**environment):
    result = subprocess.run(
        [os.path.join(ROOT, "scripts", "release.sh")],
        env={**os.environ, "VANTREL_BUILD_DIR": BUILD_TREE, **environment},
        capture_output=True,
        text=True,
        timeout=600,
    )
    assert result.returncode == 0, result.stdout + result.stderr
    return result.stdout


def windows_folder(variable):
    """A folder of the prefix's user, as a Linux path."""
    shown = subprocess.run([WINE, "cmd", "/c", "echo", "%" + variable + "%"], capture_output=True, text=True)
    windows = shown.stdout.strip()
    return subprocess.run(["winepath", "-u", windows], capture_output=True, text=True).stdout.strip()


def registry_values(key):
    """The values of a key, name to data; None when the key is missing."""
    result = subprocess.run([WINE, "reg", "query", key], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        parts = re.split(r"\s{4}", line.strip(), maxsplit=2)
        if len(parts) == 3 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2]
    return values


def run_windows_program(path, *arguments, timeout=120):
    # No pipes: a program it starts (the installer starts Vantrel again)
    # would hold them open after it ended.
    return subprocess.run(
        [WINE, path, *arguments], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout
    ).returncode


def setUpModule():
    global SETUP, ZIP
    output = run_release()
    SETUP = os.path.join(RELEASE, "Vantrel-%s-setup.exe" % version())
    ZIP = os.path.join(RELEASE, "Vantrel-%s-portable.zip" % version())
    assert SETUP in output and ZIP in output, output


class Files(unittest.TestCase):
    def test_the_release_holds_the_zip_with_exactly_its_files_and_the_installer(self):
        self.assertTrue(os.path.isfile(SETUP))
        with zipfile.ZipFile(ZIP) as archive:
            self.assertEqual(
                sorted(archive.namelist()), ["LICENSE-fluent-emoji.txt", "README.txt", "Vantrel.exe", "history.txt"]
            )
            readme = archive.read("README.txt")
        self.assertIn(b"\r\n", readme, "texts for Windows")
        self.assertIn(b"AppData\\Roaming\\Vantrel", readme)


class Installed(unittest.TestCase):
    """The installer run silently, as an administrator's script would."""

    def setUp(self):
        self.programs = os.path.join(windows_folder("LOCALAPPDATA"), "Programs", "Vantrel")
        self.user_files = os.path.join(windows_folder("APPDATA"), "Vantrel")
        self.menu = windows_folder("APPDATA") + "/Microsoft/Windows/Start Menu/Programs/Vantrel.lnk"
        self.addCleanup(self.leave_no_trace)
        self.leave_no_trace()

    def leave_no_trace(self):
        _end(_prefix_processes(lambda command: "programs\\vantrel" in command or "programs/vantrel" in command))
        shutil.rmtree(self.programs, ignore_errors=True)
        shutil.rmtree(self.user_files, ignore_errors=True)
        if os.path.exists(self.menu):
            os.remove(self.menu)
        for args in (["delete", UNINSTALL_KEY, "/f"], ["delete", RUN_KEY, "/v", "Vantrel", "/f"]):
            subprocess.run([WINE, "reg", *args], capture_output=True, timeout=60)

    def install(self, *options):
        self.assertEqual(run_windows_program(SETUP, "/S", *options), 0)

    def exe(self):
        return os.path.join(self.programs, "Vantrel.exe")

    def exe_windows(self):
        return subprocess.run(["winepath", "-w", self.exe()], capture_output=True, text=True).stdout.strip()

    def running_copies(self):
        return _prefix_processes(lambda command: "programs\\vantrel\\vantrel.exe" in command)

    def start_installed(self, after=" hide"):
        process = subprocess.Popen(
            [WINE, os.path.join(BUILD, "launch.exe"), '"%s"%s' % (self.exe_windows(), after)],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        self.addCleanup(process.wait, 30)
        return process

    def write_user_file(self, name, text):
        os.makedirs(self.user_files, exist_ok=True)
        with open(os.path.join(self.user_files, name), "wb") as handle:
            handle.write(text.encode("latin-1"))

    def test_a_silent_install_puts_everything_in_place_and_the_sign_in_box_adds_the_value(self):
        self.install("/SIGNIN=1")
        for name in ("Vantrel.exe", "Uninstall.exe", "history.txt", "README.txt", "LICENSE-fluent-emoji.txt"):
            self.assertTrue(os.path.isfile(os.path.join(self.programs, name)), name)
        self.assertTrue(os.path.isfile(self.menu), "the Start-menu shortcut")
        values = registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(values, "the uninstall entry")
        location = self.exe_windows()[: -len("\\Vantrel.exe")]
        self.assertEqual(values["DisplayName"], "Vantrel")
        self.assertEqual(values["DisplayVersion"], version())
        self.assertEqual(values["Publisher"], "The Vantrel developers")
        self.assertEqual(values["DisplayIcon"], location + "\\Vantrel.exe")
        self.assertEqual(values["InstallLocation"], location)
        self.assertEqual(values["UninstallString"], '"%s\\Uninstall.exe"' % location)
        self.assertEqual(values["QuietUninstallString"], '"%s\\Uninstall.exe" /S' % location)
        self.assertEqual(values["NoModify"], "0x1")
        self.assertEqual(values["NoRepair"], "0x1")
        self.assertGreater(int(values["EstimatedSize"], 16), 500, "in KB: the program alone is over 1 MB")
        self.assertEqual(registry_values(RUN_KEY).get("Vantrel"), '"%s" hide' % self.exe_windows())

    def test_without_the_box_no_sign_in_value(self):
        self.install()
        self.assertIsNone((registry_values(RUN_KEY) or {}).get("Vantrel"))

    def test_the_installed_program_runs_hidden_and_keeps_its_files_in_the_users_folder(self):
        self.install()
        other = OtherProgram()
        self.addCleanup(other.close)
        folder = tempfile.mkdtemp(prefix="vantrel-e2e-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy(os.path.join(BUILD, "record_run.exe"), folder)
        helper = "Z:" + os.path.join(folder, "record_run.exe").replace("/", "\\")
        self.write_user_file("Hotkeys.ini", hotkeys_file([(75, 1, 1, 0, 1, helper)]))
        self.start_installed()
        self.assertTrue(wait_until(self.running_copies, timeout=20), "the installed program runs")
        self.assertFalse(wait_until(lambda: visible_windows("^Vantrel$"), timeout=3), "hidden")
        wait_until(lambda: False, timeout=1.5)
        other.press("ctrl+alt+k")
        self.assertTrue(
            wait_until(lambda: os.path.exists(os.path.join(folder, "record_run.exe.log")), timeout=10),
            "the hotkey runs its action",
        )
        self.exit_installed()
        self.assertTrue(os.path.isfile(os.path.join(self.user_files, "Settings.ini")), "saved in the user's folder")
        self.assertEqual(read_ini(os.path.join(self.user_files, "Hotkeys.ini"))["Path0"], helper)
        for name in ("Hotkeys.ini", "Settings.ini"):
            self.assertFalse(os.path.exists(os.path.join(self.programs, name)), name + " beside the program")

    def exit_installed(self):
        """Exit from the main window's menu, shown by a second start."""
        self.start_installed("")
        window = wait_until(lambda: visible_windows("^Vantrel$"), timeout=15)
        self.assertTrue(window, "a second start shows the window")
        x, y, _, _ = geometry(window[0])
        xdotool("mousemove", x + 270, y + 320)
        wait_until(lambda: False, timeout=0.4)
        xdotool("click", "3")
        wait_until(lambda: False, timeout=0.8)
        xdotool("key", "Up")
        xdotool("key", "Return")
        self.assertTrue(wait_until(lambda: not self.running_copies(), timeout=15), "Exit ends it")

    def test_installing_over_a_running_copy_leaves_one_copy_with_the_users_rows(self):
        self.install()
        self.write_user_file("Hotkeys.ini", hotkeys_file([(65, 1, 1, 0, 0, "a.exe"), (66, 1, 1, 0, 0, "b.exe")]))
        self.start_installed()
        old = set(wait_until(self.running_copies, timeout=20) or [])
        self.assertTrue(old)
        wait_until(lambda: False, timeout=2)
        self.install()
        self.assertTrue(wait_until(lambda: len(self.running_copies()) == 1, timeout=20), "one copy runs again")
        self.assertFalse(set(self.running_copies()) & old, "the old copy was asked to exit and did")
        wait_until(lambda: False, timeout=2)
        self.assertEqual(len(self.running_copies()), 1)
        values = read_ini(os.path.join(self.user_files, "Hotkeys.ini"))
        self.assertEqual([values["Count"], values["Path0"], values["Path1"]], ["2", "a.exe", "b.exe"])

    def test_a_silent_uninstall_keeps_the_users_files_unless_asked(self):
        for options, files_kept in (([], True), (["/REMOVEFILES=1"], False)):
            self.install("/SIGNIN=1")
            self.write_user_file("Hotkeys.ini", hotkeys_file([(65, 1, 1, 0, 0, "a.exe")]))
            self.assertEqual(run_windows_program(os.path.join(self.programs, "Uninstall.exe"), "/S", *options), 0)
            # The uninstaller runs on from a copy of itself.
            self.assertTrue(wait_until(lambda: not os.path.exists(self.programs), timeout=30), "the program goes")
            self.assertFalse(os.path.exists(self.menu), "the shortcut goes")
            self.assertIsNone(registry_values(UNINSTALL_KEY), "the uninstall entry goes")
            self.assertIsNone((registry_values(RUN_KEY) or {}).get("Vantrel"), "the sign-in value goes")
            self.assertEqual(os.path.exists(os.path.join(self.user_files, "Hotkeys.ini")), files_kept, options)


class ReadOnlyFolder(VantrelTest):
    """A portable copy moved into a folder its user cannot write."""

    def setUp(self):
        super().setUp()
        self.user_files = os.path.join(windows_folder("APPDATA"), "Vantrel")
        shutil.rmtree(self.user_files, ignore_errors=True)
        self.addCleanup(shutil.rmtree, self.user_files, True)
        self.helper = self.app.add_helper("window_texts.exe")
        self.app.write("Hotkeys.ini", hotkeys_file([(65, 1, 1, 0, 0, "mine.exe")]))
        self.app.write("Settings.ini", "[General]\r\nLogo=0\r\n")
        # The tests run as root, whom no permission bits stop; an immutable
        # folder refuses every new file, as Program Files does a user.
        subprocess.run(["chattr", "+i", self.app.folder], check=True)
        self.addCleanup(subprocess.run, ["chattr", "-i", self.app.folder])

    def test_it_reads_its_old_files_and_saves_to_the_users_folder_without_a_message(self):
        before = sorted(os.listdir(self.app.folder))
        self.app.start()
        self.assertTrue(self.app.main_window(), "the program starts")
        boxes = subprocess.run([WINE, self.helper, "boxes"], capture_output=True, timeout=30).stdout
        self.assertEqual(boxes.strip(), b"", "no message")
        self.assertTrue(self.app.exit(), "Exit ends it with no question")
        self.assertEqual(sorted(os.listdir(self.app.folder)), before, "nothing written beside it")
        values = read_ini(os.path.join(self.user_files, "Hotkeys.ini"))
        self.assertEqual(values["Path0"], "mine.exe", "its rows, in the user's folder")
        self.assertTrue(os.path.isfile(os.path.join(self.user_files, "Settings.ini")))


class Signing(unittest.TestCase):
    def test_a_given_certificate_signs_program_installer_and_uninstaller(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, True)
        key, certificate, pfx = (os.path.join(folder, name) for name in ("key.pem", "cert.pem", "test.pfx"))
        subprocess.run(
            ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", certificate,
             "-days", "2", "-subj", "/CN=Vantrel test"],
            check=True,
            capture_output=True,
        )
        subprocess.run(
            ["openssl", "pkcs12", "-export", "-inkey", key, "-in", certificate, "-out", pfx, "-passout", "pass:t3st"],
            check=True,
            capture_output=True,
        )

        def verified(path):
            result = subprocess.run(
                ["osslsigncode", "verify", "-CAfile", certificate, "-in", path], capture_output=True, text=True
            )
            return result.returncode == 0 and "Signature verification: ok" in result.stdout

        # Unsigned first: the module's release was made without a certificate.
        self.assertFalse(verified(os.path.join(RELEASE, "stage", "Vantrel.exe")))
        self.assertFalse(verified(SETUP))
        try:
            run_release(VANTREL_SIGN_PFX=pfx, VANTREL_SIGN_PASSWORD="t3st")
            self.assertTrue(verified(os.path.join(RELEASE, "stage", "Vantrel.exe")), "the program")
            self.assertTrue(verified(SETUP), "the installer")
            with zipfile.ZipFile(ZIP) as archive:
                signed = os.path.join(folder, "from-zip.exe")
                with open(signed, "wb") as handle:
                    handle.write(archive.read("Vantrel.exe"))
            self.assertTrue(verified(signed), "the zip's program")
            # The uninstaller the installer writes: installed in a folder of
            # the test's own.
            target = os.path.join(folder, "installed")
            target_windows = subprocess.run(["winepath", "-w", target], capture_output=True, text=True).stdout.strip()
            run_windows_program(SETUP, "/S", "/D=" + target_windows)
            self.assertTrue(verified(os.path.join(target, "Uninstall.exe")), "the uninstaller")
        finally:
            subprocess.run([WINE, "reg", "delete", UNINSTALL_KEY, "/f"], capture_output=True, timeout=60)
            menu = windows_folder("APPDATA") + "/Microsoft/Windows/Start Menu/Programs/Vantrel.lnk"
            if os.path.exists(menu):
                os.remove(menu)
            run_release()
