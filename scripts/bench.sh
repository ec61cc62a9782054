#!/usr/bin/env bash
# Prints benchmark figures (not a test): the hotkeys file's load and save
# against per-value profile calls and a plain copy, and the time from
# process start to the end of start-up (window shown) for Vantrel against a
# bare Win32 program that makes one window and registers 20 hotkeys.
set -euo pipefail
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cmake --build "$build" --target vantrel_windows -j "$(nproc)" >/dev/null
win=$build/windows

echo "== Hotkeys file (times are medians; pv = per-value profile calls)"
wine "$win/vantrel_bench.exe"

echo "== Start-up: process start to window shown (ms), alternating runs"
work=$(mktemp -d)
cp "$win/Vantrel.exe" "$win/bare_window.exe" "$work/"
exe=$(winepath -w "$work/Vantrel.exe")
bare=$(winepath -w "$work/bare_window.exe")
vantrel_times=()
bare_times=()
for _ in $(seq 1 9); do
  vantrel_times+=("$(wine "$win/launch.exe" --visible TForm1 Vantrel "\"$exe\"" | tr -d '\r')")
  pkill -f "$(basename "$work").Vantrel.exe" || true
  sleep 0.5
  bare_times+=("$(wine "$win/launch.exe" --visible BareWindow Bare "\"$bare\"" | tr -d '\r')")
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
