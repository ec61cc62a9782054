#!/usr/bin/env bash
# Prints benchmark figures (not a test), each ratio beside its target, and
# ends with a table of them: the hotkeys and settings files against plain
# copies and per-value profile calls, the on-screen display's paints, the
# time from process start to the window shown (with where Vantrel's time
# goes) against a bare Win32 program that makes one window and registers 20
# hotkeys, a hotkey press to its action against a bare program doing the
# same, and memory after start and over repeated use.
#
# scripts/bench.sh [SECTION...] runs only the sections named: files,
# settings, osd, gradient, startup, press, memory (default: all).
set -euo pipefail
vantrel_instance=bench
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cmake --build "$build" --target vantrel_windows -j "$(nproc)" >/dev/null
win=$build/windows
sections=" ${*:-files settings osd gradient startup press memory} "
wanted() { [[ $sections == *" $1 "* ]]; }
results=$(mktemp -d)

run_sections() {
if wanted files; then
echo "== Hotkeys file (times are medians; pv = per-value profile calls)"
wine "$win/vantrel_bench.exe" | tee "$results/files" | cat

fi
if wanted settings; then
echo "== Settings.ini: the settings model against per-value profile calls"
wine "$win/settings_file_bench.exe" | cat

fi
if wanted osd; then
echo "== On-screen display paints"
wine "$win/osd_bench.exe" | cat

fi
if wanted gradient; then
echo "== Gradient button paint"
wine "$win/gradient_demo.exe" --bench | cat

fi
if wanted startup; then
echo "== Start-up: process start to window shown (ms), alternating runs"
work=$(mktemp -d)
cp "$win/Vantrel.exe" "$win/bare_window.exe" "$work/"
exe=$(winepath -w "$work/Vantrel.exe")
bare=$(winepath -w "$work/bare_window.exe")
vantrel_times=()
bare_times=()
# Each figure goes through a file: the started program inherits the output
# and would hold a pipe open for its whole life. Vantrel writes its own
# start-up marks (VANTREL_STARTUP_TIMES) once its first paint is done.
for run in $(seq 1 9); do
  marks=$work/marks-$run.txt
  VANTREL_STARTUP_TIMES=$(winepath -w "$marks") \
    wine "$win/launch.exe" --visible TForm1 Vantrel "\"$exe\"" >"$work/time"
  vantrel_times+=("$(tr -d '\r' <"$work/time")")
  for _ in $(seq 1 100); do
    [ -s "$marks" ] && break
    sleep 0.05
  done
  pkill -f "$(basename "$work").Vantrel.exe" || true
  sleep 0.5
  wine "$win/launch.exe" --visible BareWindow Bare "\"$bare\"" >"$work/time"
  bare_times+=("$(tr -d '\r' <"$work/time")")
  pkill -f "$(basename "$work").bare_window.exe" || true
  sleep 0.5
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
v=$(median "${vantrel_times[@]}")
b=$(median "${bare_times[@]}")
echo "Vantrel: ${vantrel_times[*]}"
echo "bare:    ${bare_times[*]}"
awk -v v="$v" -v b="$b" 'BEGIN {printf "start-up to window shown and hotkeys registered, median %.1f ms against %.1f ms: %.2fx (target <= 1.2x)\n", v, b, v / b}'
echo "Vantrel.exe: $(stat -c %s "$win/Vantrel.exe") bytes"
echo "-- Where Vantrel's start-up goes: median ms of each step (first line: process created to program entered)"
# Each marks file: "<ms since process creation><TAB><step>"; a step's time
# is its mark less the one before it.
awk -F '\t' '
  FNR == 1 { previous = 0 }
  { step[FNR] = $2; took[FNR, ++n[FNR]] = $1 - previous; previous = $1; if (FNR > steps) steps = FNR }
  END {
    for (i = 1; i <= steps; ++i) {
      count = n[i]
      for (a = 1; a <= count; ++a) v[a] = took[i, a]
      for (a = 1; a <= count; ++a) for (b = a + 1; b <= count; ++b) if (v[b] < v[a]) { t = v[a]; v[a] = v[b]; v[b] = t }
      printf "%8.2f  %s\n", v[int((count + 1) / 2)], step[i]
    }
  }' "$work"/marks-*.txt
rm -rf "$work"

fi
if wanted press; then
echo "== Hotkey press to action, against a bare program doing the same (alternating presses)"
VANTREL_BUILD=$win WINE=$(command -v wine) python3 "$root/bench/hotkey_latency.py"
fi
if wanted memory; then
echo "== Memory"
VANTREL_BUILD=$win WINE=$(command -v wine) python3 "$root/bench/memory_figures.py"
fi
}

run_sections 2>&1 | tee "$results/all"
echo "== Summary"
python3 "$root/bench/summary.py" "$results/all" "$results/files"
rm -rf "$results"
