#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds (default 60), one after another; prints how many inputs each ran.
# Inputs that find a fault are saved as crash-* files in build/fuzz-runs/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
out=${VANTREL_BUILD_DIR:-$root/build}/fuzz-runs
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang libclang-rt-14-dev)"; exit 1; }
cmake -S "$root/tests/fuzz" -B "$out/build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$out/build" -j "$(nproc)"
total=0
status=0
for target in ini_document hotkeys_file settings_file profile_text command_line; do
  mkdir -p "$out/found/$target"
  log="$out/$target.log"
  if (cd "$out" && "$out/build/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$out/found/$target" "$root/tests/fuzz/corpus/$target") >"$log" 2>&1; then
    result=ok
  else
    result="FAULT (see $log)"
    status=1
  fi
  runs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  total=$((total + runs))
  printf '%-14s %12s runs  %s\n' "$target" "$runs" "$result"
done
printf '%-14s %12s runs\n' total "$total"
exit $status
