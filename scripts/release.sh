#!/usr/bin/env bash
# Builds the release into build/release/ (as root on Debian; installs what
# it needs):
#   Vantrel-<version>-portable.zip  Vantrel.exe, history.txt, README.txt
#                                   and the licence texts
#   Vantrel-<version>-setup.exe     the per-user installer (NSIS)
# The version is the CMake project's. With VANTREL_SIGN_PFX naming a PKCS#12
# file (and VANTREL_SIGN_PASSWORD its password), the program, the installer
# and its uninstaller are signed (scripts/sign.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VANTREL_BUILD_DIR:-$root/build}
release=$build/release

"$root/scripts/setup.sh"
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_WINDOWS=ON >"$build/release-configure.log" 2>&1 ||
  { cat "$build/release-configure.log" >&2; exit 1; }
cmake --build "$build" --target vantrel_windows -j "$(nproc)" >"$build/release-build.log" 2>&1 ||
  { tail -40 "$build/release-build.log" >&2; exit 1; }

# The version and the publisher as the build made them (one place: CMake).
defined() { sed -n "s/^#define $1 \"\(.*\)\"\$/\1/p" "$build/windows/generated/version.h"; }
version=$(defined VANTREL_VERSION_TEXT)
publisher=$(defined VANTREL_PUBLISHER)
[ -n "$version" ] && [ -n "$publisher" ] || { echo "release.sh: no version or publisher in the build's version.h" >&2; exit 1; }

stage=$release/stage
rm -rf "$release"
mkdir -p "$stage"
cp "$build/windows/Vantrel.exe" "$stage/"
# Text files for Windows users: CR LF line ends.
for text in "$root/dist/history.txt" "$root/dist/README.txt" "$root/art/LICENSE-fluent-emoji.txt"; do
  sed 's/\r$//; s/$/\r/' "$text" >"$stage/$(basename "$text")"
done

sign=()
if [ -n "${VANTREL_SIGN_PFX:-}" ]; then
  "$root/scripts/sign.sh" "$stage/Vantrel.exe"
  sign=("-DSIGN=$root/scripts/sign.sh")
fi

zip_file=$release/Vantrel-$version-portable.zip
(cd "$stage" && zip -q -X "$zip_file" Vantrel.exe history.txt README.txt LICENSE-fluent-emoji.txt)

setup_file=$release/Vantrel-$version-setup.exe
makensis -V2 -DVERSION="$version" -DPUBLISHER="$publisher" -DSTAGE="$stage" -DICON="$root/src/tray/frames/frame0.ico" \
  -DOUTFILE="$setup_file" "${sign[@]}" "$root/dist/installer.nsi" >"$build/release-installer.log" 2>&1 ||
  { cat "$build/release-installer.log" >&2; exit 1; }

echo "$zip_file ($(stat -c %s "$zip_file") bytes)"
echo "$setup_file ($(stat -c %s "$setup_file") bytes)"
