#!/usr/bin/env python3
"""Checks that the folders under src/ form a stack.

The folders stand on levels, lowest first (LEVELS below, the one place the
order is written). A file may include files of its own folder and of any
folder on a lower level; an include that runs upward, or sideways to
another folder of its own level, is reported with its file and line, and
the check fails. A folder missing from LEVELS fails too, so a new one gets
its place before anything includes it.

    scripts/include_levels.py [SRC]     check SRC (default: src/ of this tree)
    scripts/include_levels.py --self-test
                                        show that the check catches an upward
                                        and a sideways include
"""

import os
import re
import sys
import tempfile

# Lowest first. Folders on one level know nothing of each other.
LEVELS = [
    ["base"],
    ["win32"],
    ["inifile", "ui", "audio", "tray"],
    ["hotkeys", "osd"],
    ["actions"],
    ["settings", "frame"],
    ["editor", "options", "about"],
    ["app"],
]

# Includes between two folders of one level that are allowed anyway, as
# (including folder, included folder). Keep it empty if you can: an entry
# here is a sign that one of the two belongs on another level.
ALLOWED_SIDEWAYS = set()

SOURCE_SUFFIXES = (".h", ".cpp", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def level_of():
    levels = {}
    for number, folders in enumerate(LEVELS):
        for folder in folders:
            levels[folder] = number
    return levels


def problems(src):
    """Every include under `src` that breaks the order, as readable lines."""
    levels = level_of()
    found = []
    for folder in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, folder)) and folder not in levels:
            found.append(f"{os.path.join(src, folder)}: the folder '{folder}' has no level in "
                         f"{os.path.basename(__file__)} (add it to LEVELS)")
    for directory, _, names in sorted(os.walk(src)):
        for name in sorted(names):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(directory, name)
            own = os.path.relpath(path, src).split(os.sep)[0]
            if own not in levels:
                continue  # reported above, or a file directly under src/
            with open(path, encoding="utf-8", errors="replace") as source:
                for line_number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match or "/" not in match.group(1):
                        continue  # a generated header or one found beside the file
                    target = match.group(1).split("/")[0]
                    if target == own or target not in levels:
                        continue
                    if levels[target] < levels[own] or (own, target) in ALLOWED_SIDEWAYS:
                        continue
                    way = "up" if levels[target] > levels[own] else "sideways"
                    found.append(f"{path}:{line_number}: '{own}/' (level {levels[own] + 1}) includes "
                                 f"\"{match.group(1)}\" {way}, from '{target}/' (level {levels[target] + 1})")
    return found


def self_test():
    """The check must see an upward and a sideways include, and pass a clean tree."""
    with tempfile.TemporaryDirectory() as src:
        for folder in level_of():
            os.makedirs(os.path.join(src, folder))

        def write(path, text):
            with open(os.path.join(src, path), "w", encoding="utf-8") as out:
                out.write(text)

        write("app/clean.cpp", '#include "app/clean.h"\n#include "base/text.h"\n#include "version.h"\n')
        if problems(src):
            print("self-test: a clean tree was reported:", *problems(src), sep="\n")
            return 1
        write("base/upward.h", '#pragma once\n\n#include "app/main_window_win32.h"\n')
        write("editor/sideways.cpp", '#include "options/options_window_win32.h"\n')
        found = problems(src)
        expected = [("base/upward.h:3:", " up,"), ("editor/sideways.cpp:1:", " sideways,")]
        for place, way in expected:
            if not any(place in problem and way in problem for problem in found):
                print(f"self-test: no report for {place}{way}", *found, sep="\n")
                return 1
        if len(found) != len(expected):
            print("self-test: unexpected reports:", *found, sep="\n")
            return 1
    print("self-test: the check reports an upward and a sideways include, and passes a clean tree")
    return 0


def main(arguments):
    if arguments == ["--self-test"]:
        return self_test()
    src = arguments[0] if arguments else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    src = os.path.normpath(src)
    found = problems(src)
    if found:
        print(*found, sep="\n")
        print(f"{len(found)} include(s) against the folders' order (lowest first): " +
              " < ".join("{" + ", ".join(folders) + "}" for folders in LEVELS))
        return 1
    print(f"every include under {src} follows the folders' order")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
