#!/usr/bin/env python3
"""Draws the six 20 x 20 pictures of the wizard page buttons.

Writes resources/wizard/N.png (what the headless platform loads) and N.bmp (the
same pixels, embedded as BITMAP resources 1 to 6 in FolivanTabs.ocx), all
24 bits per pixel:

  1 next, normal     2 next, hot       3 next, pressed
  4 previous, normal 5 previous, hot   6 previous, pressed

Each is a green square with slightly rounded corners holding a thick white
arrow (right for "next", left for "previous"); the hot one is a brighter
green, the pressed one a darker green with the arrow faded into it. The corners
outside the rounding show the Windows XP button face.

Run from the repository root after changing a colour or the arrow; commit the
twelve files. Only the standard library is used.
"""
import os
import struct
import sys
import zlib

SIZE = 20
FACE = (236, 233, 216)
WHITE = (255, 255, 255)

# (border, top of the fill, bottom of the fill, arrow)
LOOKS = {
    "normal": ((33, 110, 33), (108, 196, 100), (46, 148, 46), WHITE),
    "hot": ((44, 140, 40), (150, 232, 136), (76, 190, 64), WHITE),
    "pressed": ((20, 76, 20), (54, 128, 50), (26, 96, 26), None),  # arrow: faded, below
}


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def arrow_pixels():
    """The right-pointing arrow: a shaft four rows thick and a head that narrows by a row on each side per column."""
    pixels = set()
    for x in range(4, 10):
        for y in range(8, 12):
            pixels.add((x, y))
    for step, x in enumerate(range(10, 16)):
        for y in range(4 + step, 16 - step):
            pixels.add((x, y))
    return pixels


def draw(look, pointing_right):
    border, top, bottom, arrow = LOOKS[look]
    image = [[FACE] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        fill = mix(top, bottom, y / (SIZE - 1))
        for x in range(SIZE):
            image[y][x] = fill
    # Border, and a lighter row and column just inside it at the top left.
    for i in range(SIZE):
        image[0][i] = image[SIZE - 1][i] = border
        image[i][0] = image[i][SIZE - 1] = border
    for i in range(1, SIZE - 1):
        image[1][i] = mix(image[1][i], WHITE, 0.35)
        image[i][1] = mix(image[i][1], WHITE, 0.2)
    # Rounded corners: the outermost pixel is the face, its two neighbours half border.
    for cx, cy in ((0, 0), (SIZE - 1, 0), (0, SIZE - 1), (SIZE - 1, SIZE - 1)):
        image[cy][cx] = FACE
        dx = 1 if cx == 0 else -1
        dy = 1 if cy == 0 else -1
        image[cy][cx + dx] = mix(border, FACE, 0.5)
        image[cy + dy][cx] = mix(border, FACE, 0.5)
        image[cy + dy][cx + dx] = border
    # The arrow, with a one-pixel shadow below and to the right of it.
    shape = arrow_pixels()
    if not pointing_right:
        shape = {(SIZE - 1 - x, y) for x, y in shape}
    for x, y in sorted(shape):
        sx, sy = x + 1, y + 1
        if (sx, sy) not in shape and 1 < sx < SIZE - 1 and 1 < sy < SIZE - 1:
            image[sy][sx] = mix(image[sy][sx], (0, 0, 0), 0.3)
    for x, y in shape:
        image[y][x] = arrow if arrow is not None else mix(image[y][x], WHITE, 0.45)
    return image


def write_png(image, path):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in image)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)  # 8-bit RGB
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_bmp(image, path):
    row_bytes = (SIZE * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(image):  # bottom-up
        line = bytes(c for r, g, b in row for c in (b, g, r))
        pixels += line + b"\x00" * (row_bytes - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "wizard")
    os.makedirs(out, exist_ok=True)
    n = 1
    for pointing_right in (True, False):
        for look in ("normal", "hot", "pressed"):
            image = draw(look, pointing_right)
            write_png(image, os.path.join(out, f"{n}.png"))
            write_bmp(image, os.path.join(out, f"{n}.bmp"))
            n += 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
