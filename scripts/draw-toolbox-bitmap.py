#!/usr/bin/env python3
"""Draws the 16 x 15 toolbox picture of FolivanTab (resources/toolbox/toolbox.bmp,
BITMAP resource 100 of FolivanTabs.ocx, registered as ToolboxBitmap32).

A tabbed dialog in miniature: the selected tab at the left with the orange
band of the Windows XP look, a second tab behind it, and the page below, on
the grey of a designer's toolbox (its lower-left pixel, which designers take
as the transparent colour). 24 bits per pixel.

Run from the repository root after changing the picture; commit the file.
Only the standard library is used.
"""
import struct

PICTURE = [
    "................",
    ".oooo...........",
    ".wWWWd..........",
    ".w...d.gggg.....",
    ".w...d.w...d....",
    ".w....ddddddddd.",
    ".w.............d",
    ".w.............d",
    ".w.............d",
    ".w.............d",
    ".w.............d",
    ".w.............d",
    ".w.............d",
    ".ddddddddddddddd",
    "................",
]
COLOURS = {
    ".": (192, 192, 192),  # toolbox grey, transparent
    "o": (255, 200, 60),   # the selected tab's band
    "w": (255, 255, 255),  # lit edges
    "W": (255, 255, 255),
    "d": (64, 64, 64),     # shaded edges
    "g": (128, 128, 128),  # the tab behind
}


def main():
    width, height = 16, len(PICTURE)
    assert height == 15 and all(len(row) == width for row in PICTURE), "16 x 15"
    rows = []
    for row in reversed(PICTURE):  # bottom-up
        rows.append(b"".join(bytes(reversed(COLOURS[c])) for c in row))  # BGR
    pixels = b"".join(rows)  # 48 bytes a row: no padding
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open("resources/toolbox/toolbox.bmp", "wb") as f:
        f.write(file_header + header + pixels)


if __name__ == "__main__":
    main()
