#!/usr/bin/env bash
# Takes the README's screenshots of the real Vantrel.exe under Wine on a
# virtual display of its own (docs/screenshots/*.png, or the folder given).
#
#   scripts/screenshots.sh [folder]
set -euo pipefail
vantrel_instance=shots
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"
cmake --build "$build" --target vantrel_windows -j "$(nproc)" >/dev/null
out=${1:-$root/docs/screenshots}
VANTREL_BUILD=$build/windows WINE=$(command -v wine) python3 "$root/scripts/screenshots.py" "$out"
