#!/usr/bin/env bash
# Runs the Wine and end-to-end suites N times in a row (default 20) through
# the test command, each run from a fresh environment: a new Wine prefix,
# sound server and Xvfb display. Prints each run's result and time, then
# how many runs hung or failed. Not part of the test command.
#
#   scripts/stress.sh [N]
#
# A run "hung" when CTest stopped a test at its timeout, or when the whole
# run outlived VANTREL_STRESS_RUN_LIMIT seconds (default 1800). Each run's
# output and logs stay in build/stress/run-N/; a passed run's Wine prefix
# is removed.
set -euo pipefail
runs=${1:-20}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: scripts/stress.sh [number of runs]" >&2; exit 2; }
limit=${VANTREL_STRESS_RUN_LIMIT:-1800}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VANTREL_BUILD_DIR:-$root/build}
stress=$build/stress
rm -rf "$stress"
mkdir -p "$stress"
unset VANTREL_USE_DISPLAY VANTREL_STATE_DIR

# Processes still running in a Wine prefix after its run ended.
leftovers() {
  local pid
  for pid in $(pgrep -f .); do
    tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qFx "WINEPREFIX=$1" &&
      echo "$pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
  done
  return 0
}

# Built once up front, so that each run's time is its set-up and tests.
"$root/scripts/setup.sh"
echo "Building ($stress/build.log)"
if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_WINDOWS=ON -DVANTREL_FUZZ=ON &&
  cmake --build "$build" -j "$(nproc)"; } >"$stress/build.log" 2>&1; then
  cat "$stress/build.log" >&2
  echo "stress.sh: the build failed" >&2
  exit 1
fi

passed=0
hung=0
failed=0
for i in $(seq 1 "$runs"); do
  dir=$stress/run-$i
  mkdir -p "$dir"
  start=$(date +%s)
  status=0
  VANTREL_STATE_DIR=$dir timeout --kill-after=30 "$limit" \
    "$root/scripts/test.sh" -L 'wine|e2e' >"$dir/output.log" 2>&1 || status=$?
  seconds=$(($(date +%s) - start))
  # CTest's list of failed tests: "  79 - wine.adapters (Timeout)".
  failures=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (\(.*\))$/\1 (\2)/p' "$dir/output.log" | paste -sd, -)
  left=$(leftovers "$dir/wineprefix-test")
  if [ "$status" = 124 ] || [ "$status" = 137 ]; then
    result="HUNG (the run outlived ${limit} s)"
    hung=$((hung + 1))
  elif grep -q '(Timeout)' <<<"$failures"; then
    result="HUNG: $failures"
    hung=$((hung + 1))
  elif [ "$status" != 0 ]; then
    result="FAILED (status $status): ${failures:-see output.log}"
    failed=$((failed + 1))
  elif [ -n "$left" ]; then
    result="FAILED: processes left running: $(cut -d' ' -f2- <<<"$left" | paste -sd, -)"
    failed=$((failed + 1))
  else
    result=passed
    passed=$((passed + 1))
    rm -rf "$dir/wineprefix-test"
  fi
  if [ -n "$left" ]; then
    WINEPREFIX=$dir/wineprefix-test wineserver -k >/dev/null 2>&1 || true
  fi
  printf 'run %d/%d: %4d s  %s\n' "$i" "$runs" "$seconds" "$result"
done
echo "$runs runs: $passed passed, $hung hung, $failed failed"
[ "$passed" = "$runs" ]
