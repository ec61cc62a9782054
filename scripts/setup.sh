#!/usr/bin/env bash
# Installs what building, running and testing Vantrel needs on a Debian
# machine (run as root). Does nothing when everything is already there.
# With --unit, only what the native unit tests need: a compiler, CMake and
# GoogleTest.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev)
if [ "${1:-}" != --unit ]; then
  packages+=(
    python3 clang-format clang libclang-rt-14-dev
    mingw-w64 g++-mingw-w64-x86-64-posix
    wine wine64
    xvfb xdotool x11-utils imagemagick xcompmgr
    pulseaudio pulseaudio-utils
    nsis osslsigncode zip unzip openssl
  )
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    echo "setup.sh: installing ${missing[*]} failed; apt-get said:" >&2
    cat "$log" >&2
    exit 1
  fi
fi
