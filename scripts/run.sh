#!/usr/bin/env bash
# Builds Vantrel.exe if needed and runs it under Wine (on Xvfb when there is
# no display). Arguments after the script go on the program's command line;
# with none it starts as a plain start from Explorer would.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

build=${VANTREL_BUILD_DIR:-$root/build}
export VANTREL_STATE=$build
mkdir -p "$build"
# shellcheck source=environment.sh
source "$root/scripts/environment.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target vantrel_windows -j "$(nproc)"

# The program keeps its files beside itself.
install_dir=${VANTREL_INSTALL_DIR:-$build/install}
mkdir -p "$install_dir"
cp "$build/windows/Vantrel.exe" "$install_dir/"
exe=$(winepath -w "$install_dir/Vantrel.exe")
echo "Vantrel runs from $install_dir (display $DISPLAY); Exit from its menu ends it."
command_line="\"$exe\""
[ $# -gt 0 ] && command_line+=" $*"
wine "$build/windows/launch.exe" --wait "$command_line"
