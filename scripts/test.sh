#!/usr/bin/env bash
# Builds everything and runs every test through CTest: the core's unit
# tests (plain and with sanitizers), the formatting check, the Windows
# adapters under Wine, and end-to-end tests of the real Vantrel.exe under
# Wine and a private Xvfb.
#
#   scripts/test.sh --unit   only the unit tests (plain and sanitized): no
#                            Wine, display or cross build, and nothing
#                            installed beyond a compiler, CMake and
#                            GoogleTest
#
# Other arguments go to ctest (scripts/test.sh -R wine.adapters).
set -euo pipefail
vantrel_instance="test"
if [ "${1:-}" = --unit ]; then
  vantrel_instance=unit
  shift
fi
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"

cmake --build "$build" -j "$(nproc)"
cd "$build"
if [ "$vantrel_instance" = unit ]; then
  ctest --output-on-failure -L unit "$@"
else
  ctest --output-on-failure "$@"
fi
