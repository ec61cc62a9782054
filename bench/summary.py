"""The table that ends scripts/bench.sh: every figure printed beside a
target ("...: 1.31x (target <= 1.2x)"), with whether it is reached.

summary.py ALL-OUTPUT [HOTKEYS-FILE-TABLE]"""

import re
import sys

FIGURE = re.compile(r"^\s*(?P<name>.*?)[:,]?\s+(?P<value>-?[0-9.]+)\s*(?P<unit>x|ms|MB|us)?\s*\(target <= (?P<target>[0-9.]+)")
# Rows every run should show, by the start of their names; a missing one is
# listed as not measured rather than left out.
EXPECTED = [
    "start-up to window shown",
    "press to action: launch",
    "press to action: VolumeDown",
    "ShowOSD",
    "ShowVolumeProgress",
    "files 1000 rows load+save vs copy",
    "files 10000/1000 rows load+save",
    "memory after start: working set",
    "memory after start: private bytes",
    "memory growth",
]


def figures_from(lines):
    found = []
    for line in lines:
        match = FIGURE.match(line)
        if match:
            name = re.split(r",? (?:median|before) ", re.sub(r"\s+", " ", match["name"]).strip())[0]
            value, target = float(match["value"]), float(match["target"])
            found.append((name, "%s%s" % (match["value"], match["unit"] or ""), "<= %s%s" % (match["target"], match["unit"] or ""), value <= target))
    return found


def from_file_table(lines):
    """The hotkeys file benchmark's table (rows, bytes, copy, load, save ms,
    ...) when it prints no targets of its own."""
    load_save = {}
    for line in lines:
        cells = line.split()
        if len(cells) >= 5 and cells[0].isdigit():
            rows, copy, load, save = int(cells[0]), float(cells[2]), float(cells[3]), float(cells[4])
            load_save[rows] = (load + save, copy)
    found = []
    if 1000 in load_save:
        both, copy = load_save[1000]
        found.append(("files 1000 rows load+save vs copy", "%.1fx" % (both / copy), "<= 3x", both / copy <= 3))
    if 1000 in load_save and 10000 in load_save:
        ratio = load_save[10000][0] / load_save[1000][0]
        found.append(("files 10000/1000 rows load+save", "%.1fx" % ratio, "<= 11x", ratio <= 11))
    return found


def main():
    with open(sys.argv[1], encoding="utf-8", errors="replace") as handle:
        rows = figures_from(handle.read().splitlines())
    if len(sys.argv) > 2:
        try:
            with open(sys.argv[2], encoding="utf-8", errors="replace") as handle:
                table = handle.read().splitlines()
            names = [r[0] for r in rows]
            rows += [r for r in from_file_table(table) if not any(n.startswith(r[0]) for n in names)]
        except FileNotFoundError:
            pass
    for expected in EXPECTED:
        if not any(r[0].startswith(expected) for r in rows):
            rows.append((expected, "not measured", "", None))
    width = max(len(r[0]) for r in rows)
    print("%-*s  %-12s  %-12s  %s" % (width, "figure", "measured", "target", "reached"))
    for name, measured, target, reached in rows:
        print("%-*s  %-12s  %-12s  %s" % (width, name, measured, target, "-" if reached is None else "yes" if reached else "no"))


if __name__ == "__main__":
    main()
