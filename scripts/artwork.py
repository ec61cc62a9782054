#!/usr/bin/env python3
"""Draws Vantrel's icon files from the Fluent Emoji (flat) pictures.

scripts/artwork.sh installs the icon set and calls this with the path of its
icons.json. Every picture the program shows is named in the tables below;
each is rendered with rsvg-convert at every size the program asks for and
packed into an .ico file of bitmap entries (PNG for 256 pixels), written
over the committed one. --convert rewrites committed PNG entries as bitmaps
without drawing anything.

Most entries are one picture of the set. A few subjects the set has no
picture for are put together from its pictures here:
  badge  a second picture, small, in the lower right corner
  hue    the colours turned round the colour wheel by that many degrees
  text   a letter or two in DejaVu Sans Bold over a tile of the set
  hard   every pixel either opaque or clear (ImageMagick's convert), for a
         glyph painted over a colour key

Only the standard library, rsvg-convert (Debian: librsvg2-bin) and, for hard
edges, ImageMagick."""

import argparse
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The hotkey icons, by the index the hotkeys file stores: the order is
# fixed, only the pictures may change.
HOTKEY_ICONS = [
    dict(name="e-mail"),  # 0 mail
    dict(name="desktop-computer"),  # 1 monitor
    dict(name="abacus"),  # 2 calculator
    dict(name="black-large-square", text=">_", colour="#e0e0e0", mono=True),  # 3 command prompt
    dict(name="cross-mark-button", hue=75),  # 4 X on blue
    dict(name="white-large-square", text="G", colour="#1c5cd7"),  # 5 web search
    dict(name="hammer-and-wrench"),  # 6 configuration
    dict(name="page-facing-up"),  # 7 text page
    dict(name="desktop-computer", badge="globe-showing-americas"),  # 8 network computer
    dict(name="card-file-box"),  # 9 registry
    dict(name="gear"),  # 10 services
    dict(name="slightly-smiling-face"),  # 11 the program itself
    dict(name="joker"),  # 12 card game
    dict(name="globe-with-meridians"),  # 13 web browser
    dict(name="speaker-low-volume"),  # 14 volume down
    dict(name="muted-speaker"),  # 15 mute
    dict(name="speaker-high-volume"),  # 16 volume up
    dict(name="bomb"),  # 17 mine
    dict(name="high-voltage"),  # 18 media player
    dict(name="memo"),  # 19 notepad
    dict(name="blue-square", text="A"),  # 20
    dict(name="red-square", text="B"),  # 21
    dict(name="green-square", text="C"),  # 22
    dict(name="orange-square", text="D"),  # 23
    dict(name="purple-square", text="E"),  # 24
    dict(name="brown-square", text="F"),  # 25
    dict(name="floppy-disk"),  # 26 disk drive
    dict(name="blue-circle"),  # 27 push buttons: blue,
    dict(name="red-circle"),  # 28 red,
    dict(name="orange-circle"),  # 29 orange,
    dict(name="green-circle"),  # 30 green
    dict(name="star"),  # 31
    dict(name="globe-showing-europe-africa"),  # 32 globe
    dict(name="light-bulb"),  # 33
    dict(name="keyboard"),  # 34 keys: what a new hotkey gets
    dict(name="keycap-asterisk"),  # 35 a key cap
    dict(name="optical-disk"),  # 36 media disc
    dict(name="play-button"),  # 37
    dict(name="open-file-folder", badge="page-with-curl"),  # 38 folder with documents
    dict(name="open-file-folder", hue=175),  # 39 open blue folder
    dict(name="file-folder", badge="framed-picture"),  # 40 pictures
    dict(name="open-file-folder"),  # 41 open yellow folder
    dict(name="link"),  # 42 network
    dict(name="file-folder", hue=175),  # 43 blue folder
    dict(name="film-frames"),  # 44
    dict(name="page-facing-up", badge="alarm-clock"),  # 45 clock on a page
    dict(name="window"),  # 46
    dict(name="busts-in-silhouette"),  # 47 two people
    dict(name="musical-notes", badge="speaker-high-volume"),  # 48 sound
    dict(name="clapper-board"),  # 49 film
    dict(name="file-folder", badge="magnifying-glass-tilted-left"),  # 50 search
    dict(name="file-folder", badge="window"),  # 51 folder with a window
]
HOTKEY_SIZES = (16, 20, 24, 32, 40, 48, 64)

# The notification-area icon's frames: the program's face smiles, winks,
# gapes and shuts its eyes. Frame 0 is the program's icon too, so it also
# carries the size Explorer's large views use.
TRAY_FRAMES = [
    dict(name="slightly-smiling-face"),
    dict(name="winking-face"),
    dict(name="grinning-face"),
    dict(name="winking-face-with-tongue"),
    dict(name="grinning-face-with-big-eyes"),  # the still icon
    dict(name="face-with-open-mouth"),
    dict(name="face-with-tongue"),
    dict(name="relieved-face"),
]
TRAY_SIZES = (16, 20, 24, 32, 40, 48, 64)

OUTPUTS = (
    [(f"src/hotkeys/icons/icon{i:02d}.ico", entry, HOTKEY_SIZES) for i, entry in enumerate(HOTKEY_ICONS)]
    + [
        (f"src/tray/frames/frame{i}.ico", entry, TRAY_SIZES + ((256,) if i == 0 else ()))
        for i, entry in enumerate(TRAY_FRAMES)
    ]
)

# The About window's picture (the program's face) and the OK button's
# glyph (a green check mark).
ABOUT_OUTPUTS = [
    ("src/about/pictures/about_picture.ico", dict(name="slightly-smiling-face"), (32, 48, 64, 96)),
    ("src/about/pictures/ok_glyph.ico", dict(name="check-mark", hue=-130, hard=True), (16, 20, 24, 32)),
]


class IconSet:
    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        self.icons = data["icons"]
        self.aliases = data.get("aliases", {})
        self.size = data.get("width", 16), data.get("height", 16)

    def body(self, name):
        """The picture's SVG elements and its view box (width, height)."""
        seen = set()
        while name in self.aliases and name not in self.icons:
            if name in seen:
                break
            seen.add(name)
            name = self.aliases[name]["parent"]
        if name not in self.icons:
            sys.exit(f"artwork: the icon set has no picture named {name}")
        icon = self.icons[name]
        return icon["body"], (icon.get("width", self.size[0]), icon.get("height", self.size[1]))


def renamed_ids(body, prefix):
    """The body with its element ids (and the references to them) prefixed,
    so that two pictures in one drawing keep their gradients apart."""
    ids = set(re.findall(r'\bid="([^"]+)"', body))
    for name in sorted(ids, key=len, reverse=True):
        body = body.replace(f'id="{name}"', f'id="{prefix}{name}"')
        body = body.replace(f"url(#{name})", f"url(#{prefix}{name})")
        body = body.replace(f'href="#{name}"', f'href="#{prefix}{name}"')
    return body


def svg_of(icons, entry):
    body, (w, h) = icons.body(entry["name"])
    parts = []
    defs = ""
    if "hue" in entry:
        defs = (
            '<defs><filter id="vantrel-hue" color-interpolation-filters="sRGB">'
            f'<feColorMatrix type="hueRotate" values="{entry["hue"]}"/></filter></defs>'
        )
        parts.append(f'<g filter="url(#vantrel-hue)">{body}</g>')
    else:
        parts.append(body)
    if "badge" in entry:
        badge, (bw, bh) = icons.body(entry["badge"])
        # Lower right, a little over half the picture's size.
        size = w * 0.6
        parts.append(
            f'<svg x="{w - size}" y="{h - size}" width="{size}" height="{size}" '
            f'viewBox="0 0 {bw} {bh}">{renamed_ids(badge, "badge-")}</svg>'
        )
    if "text" in entry:
        family = "DejaVu Sans Mono" if entry.get("mono") else "DejaVu Sans"
        text = entry["text"].replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
        font_size = h * (0.55 if len(entry["text"]) > 1 else 0.72)
        parts.append(
            f'<text x="{w / 2}" y="{h / 2}" dy="0.36em" text-anchor="middle" font-family="{family}" '
            f'font-weight="bold" font-size="{font_size}" fill="{entry.get("colour", "#ffffff")}">{text}</text>'
        )
    return f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {w} {h}">{defs}{"".join(parts)}</svg>'


def render(svg, size, folder, hard=False):
    source = os.path.join(folder, "picture.svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(svg)
    png = subprocess.run(
        ["rsvg-convert", "--width", str(size), "--height", str(size), "--format", "png", source],
        check=True,
        capture_output=True,
    ).stdout
    if hard:
        png = subprocess.run(
            ["convert", "png:-", "-channel", "A", "-threshold", "50%", "+channel", "-strip",
             "-define", "png:exclude-chunks=date,time", "png32:-"],
            input=png,
            check=True,
            capture_output=True,
        ).stdout
    return png


# Entries up to this size are bitmaps: those a 96-DPI screen loads, so a
# start never needs the PNG decoder there.
BITMAP_LIMIT = 32


def rgba_of_png(png):
    """The pixels of an 8-bit RGBA PNG (what rsvg-convert writes), rows top
    down, four bytes a pixel."""
    width = height = 0
    data = b""
    at = 8
    while at < len(png):
        (length,) = struct.unpack(">I", png[at : at + 4])
        kind, body = png[at + 4 : at + 8], png[at + 8 : at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit("artwork: expected an 8-bit RGBA PNG without interlacing")
        elif kind == b"IDAT":
            data += body
        at += 12 + length
    raw = zlib.decompress(data)
    stride = width * 4
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up = previous[x]
            corner = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                nearest = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[x] = (line[x] + nearest) & 0xFF
        rows.append(bytes(line))
        previous = line
    return width, height, rows


def dib_of_png(png):
    """The same picture as an icon's 32-bit bitmap with its mask. The system
    reads a bitmap entry directly; a PNG entry needs the image decoder, whose
    first use alone costs a noticeable part of a start under Wine."""
    width, height, rows = rgba_of_png(png)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b""
    mask = b""
    mask_stride = (width + 31) // 32 * 4
    for line in reversed(rows):  # bottom-up
        colour += b"".join(bytes((line[x + 2], line[x + 1], line[x], line[x + 3])) for x in range(0, len(line), 4))
        bits = bytearray(mask_stride)
        for x in range(width):
            if line[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def ico_of(pngs, limit=BITMAP_LIMIT):
    """An .ico container, smallest first: bitmap entries up to `limit`
    pixels, PNG above, where a bitmap would make the program much larger."""
    entries = [(size, dib_of_png(png) if size <= limit else png) for size, png in pngs]
    header = struct.pack("<HHH", 0, 1, len(entries))
    directory = b""
    offset = len(header) + 16 * len(entries)
    for size, data in entries:
        side = 0 if size >= 256 else size
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + directory + b"".join(data for _, data in entries)


def pngs_of_ico(data):
    """The PNG entries of an .ico file as (size, PNG), for converting the
    committed files without drawing them again."""
    count = struct.unpack("<HHH", data[:6])[2]
    out = []
    for i in range(count):
        side, _, _, _, _, _, length, offset = struct.unpack("<BBBBHHII", data[6 + 16 * i : 22 + 16 * i])
        entry = data[offset : offset + length]
        if not entry.startswith(b"\x89PNG"):
            return None
        out.append((side or 256, entry))
    return out


def write_icon(icons, path, entry, sizes, folder):
    svg = svg_of(icons, entry)
    data = ico_of([(size, render(svg, size, folder, entry.get("hard", False))) for size in sizes])
    target = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("icons_json", nargs="?", help="icons.json of @iconify-json/fluent-emoji-flat")
    parser.add_argument("--about", action="store_true", help="also the About picture and the OK glyph")
    parser.add_argument("--convert", action="store_true", help="only rewrite committed PNG entries as bitmaps")
    args = parser.parse_args()
    if args.convert:
        for path, _, _ in OUTPUTS + ABOUT_OUTPUTS:
            target = os.path.join(ROOT, path)
            with open(target, "rb") as f:
                pngs = pngs_of_ico(f.read())
            if pngs:
                with open(target, "wb") as f:
                    f.write(ico_of(pngs))
        return
    if not args.icons_json:
        parser.error("icons_json is needed unless --convert is given")
    icons = IconSet(args.icons_json)
    outputs = OUTPUTS + (ABOUT_OUTPUTS if args.about else [])
    with tempfile.TemporaryDirectory() as folder:
        for path, entry, sizes in outputs:
            write_icon(icons, path, entry, sizes, folder)
    print(f"artwork: wrote {len(outputs)} icon files")


if __name__ == "__main__":
    main()
