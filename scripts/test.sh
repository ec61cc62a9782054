#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and with
# sanitizers), the Windows adapters under Wine, and end-to-end tests of the
# real Vantrel.exe under Wine and Xvfb.
set -euo pipefail
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"

cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure --timeout 900 "$@"
