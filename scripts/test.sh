#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and with
# sanitizers), the Windows adapters under Wine, and end-to-end tests of the
# real Vantrel.exe under Wine and Xvfb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

build=${VANTREL_BUILD_DIR:-$root/build}
export VANTREL_STATE=$build
mkdir -p "$build"
# shellcheck source=environment.sh
source "$root/scripts/environment.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure --timeout 900 "$@"
