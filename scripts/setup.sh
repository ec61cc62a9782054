#!/usr/bin/env bash
# Installs what building, running and testing Vantrel needs on a Debian
# machine (run as root). Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev python3
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xdotool x11-utils imagemagick xcompmgr
  pulseaudio pulseaudio-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
