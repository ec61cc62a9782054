#!/usr/bin/env python3
"""Draws the eight frames of the notification-area icon into frame0.ico to
frame7.ico beside this script: a round yellow face that looks about, winks,
gapes and shuts its eyes. Stand-ins until real artwork replaces the files;
each holds every size the notification area and the window use from 100 %
to 300 % (16 to 48 pixels).

Only the standard library: python3 draw_frames.py"""

import math
import os
import struct

SIZES = (16, 20, 24, 32, 40, 48)
SAMPLES = 4  # per axis, for smooth edges

OUTLINE = (130, 75, 0)
FACE = (255, 214, 40)
HIGHLIGHT = (255, 245, 160)
FEATURE = (70, 40, 0)
MOUTH_INSIDE = (170, 30, 20)

# Per frame: each eye "open", "shut" or "gone", where the pupils look, and
# the mouth.
FRAMES = [
    dict(eyes=("open", "open"), look=(0.0, 0.0), mouth="smile"),
    dict(eyes=("shut", "open"), look=(0.0, 0.0), mouth="smile"),
    dict(eyes=("open", "open"), look=(-0.06, 0.0), mouth="smile"),
    dict(eyes=("open", "shut"), look=(0.0, 0.0), mouth="smile"),
    dict(eyes=("open", "open"), look=(0.0, 0.0), mouth="grin"),
    dict(eyes=("open", "open"), look=(0.0, -0.04), mouth="open"),
    dict(eyes=("open", "open"), look=(0.06, 0.0), mouth="smile"),
    dict(eyes=("shut", "shut"), look=(0.0, 0.0), mouth="smile"),
]


def colour_at(frame, u, v):
    """The colour (r, g, b, a) of the picture at (u, v), both 0 to 1."""
    dx, dy = u - 0.5, v - 0.5
    d = math.hypot(dx, dy)
    if d > 0.47:
        return (0, 0, 0, 0)
    if d > 0.41:
        return OUTLINE + (255,)
    colour = FACE
    if math.hypot(u - 0.36, v - 0.3) < 0.1:
        colour = HIGHLIGHT
    for side, state in zip((-1, 1), frame["eyes"]):
        ex = 0.5 + side * 0.15 + frame["look"][0]
        ey = 0.4 + frame["look"][1]
        if state == "open" and ((u - ex) / 0.065) ** 2 + ((v - ey) / 0.1) ** 2 < 1:
            return FEATURE + (255,)
        if state == "shut" and v > ey - 0.01 and abs(math.hypot(u - ex, v - ey + 0.05) - 0.08) < 0.025:
            return FEATURE + (255,)
    mouth = frame["mouth"]
    if mouth in ("smile", "grin"):
        radius = 0.24 if mouth == "smile" else 0.27
        width = 0.03 if mouth == "smile" else 0.045
        if v > 0.58 and abs(math.hypot(dx, v - 0.45) - radius) < width:
            return FEATURE + (255,)
    if mouth == "open":
        inside = ((u - 0.5) / 0.12) ** 2 + ((v - 0.7) / 0.1) ** 2
        if inside < 0.6:
            return MOUTH_INSIDE + (255,)
        if inside < 1:
            return FEATURE + (255,)
    return colour + (255,)


def render(frame, size):
    """Rows of (r, g, b, a), top row first, straight alpha."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / size
                    v = (y + (sy + 0.5) / SAMPLES) / size
                    cr, cg, cb, ca = colour_at(frame, u, v)
                    r, g, b, a = r + cr * ca, g + cg * ca, b + cb * ca, a + ca
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(a / SAMPLES**2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(rows):
    """One image of an icon file: a 32-bit bottom-up bitmap and its mask."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def icon_file(frame):
    images = [icon_image(render(frame, size)) for size in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for number, frame in enumerate(FRAMES):
        with open(os.path.join(folder, "frame%d.ico" % number), "wb") as handle:
            handle.write(icon_file(frame))


if __name__ == "__main__":
    main()
