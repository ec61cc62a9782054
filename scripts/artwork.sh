#!/usr/bin/env bash
# Draws Vantrel's icon files again from the Fluent Emoji (flat) pictures:
# the 52 hotkey icons (src/hotkeys/icons), the eight frames of the
# notification-area icon, frame 0 being the program's icon too
# (src/tray/frames), and with --about the About window's picture and the OK
# button's glyph (src/about/pictures). The files are committed, so a build
# never needs this; run it (as root, on Debian) only to change a picture,
# after editing the tables in scripts/artwork.py.
#
# The icon set comes from npm at the pinned version below, whose licence
# (MIT) is art/LICENSE-fluent-emoji.txt.
set -euo pipefail

package=@iconify-json/fluent-emoji-flat
version=1.2.6

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

missing=()
command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
# The letters on the letter blocks and the prompt.
[ -e /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf ] || missing+=(fonts-dejavu-core)
command -v npm >/dev/null || missing+=(npm)
command -v python3 >/dev/null || missing+=(python3)
command -v convert >/dev/null || missing+=(imagemagick)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm install --silent --no-audit --no-fund --ignore-scripts --no-save \
  --prefix "$work" "$package@$version")
set_dir=$work/node_modules/$package
installed=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["version"])' "$set_dir/package.json")
if [ "$installed" != "$version" ]; then
  echo "artwork.sh: npm gave $package $installed, not $version" >&2
  exit 1
fi
python3 "$root/scripts/artwork.py" "$set_dir/icons.json" "$@"
