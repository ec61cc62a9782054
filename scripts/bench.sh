#!/usr/bin/env bash
# Prints benchmark figures (not a test): the hotkeys file's load and save
# against per-value profile calls and a plain copy, and the time from
# process start to the end of start-up (window shown) for Vantrel against a
# bare Win32 program that makes one window and registers 20 hotkeys.
set -euo pipefail
vantrel_instance=bench
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cmake --build "$build" --target vantrel_windows -j "$(nproc)" >/dev/null
win=$build/windows

echo "== Hotkeys file (times are medians; pv = per-value profile calls)"
wine "$win/vantrel_bench.exe"

echo "== Settings.ini: the settings model against per-value profile calls"
wine "$win/settings_file_bench.exe" | cat

echo "== On-screen display paints"
wine "$win/osd_bench.exe" | cat

echo "== Gradient button paint"
wine "$win/gradient_demo.exe" --bench | cat

echo "== Start-up: process start to window shown (ms), alternating runs"
work=$(mktemp -d)
cp "$win/Vantrel.exe" "$win/bare_window.exe" "$work/"
exe=$(winepath -w "$work/Vantrel.exe")
bare=$(winepath -w "$work/bare_window.exe")
vantrel_times=()
bare_times=()
# Each figure goes through a file: the started program inherits the output
# and would hold a pipe open for its whole life.
for _ in $(seq 1 9); do
  wine "$win/launch.exe" --visible TForm1 Vantrel "\"$exe\"" >"$work/time"
  vantrel_times+=("$(tr -d '\r' <"$work/time")")
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
awk -v v="$v" -v b="$b" 'BEGIN {printf "median Vantrel %.1f ms, bare %.1f ms, ratio %.2f\n", v, b, v / b}'
echo "Vantrel.exe: $(stat -c %s "$win/Vantrel.exe") bytes"
rm -rf "$work"

echo "== Hotkey press to launched helper, against starting it directly"
VANTREL_BUILD=$win WINE=$(command -v wine) python3 "$root/bench/hotkey_latency.py"
