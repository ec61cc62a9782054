#!/usr/bin/env bash
# Builds Vantrel.exe if needed and runs it under Wine (on Xvfb when there is
# no display). Arguments after the script go on the program's command line;
# with none it starts as a plain start from Explorer would.
set -euo pipefail
vantrel_instance=run
# shellcheck source=environment.sh
source "$(dirname "${BASH_SOURCE[0]}")/environment.sh"

cmake --build "$build" --target vantrel_windows -j "$(nproc)"

# The program keeps its files beside itself.
install_dir=${VANTREL_INSTALL_DIR:-$build/install}
mkdir -p "$install_dir"
cp "$build/windows/Vantrel.exe" "$build/windows/history.txt" "$install_dir/"
exe=$(winepath -w "$install_dir/Vantrel.exe")
echo "Vantrel runs from $install_dir (display $DISPLAY); Exit from its menu ends it."
command_line="\"$exe\""
[ $# -gt 0 ] && command_line+=" $*"
wine "$build/windows/launch.exe" --wait "$command_line"
